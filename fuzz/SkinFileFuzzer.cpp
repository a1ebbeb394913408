// The skin file with its picture references over a fixed picture set: small pictures under
// the internal skin's names (its master bitmap at full size, so that its rectangles resolve),
// small enough that every input runs in milliseconds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/RgbaPng.h"
#include "core/Exception.h"
#include "core/TMemoryStream.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/GlowFace.h"

namespace {

std::vector<std::uint8_t> Bmp(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint32_t> words(std::size_t{width} * height);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = i % 7 == 0 ? 0xFF00FFu : static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFFu;
    TMemoryStream out;
    skin::BitmapFromWords(width, height, pf24bit, words)->WriteToStream(out);
    return std::vector<std::uint8_t>(out.Bytes().begin(), out.Bytes().end());
}

std::vector<std::uint8_t> Png(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> rgba(std::size_t{width} * height * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 37);
    return tools::EncodeRgbaPng(width, height, rgba);
}

const TacSkinConvertor& Pictures() {
    static const TacSkinConvertor* package = [] {
        const std::vector<std::uint8_t> bytes = skin::WritePackage({{"Options.dat", {}},
                                                                    {"ButtonHuge.bmp", Bmp(48, 32)},
                                                                    {"Master.bmp", Bmp(306, 102)},
                                                                    {"Close.png", Png(30, 30)},
                                                                    {"Max.png", Png(30, 30)},
                                                                    {"Min.png", Png(30, 30)},
                                                                    {"Edit.png", Png(13, 13)},
                                                                    {"GlowBtn.png", Png(32, 32)},
                                                                    {"Exbor.png", Png(64, 40)}});
        auto* converter = new TacSkinConvertor();
        TMemoryStream stream(bytes);
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
        for (std::size_t i = 0; i < content.GeneralData.size(); ++i) {
            content.FindMaskIndex(static_cast<int>(i), content.GeneralData[i].ClassName,
                                  "BORDERSMASK");
            // The section's glow around a control at a window's edge: margins and glow
            // margins of any size must give a picture no larger than the window.
            const TsGlowSource glow = FindControlGlow(content, static_cast<int>(i));
            PaintGlowFace(content, glow,
                          PlaceGlow(TRect{40, 2, 60, 30}, glow.Margins(), glow.GlowMargin,
                                    TRect{0, 0, 64, 48}));
        }
    } catch (const Exception&) {
    }
    return 0;
}
