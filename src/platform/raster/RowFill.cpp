#include "platform/raster/RowFill.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/Color32Pixels.h"

namespace {

using raster::ClipToBitmap;
using raster::IsColor32;
using raster::PixelAt;

// count pixels from to of the same word: one pixel, then what is done copied after itself.
void Repeat(std::uint8_t* to, int count, std::uint32_t word) {
    if (count <= 0) return;
    std::memcpy(to, &word, 4);
    const std::size_t bytes = 4 * static_cast<std::size_t>(count);
    for (std::size_t done = 4; done < bytes;) {
        const std::size_t step = std::min(done, bytes - done);
        std::memcpy(to + done, to, step);
        done += step;
    }
}

}  // namespace

bool FillWords(TDeviceBitmap& target, const TRect& rect, std::uint32_t word) {
    if (!IsColor32(target)) return false;
    const TRect c = ClipToBitmap(target, rect);
    if (c.Width() <= 0 || c.Height() <= 0) return true;
    const std::uint8_t* first = PixelAt(target, c.left, c.top);
    Repeat(PixelAt(target, c.left, c.top), c.Width(), word);
    const auto bytes = 4 * static_cast<std::size_t>(c.Width());
    for (int y = c.top + 1; y < c.bottom; ++y)
        std::memcpy(PixelAt(target, c.left, y), first, bytes);
    return true;
}

bool FillRowWords(TDeviceBitmap& target, const TRect& rect, const std::uint32_t* rowWords) {
    if (!IsColor32(target)) return false;
    const TRect r = rect.Normalized();
    const TRect c = ClipToBitmap(target, r);
    if (c.Width() <= 0 || c.Height() <= 0) return true;
    for (int y = c.top; y < c.bottom; ++y)
        Repeat(PixelAt(target, c.left, y), c.Width(), rowWords[y - r.top]);
    return true;
}

bool FillColumnWords(TDeviceBitmap& target, const TRect& rect, const std::uint32_t* columnWords) {
    if (!IsColor32(target)) return false;
    const TRect r = rect.Normalized();
    const TRect c = ClipToBitmap(target, r);
    if (c.Width() <= 0 || c.Height() <= 0) return true;
    const auto bytes = 4 * static_cast<std::size_t>(c.Width());
    for (int y = c.top; y < c.bottom; ++y)
        std::memcpy(PixelAt(target, c.left, y), columnWords + (c.left - r.left), bytes);
    return true;
}
