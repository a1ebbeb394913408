// Package files on disk. Only regular files are read, and never more than the cap: a skin
// directory may hold anything, a FIFO or a device included.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/Text.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"

namespace skin {

std::vector<std::uint8_t> ReadRegularFile(const std::string& fileName, std::size_t maxBytes) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw ESkinError("Cannot read \"" + fileName + "\": " + SystemErrorText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw ESkinError("\"" + fileName + "\" is not a regular file");
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        ::close(fd);
        throw ESkinError(Format("\"%s\" is larger than %zu bytes", fileName.c_str(), maxBytes));
    }
    // One byte more than the cap shows a file that grew after fstat.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (filled != static_cast<std::size_t>(info.st_size))
        throw ESkinError("\"" + fileName + "\" changed while it was read");
    bytes.resize(filled);
    return bytes;
}

}  // namespace skin

void LoadPackageFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& converter,
                     bool freeSource) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) return;
    if (converter)
        converter->Clear();
    else
        converter = std::make_unique<TacSkinConvertor>();
    std::vector<std::uint8_t> bytes;
    try {
        bytes = skin::ReadRegularFile(fileName, skin::kMaxPackageFileBytes);
    } catch (const ESkinError& error) {
        throw ESkinError("Damaged skin package: " + error.Message());
    }
    converter->Source = std::make_unique<TMemoryStream>(std::move(bytes));
    ReadPackage(*converter->Source, *converter);
    if (freeSource) converter->Source.reset();
}
