#include "core/TMemoryStream.h"
#include "png/RgbaRendering.h"
#include "png/TPNGObject.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinPictureDecoding.h"

namespace skin {

namespace {

// Skins above this version carry premultiplied pictures; older ones mark holes with white.
constexpr double kPremultipliedVersion = 7.45;

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

std::uint32_t PixelWord(const std::uint8_t* rgba, bool premultiply) {
    std::uint32_t r = rgba[0], g = rgba[1], b = rgba[2];
    const std::uint32_t a = rgba[3];
    if (premultiply) {
        r = r * a / 255;
        g = g * a / 255;
        b = b * a / 255;
    } else if (a == 0 && r == 255 && g == 255 && b == 255) {
        return 0;
    }
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

std::shared_ptr<TBitmap> DecodePngPicture(std::span<const std::uint8_t> bytes, double version,
                                          TPictureBudget& budget) {
    // The header's sides, checked before the codec allocates anything for them.
    if (bytes.size() < 24) throw ESkinError("not a PNG file");
    const std::uint32_t width = BigEndian32(bytes, 16), height = BigEndian32(bytes, 20);
    if (width == 0 || height == 0) throw ESkinError("PNG without pixels");
    budget.Charge(width, height);
    TPNGObject picture;
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    try {
        picture.ReadFromStream(stream);
    } catch (const Exception& error) {
        throw ESkinError("PNG: " + error.Message());
    }
    if (static_cast<std::uint32_t>(picture.PixelWidth()) != width ||
        static_cast<std::uint32_t>(picture.PixelHeight()) != height)
        throw ESkinError("PNG: damaged header");
    const std::vector<std::uint8_t> rgba = RenderRgba(picture);
    const bool premultiply = version > kPremultipliedVersion;
    std::vector<std::uint32_t> words(std::size_t{width} * height);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = PixelWord(rgba.data() + 4 * i, premultiply);
    return BitmapFromWords(width, height, pf32bit, words);
}

}  // namespace skin
