#include "platform/raster/RowFill.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsColor32(const TDeviceBitmap& bitmap) {
    return bitmap.BitCount() == 32 && !bitmap.IsIndexed() && !bitmap.IsMonochrome();
}

// The part of rect inside the bitmap; empty (width or height 0 or less) when none is.
TRect Clipped(const TDeviceBitmap& bitmap, const TRect& rect) {
    const TRect r = rect.Normalized();
    return TRect{std::max(r.left, 0), std::max(r.top, 0),
                 std::min(r.right, static_cast<int>(bitmap.Width())),
                 std::min(r.bottom, static_cast<int>(bitmap.Height()))};
}

std::uint8_t* PixelAt(TDeviceBitmap& bitmap, int x, int y) {
    return bitmap.Pixels().RowAddress(static_cast<std::uint32_t>(y)) +
           4 * static_cast<std::size_t>(x);
}

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
    const TRect c = Clipped(target, rect);
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
    const TRect c = Clipped(target, r);
    if (c.Width() <= 0 || c.Height() <= 0) return true;
    for (int y = c.top; y < c.bottom; ++y)
        Repeat(PixelAt(target, c.left, y), c.Width(), rowWords[y - r.top]);
    return true;
}

bool FillColumnWords(TDeviceBitmap& target, const TRect& rect, const std::uint32_t* columnWords) {
    if (!IsColor32(target)) return false;
    const TRect r = rect.Normalized();
    const TRect c = Clipped(target, r);
    if (c.Width() <= 0 || c.Height() <= 0) return true;
    const auto bytes = 4 * static_cast<std::size_t>(c.Width());
    for (int y = c.top; y < c.bottom; ++y)
        std::memcpy(PixelAt(target, c.left, y), columnWords + (c.left - r.left), bytes);
    return true;
}
