#pragma once

#include "platform/raster/TRect.h"

// Screen snapping while a window is moved: an edge that comes closer to the work area's edge
// than the buffer lands on it. Form is the window's rectangle as the system frames it; w and
// t say how far an extended frame reaches beyond it at the sides and at the top (0 without
// one). The comparisons are strict: a distance of exactly the buffer does not snap.
struct TsSnapInput {
    TRect Form{};
    TRect Area{};
    int W = 0;
    int T = 0;
    int Buffer = 10;
};

struct TsSnapPosition {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TsSnapPosition&, const TsSnapPosition&) = default;
};

// The form's new top-left corner.
TsSnapPosition SnapToWorkArea(const TsSnapInput& input);
