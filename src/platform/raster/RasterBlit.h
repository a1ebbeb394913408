#pragma once

#include <cstdint>

#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDeviceContext.h"

// Raster operations: how a source pixel s combines with the destination pixel d. On colour
// pixels they work on the bits of blue, green and red; on monochrome pixels on the bit; on
// indexed pixels on the index.
using TRasterOp = std::uint32_t;
inline constexpr TRasterOp SRCCOPY = 0x00CC0020;     // s
inline constexpr TRasterOp SRCPAINT = 0x00EE0086;    // s or d
inline constexpr TRasterOp SRCAND = 0x008800C6;      // s and d
inline constexpr TRasterOp SRCINVERT = 0x00660046;   // s xor d
inline constexpr TRasterOp NOTSRCCOPY = 0x00330008;  // not s

// The blits copy between the bitmaps selected into two contexts, converting formats the way
// the platform does:
// - colour to monochrome: pixels equal to the source context's background colour become 1
//   (white), all others 0 (black);
// - monochrome to colour: 0 becomes the destination context's text colour, 1 its background
//   colour;
// - colour to an indexed bitmap: the nearest colour of its colour table.
// Stretching takes for every destination pixel the source pixel under its centre; a negative
// width or height on either side mirrors. Pixels outside either bitmap are left alone.
// Answers false for an unknown raster operation.
bool BitBlt(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
            int srcX, int srcY, TRasterOp rop);
bool StretchBlt(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, TRasterOp rop);

// Stretches device-independent pixel memory described by info (1, 4, 8, 16, 24 or 32 bits,
// bottom-up or top-down, colour table for up to 8 bits) into the destination. As on the
// platform, srcY of a bottom-up bitmap counts from its bottom row. Colours become monochrome
// by the destination context's background colour. Answers the number of source rows, or 0
// when the memory or the operation is not supported.
int StretchDIBits(TDeviceContext& dst, int x, int y, int width, int height, int srcX, int srcY,
                  int srcWidth, int srcHeight, const void* bits, const TBitmapInfo& info,
                  TRasterOp rop);
