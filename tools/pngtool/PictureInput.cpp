#include "pngtool/PictureInput.h"

#include <vector>

#include "core/Exception.h"
#include "core/TFileStream.h"
#include "core/TMemoryStream.h"
#include "core/Text.h"
#include "png/TPNGObject.h"

namespace pngtool {

void ReadPictureFile(TPNGObject& picture, const std::string& fileName) {
    TFileStream file(fileName, TFileStream::Mode::OpenRead);
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[64 * 1024];
    while (const std::size_t got = file.Read(buffer, sizeof buffer)) {
        if (got > kMaxInputBytes - bytes.size()) {
            throw Exception(Format("%s is larger than %zu MB, the most a picture download may be",
                                   fileName.c_str(), kMaxInputBytes / (1024 * 1024)));
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    TMemoryStream stream(std::move(bytes));
    picture.ReadFromStream(stream);
}

}  // namespace pngtool
