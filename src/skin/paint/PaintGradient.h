#pragma once

#include "platform/raster/TBitmap.h"
#include "skin/data/TsGradArray.h"

// Draws the gradient list into the area (cut to the picture). The first step's mode decides:
// vertical bands from the top, horizontal bands from the left, or five points joined by four
// triangles; any other mode, or an empty list, draws nothing.
void PaintGradient(TBitmap& target, const TRect& rect, const TsGradArray& gradient);

namespace skinpaint {
// The colour of row (or column) index of a band of count rows that runs from colour1 on its
// first row to colour2 on its last.
TColor BandColor(TColor colour1, TColor colour2, int index, int count);
}  // namespace skinpaint
