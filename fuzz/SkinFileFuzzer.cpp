// The skin file with its picture references over a fixed picture set: the internal skin's
// pictures, so that the references address real master, BMP and PNG pictures.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Exception.h"
#include "core/TMemoryStream.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsSkinContent.h"

namespace {

const TacSkinConvertor& Pictures() {
    static const TacSkinConvertor* package = [] {
        auto* converter = new TacSkinConvertor();
        const auto bytes = skin::InternalSkinPackage();
        TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ReadPackage(stream, *converter);
        return converter;
    }();
    return *package;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinPackageSource source(Pictures());
    try {
        TsSkinContent content(std::string(reinterpret_cast<const char*>(data), size));
        content.LoadPictures(source);
        content.LoadJpegPictures(source);
        content.LoadSections();
        content.VersionMessage("fuzz", true);
        for (std::size_t i = 0; i < content.GeneralData.size(); ++i)
            content.FindMaskIndex(static_cast<int>(i), content.GeneralData[i].ClassName,
                                  "BORDERSMASK");
    } catch (const Exception&) {
    }
    return 0;
}
