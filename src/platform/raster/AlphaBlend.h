#pragma once

#include <cstdint>

#include "platform/raster/TDeviceContext.h"

// How AlphaBlend combines the pixels (the platform's BLENDFUNCTION).
inline constexpr std::uint8_t AC_SRC_OVER = 0x00;
inline constexpr std::uint8_t AC_SRC_ALPHA = 0x01;

struct TBlendFunction {
    std::uint8_t BlendOp = AC_SRC_OVER;
    std::uint8_t BlendFlags = 0;
    // Applied to every source byte: 255 uses the source as it is, 0 leaves the destination.
    std::uint8_t SourceConstantAlpha = 255;
    // AC_SRC_ALPHA: the source's fourth byte is its alpha and its colours are premultiplied
    // by it. 0: the source has no alpha of its own.
    std::uint8_t AlphaFormat = 0;
};

// Source-over blending of the source rectangle onto the destination rectangle, both bitmaps
// 32-bit colour (device bitmaps, or 32-bit sections). Stretches by nearest sampling exactly
// like StretchBlt; the destination is clipped to its bitmap. With C the constant alpha and
// every quotient an integer division, per byte (blue, green, red and the fourth byte):
// - AlphaFormat 0: d = (s * C + d * (255 - C) + 127) div 255;
// - AC_SRC_ALPHA: s' = (s * C + 127) div 255, then d = s' + (d * (255 - a') + 127) div 255
//   with a' the scaled source alpha, limited to 255 for sources that are not premultiplied.
// Answers false, drawing nothing, for a negative size, a source rectangle that does not lie
// inside the source bitmap, another operation than AC_SRC_OVER or other bitmap kinds, as the
// platform fails them. A blend within one bitmap reads the source as it was before.
bool AlphaBlend(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, TBlendFunction blend);
