#pragma once

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDeviceContext.h"

// Draws device-independent pixel memory described by info (1, 4, 8, 16, 24 or 32 bits, either
// row order, colour table for up to 8 bits) onto a 32-bit colour destination, leaving the
// destination's colour wherever the source pixel has the transparent colour. The result is
// that of the platform's mask-and-paint sequence for a colour key: the destination pixel with
// its fourth byte cleared where the source has the key, the source colour (fourth byte 0)
// everywhere else. Stretches by nearest sampling like StretchDIBits, with srcY counted from
// the bottom row of a bottom-up bitmap as there; the destination is clipped to its bitmap.
// Answers false, drawing nothing, for a negative size, a source rectangle outside the source,
// unsupported memory or another destination kind.
bool TransparentDIBits(TDeviceContext& dst, int x, int y, int width, int height, int srcX, int srcY,
                       int srcWidth, int srcHeight, const void* bits, const TBitmapInfo& info,
                       TColor transparent);
