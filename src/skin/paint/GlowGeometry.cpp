#include "skin/paint/GlowGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Bounds a wide coordinate to a range any later subtraction in int still survives.
int ClampCoordinate(std::int64_t value) {
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max() / 4;
    return static_cast<int>(std::clamp<std::int64_t>(value, -kLimit, kLimit));
}

}  // namespace

GlowPlacement PlaceGlow(const TRect& target, const GlowMargins& margins, int glowMargin,
                        const TRect& window) {
    GlowPlacement placement;
    const TRect t = target.Normalized();
    const TRect w = window.Normalized();
    const std::int64_t gm = glowMargin;
    placement.Full.left = ClampCoordinate(std::int64_t{t.left} + gm - margins.Left);
    placement.Full.top = ClampCoordinate(std::int64_t{t.top} + gm - margins.Top);
    placement.Full.right = ClampCoordinate(std::int64_t{t.right} - gm + margins.Right);
    placement.Full.bottom = ClampCoordinate(std::int64_t{t.bottom} - gm + margins.Bottom);
    if (placement.Full.right <= placement.Full.left ||
        placement.Full.bottom <= placement.Full.top) {
        placement.Full = TRect{};
        return placement;
    }
    TRect& v = placement.Visible;
    v.left = std::max(placement.Full.left, w.left);
    v.top = std::max(placement.Full.top, w.top);
    v.right = std::min(placement.Full.right, w.right);
    v.bottom = std::min(placement.Full.bottom, w.bottom);
    if (v.right <= v.left || v.bottom <= v.top) v = TRect{};
    return placement;
}
