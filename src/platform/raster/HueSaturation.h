#pragma once

#include <cstdint>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TRect.h"

// Hue rotation and saturation shift of colours, in the HSL model: the hue turns by hueOffset
// degrees (any integer; taken modulo 360), the saturation is multiplied by
// (100 + saturation) / 100 and kept within 0..1 (so -100 turns every colour grey and greys
// stay grey at any value), the lightness stays. Channels are rounded to nearest. Both values 0
// leave every colour exactly as it is.

// The colour transformed; the fourth byte is kept.
TColor ShiftHueSaturation(TColor color, int hueOffset, int saturation);

// Every pixel of the area (normalised, clipped to the bitmap) transformed, except pixels of
// the key colour, which keep marking transparency; fourth bytes stay. Answers false, leaving
// the bitmap alone, for bitmaps other than 24- and 32-bit colour.
bool ShiftHueSaturationRect(TDeviceBitmap& target, const TRect& rect, int hueOffset, int saturation,
                            TColor keyColor);
