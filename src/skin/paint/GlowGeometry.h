#pragma once

#include "platform/raster/TRect.h"

// Where a control's glow lies. The glow picture is nine-sliced to Full; only Visible (Full cut
// to the window) is ever drawn. Skin values are untrusted, so every sum is taken wide and
// clamped: a hostile margin yields an empty glow, never an overflow.
struct GlowPlacement {
    TRect Full{};
    TRect Visible{};
    bool Empty() const { return Visible.Width() <= 0 || Visible.Height() <= 0; }
};

// The nine-slice margins of the glow picture.
struct GlowMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// target: the control in window coordinates; window: the window's own rectangle. The glow
// reaches each picture margin beyond the target, less the section's glow margin.
GlowPlacement PlaceGlow(const TRect& target, const GlowMargins& margins, int glowMargin,
                        const TRect& window);
