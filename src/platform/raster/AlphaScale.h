#pragma once

#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TRect.h"

// Fades a 32-bit picture with premultiplied alpha to a share of its opacity: every byte of
// every pixel in the area (the colours along with the alpha, so they stay premultiplied)
// becomes byte * percent div 100. percent is limited to 0..100; the area is clipped to the
// bitmap; other bitmap kinds are left alone.
void ScaleAlphaRect(TDeviceBitmap& target, const TRect& rect, int percent);
