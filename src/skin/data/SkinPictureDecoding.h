#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/raster/TBitmap.h"

// Turning skin picture files into bitmaps. Each raises ESkinError for a picture it refuses (a
// side above skin::kMaxPictureSide, a damaged file, the skin's picture memory used up).
namespace skin {

// Counts the pixel memory of a skin's pictures against kMaxSkinPictureBytes.
class TPictureBudget {
public:
    // Raises ESkinError when a width x height picture of 4 bytes a pixel is too large or does
    // not fit into what is left.
    void Charge(std::uint64_t width, std::uint64_t height);
    std::size_t Used() const { return used_; }

private:
    std::size_t used_ = 0;
};

// The colour key of skin pictures: magenta with alpha 0 is transparent.
inline constexpr std::uint32_t kKeyPixel = 0x00FF00FF;

// A BMP of any depth the raster layer reads, as 32 bits per pixel; every pixel but the key
// gets alpha 255.
std::shared_ptr<TBitmap> DecodeBmpPicture(std::span<const std::uint8_t> bytes,
                                          TPictureBudget& budget);

// A PNG decoded by the codec into straight RGBA (its gAMA table applied to the colour
// samples), then premultiplied for skins above version 7.45, or with every white pixel of
// alpha 0 made transparent black for older skins.
std::shared_ptr<TBitmap> DecodePngPicture(std::span<const std::uint8_t> bytes, double version,
                                          TPictureBudget& budget);

// A JPEG. Pictures of up to kMaxConvertedJpegPixels become 32 bits with alpha 255 (converted
// set); larger ones stay 24 bits as decoded.
struct TJpegPicture {
    std::shared_ptr<TBitmap> Bitmap;
    bool Converted = false;
};
TJpegPicture DecodeJpegPicture(std::span<const std::uint8_t> bytes, TPictureBudget& budget);

// A bitmap of the given format (pf24bit or pf32bit) holding width x height pixel words
// (0xAARRGGBB, blue in the low byte), rows from the top.
std::shared_ptr<TBitmap> BitmapFromWords(std::uint32_t width, std::uint32_t height,
                                         TPixelFormat format,
                                         const std::vector<std::uint32_t>& words);
// The pixel words of a bitmap's row range, read through the raster layer.
std::vector<std::uint32_t> ReadPixelWords(TBitmap& bitmap, std::uint32_t row, std::uint32_t x,
                                          std::uint32_t count);

}  // namespace skin
