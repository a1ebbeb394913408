// Where a button's glow lies: the picture margins less the glow margin around the button,
// cut to the window, and untrusted margins that must never overflow or invert the glow.
#include <gtest/gtest.h>

#include <limits>

#include "skin/paint/GlowGeometry.h"

namespace {

const TRect kWindow{0, 0, 200, 100};
const GlowMargins kFifteen{15, 15, 15, 15};

TEST(GlowGeometry, InternalButtonGlowReachesSevenPixelsBeyondEachSide) {
    const GlowPlacement p = PlaceGlow(TRect{50, 40, 125, 65}, kFifteen, 8, kWindow);
    EXPECT_EQ(p.Full, (TRect{43, 33, 132, 72}));
    EXPECT_EQ(p.Visible, p.Full);
    EXPECT_FALSE(p.Empty());
}

TEST(GlowGeometry, ClampedAtEveryWindowEdge) {
    // Touching the top-left corner, one pixel in, and one pixel beyond it.
    EXPECT_EQ(PlaceGlow(TRect{0, 0, 20, 20}, kFifteen, 8, kWindow).Visible, (TRect{0, 0, 27, 27}));
    EXPECT_EQ(PlaceGlow(TRect{7, 7, 20, 20}, kFifteen, 8, kWindow).Visible, (TRect{0, 0, 27, 27}));
    EXPECT_EQ(PlaceGlow(TRect{8, 8, 20, 20}, kFifteen, 8, kWindow).Visible, (TRect{1, 1, 27, 27}));
    const GlowPlacement corner = PlaceGlow(TRect{180, 80, 200, 100}, kFifteen, 8, kWindow);
    EXPECT_EQ(corner.Full, (TRect{173, 73, 207, 107}));
    EXPECT_EQ(corner.Visible, (TRect{173, 73, 200, 100}));
    // A button wholly outside the window has no visible glow.
    EXPECT_TRUE(PlaceGlow(TRect{300, 300, 320, 320}, kFifteen, 8, kWindow).Empty());
}

TEST(GlowGeometry, ZeroNegativeAndHugeMargins) {
    const TRect button{50, 40, 70, 60};
    EXPECT_EQ(PlaceGlow(button, GlowMargins{}, 0, kWindow).Full, button);
    EXPECT_EQ(PlaceGlow(button, kFifteen, 0, kWindow).Full, (TRect{35, 25, 85, 75}));
    EXPECT_EQ(PlaceGlow(button, kFifteen, -5, kWindow).Full, (TRect{30, 20, 90, 80}));
    // Glow margin just below, at and above the size where the glow collapses.
    EXPECT_FALSE(PlaceGlow(button, GlowMargins{}, 9, kWindow).Empty());
    EXPECT_TRUE(PlaceGlow(button, GlowMargins{}, 10, kWindow).Empty());
    EXPECT_TRUE(PlaceGlow(button, GlowMargins{}, 11, kWindow).Empty());
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_TRUE(PlaceGlow(button, kFifteen, kMax, kWindow).Empty());
    EXPECT_EQ(PlaceGlow(button, kFifteen, kMin, kWindow).Visible, kWindow);
    EXPECT_EQ(PlaceGlow(button, GlowMargins{kMax, kMax, kMax, kMax}, 0, kWindow).Visible, kWindow);
    EXPECT_TRUE(PlaceGlow(button, GlowMargins{kMin, kMin, kMin, kMin}, 0, kWindow).Empty());
}

TEST(GlowGeometry, ReversedRectanglesAreNormalised) {
    EXPECT_EQ(PlaceGlow(TRect{125, 65, 50, 40}, kFifteen, 8, TRect{200, 100, 0, 0}).Visible,
              (TRect{43, 33, 132, 72}));
}

}  // namespace
