#pragma once

#include <cstdint>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsMaskData.h"

// 1 when a key pixel (magenta, alpha 0) lies in a corner of the first state cell's picture row
// (each corner as large as its two margins), 0 otherwise; 2 for the huge button's border mask,
// which clips its window to the mask without a scan. Corners larger than what is left of
// scanBudget (pixels) are not scanned and give 0; the pixels scanned are taken from it.
std::uint16_t ComputeCornerShape(const TsMaskData& mask, TBitmap& picture,
                                 std::uint64_t& scanBudget);
