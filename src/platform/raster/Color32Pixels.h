#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TRect.h"

// Direct access to 32-bit colour bitmaps, for the operations that work on their rows in
// place and leave every other layout to the general blits.
namespace raster {

inline bool IsColor32(const TDeviceBitmap& bitmap) {
    return bitmap.BitCount() == 32 && !bitmap.IsIndexed() && !bitmap.IsMonochrome();
}

// The part of rect inside the bitmap; empty (width or height 0 or less) when none is.
inline TRect ClipToBitmap(const TDeviceBitmap& bitmap, const TRect& rect) {
    const TRect r = rect.Normalized();
    return TRect{std::max(r.left, 0), std::max(r.top, 0),
                 std::min(r.right, static_cast<int>(bitmap.Width())),
                 std::min(r.bottom, static_cast<int>(bitmap.Height()))};
}

inline std::uint8_t* PixelAt(TDeviceBitmap& bitmap, int x, int y) {
    return bitmap.Pixels().RowAddress(static_cast<std::uint32_t>(y)) +
           4 * static_cast<std::size_t>(x);
}

inline const std::uint8_t* PixelAt(const TDeviceBitmap& bitmap, int x, int y) {
    return bitmap.Pixels().RowAddress(static_cast<std::uint32_t>(y)) +
           4 * static_cast<std::size_t>(x);
}

}  // namespace raster
