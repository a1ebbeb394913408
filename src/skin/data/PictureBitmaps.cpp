// Bitmaps for skin pictures. Pixel memory is only ever reached through the raster layer's row
// operations.
#include "core/Text.h"
#include "platform/raster/PixelView.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPictureDecoding.h"

namespace skin {

void TPictureBudget::Charge(std::uint64_t width, std::uint64_t height) {
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        throw ESkinError(Format("picture of %llu x %llu pixels: sides are limited to %u",
                                static_cast<unsigned long long>(width),
                                static_cast<unsigned long long>(height), kMaxPictureSide));
    const std::size_t bytes = static_cast<std::size_t>(width * height * 4);
    if (bytes > kMaxSkinPictureBytes - used_)
        throw ESkinError("the skin's pictures exceed 256 MiB together");
    used_ += bytes;
}

std::shared_ptr<TBitmap> BitmapFromWords(std::uint32_t width, std::uint32_t height,
                                         TPixelFormat format,
                                         const std::vector<std::uint32_t>& words) {
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    if (bitmap->IsEmpty()) return bitmap;
    const raster::TPixelView view = raster::ViewOf(*bitmap->Handle());
    for (std::uint32_t y = 0; y < height; ++y)
        raster::WriteRow(view, y, 0, width, words.data() + std::size_t{y} * width);
    return bitmap;
}

std::vector<std::uint32_t> ReadPixelWords(TBitmap& bitmap, std::uint32_t row, std::uint32_t x,
                                          std::uint32_t count) {
    std::vector<std::uint32_t> words(count);
    raster::ReadRow(raster::ViewOf(*bitmap.Handle()), row, x, count, words.data());
    return words;
}

}  // namespace skin
