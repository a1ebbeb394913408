#include "core/TMemoryStream.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinPictureDecoding.h"

namespace skin {

namespace {

std::int64_t LittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return size == 2 ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
}

// The sides from the header, checked before the raster layer allocates the pixels.
void ChargeHeader(std::span<const std::uint8_t> bytes, TPictureBudget& budget) {
    if (bytes.size() < 26) throw ESkinError("not a bitmap file");
    const bool core = LittleEndian(bytes, 14, 4) == 12;
    const std::int64_t width = LittleEndian(bytes, 18, core ? 2 : 4);
    const std::int64_t height = LittleEndian(bytes, core ? 20 : 22, core ? 2 : 4);
    if (width <= 0 || height == 0) throw ESkinError("bitmap without pixels");
    budget.Charge(static_cast<std::uint64_t>(width),
                  static_cast<std::uint64_t>(height < 0 ? -height : height));
}

}  // namespace

std::shared_ptr<TBitmap> DecodeBmpPicture(std::span<const std::uint8_t> bytes,
                                          TPictureBudget& budget) {
    ChargeHeader(bytes, budget);
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TBitmap loaded;
    try {
        loaded.ReadFromStream(stream);
    } catch (const Exception& error) {
        throw ESkinError("bitmap: " + error.Message());
    }
    if (loaded.IsEmpty()) throw ESkinError("bitmap without pixels");
    loaded.SetPixelFormat(pf32bit);
    const auto width = static_cast<std::uint32_t>(loaded.PixelWidth());
    const auto height = static_cast<std::uint32_t>(loaded.PixelHeight());
    std::vector<std::uint32_t> words;
    words.reserve(std::size_t{width} * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t word : ReadPixelWords(loaded, y, 0, width)) {
            word &= 0x00FFFFFF;
            words.push_back(word == kKeyPixel ? word : word | 0xFF000000u);
        }
    }
    return BitmapFromWords(width, height, pf32bit, words);
}

}  // namespace skin
