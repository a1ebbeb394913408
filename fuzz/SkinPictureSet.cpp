#include "SkinPictureSet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/RgbaPng.h"
#include "core/TMemoryStream.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinPictureDecoding.h"

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

}  // namespace

const TacSkinConvertor& FuzzSkinPictures() {
    static const TacSkinConvertor* package = [] {
        const std::vector<std::uint8_t> bytes = skin::WritePackage({{"Options.dat", {}},
                                                                    {"ButtonHuge.bmp", Bmp(48, 32)},
                                                                    {"Master.bmp", Bmp(306, 102)},
                                                                    {"Close.png", Png(30, 30)},
                                                                    {"Max.png", Png(30, 30)},
                                                                    {"Min.png", Png(30, 30)},
                                                                    {"Norm.png", Png(30, 30)},
                                                                    {"Edit.png", Png(13, 13)},
                                                                    {"GlowBtn.png", Png(32, 32)},
                                                                    {"Exbor.png", Png(64, 40)},
                                                                    {"FormBorder.png", Png(6, 3)}});
        auto* converter = new TacSkinConvertor();
        TMemoryStream stream(bytes);
        ReadPackage(stream, *converter);
        return converter;
    }();
    return *package;
}
