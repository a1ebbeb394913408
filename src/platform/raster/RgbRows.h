#pragma once

#include <cstdint>

#include "platform/raster/BlitCore.h"

namespace raster {

// An unscaled, unmirrored SRCCOPY of 24-bit colour rows into 32-bit colour rows: columns
// srcX0 .. srcX0 + count - 1 of each source row to x0 .. of the destination row, the fourth
// bytes cleared, as the general blit loop leaves them. Rows outside either bitmap are
// skipped.
void CopyRgbRows(const TPixelView& dst, const TPixelView& src, const TBlitGeometry& g,
                 std::uint32_t x0, std::uint32_t srcX0, std::uint32_t count);

}  // namespace raster
