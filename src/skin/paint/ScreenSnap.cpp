#include "skin/paint/ScreenSnap.h"

#include <cstdlib>

TsSnapPosition SnapToWorkArea(const TsSnapInput& in) {
    // Sums are taken in 64 bits: the rectangles come from the window system and may lie far
    // out; the result is back in range whenever a snap happens.
    const long long width = in.Form.Width(), height = in.Form.Height();
    long long x = in.Form.left, y = in.Form.top;
    if (std::llabs(x + width + in.W - in.Area.right) < in.Buffer) x = in.Area.right - width - in.W;
    if (std::llabs(y + height + in.W - in.Area.bottom) < in.Buffer)
        y = in.Area.bottom - height - in.W;
    if (std::llabs(x - in.W - in.Area.left) < in.Buffer) x = in.Area.left + in.W;
    if (std::llabs(y - in.T - in.Area.top) < in.Buffer) y = in.Area.top + in.T;
    return {static_cast<int>(x), static_cast<int>(y)};
}
