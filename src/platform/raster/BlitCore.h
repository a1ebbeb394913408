#pragma once

#include <cstdint>

#include "platform/raster/PixelView.h"
#include "platform/raster/RasterBlit.h"

// The one blit loop behind BitBlt, StretchBlt, StretchDIBits and the format conversions.
namespace raster {

// Source and destination rectangles with positive sizes, the source's top counted from its
// top row; the flips record mirroring.
struct TBlitGeometry {
    std::int64_t x = 0, y = 0, width = 0, height = 0;
    std::int64_t srcX = 0, srcY = 0, srcWidth = 0, srcHeight = 0;
    bool flipX = false, flipY = false;
};

// Colours are colour words (ColorWord). Answers false for an unknown raster operation.
bool BlitViews(const TPixelView& dst, std::uint32_t dstText, std::uint32_t dstBk, TPixelView src,
               std::uint32_t srcBk, const TBlitGeometry& geometry, TRasterOp rop);

}  // namespace raster
