#pragma once

#include <cstdint>

#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TRect.h"

// Plain fills of 32-bit colour bitmaps written straight into their rows, for painters that
// fill many small areas (a gradient is one fill per row or per column). Words are whole
// pixels as they lie in memory: 0xAARRGGBB, blue in the low byte, the fourth byte high. The
// rectangle is normalised and clipped to the bitmap; every function answers false, and draws
// nothing, when the bitmap is of another kind, so that the caller can take a general path.

// Every pixel of the area becomes word.
bool FillWords(TDeviceBitmap& target, const TRect& rect, std::uint32_t word);

// Row y of the area becomes rowWords[y - rect.top] in every column: the caller gives one word
// for each row of the unclipped rectangle.
bool FillRowWords(TDeviceBitmap& target, const TRect& rect, const std::uint32_t* rowWords);

// Column x of the area becomes columnWords[x - rect.left] in every row: the caller gives one
// word for each column of the unclipped rectangle.
bool FillColumnWords(TDeviceBitmap& target, const TRect& rect, const std::uint32_t* columnWords);
