// Screen snapping and the frames of the show and hide animations.
#include <gtest/gtest.h>

#include "skin/paint/FormAnimation.h"
#include "skin/paint/ScreenSnap.h"

namespace {

const TRect kArea{0, 0, 1280, 1024};

TsSnapPosition Snap(TRect form, int w = 0, int t = 0) {
    return SnapToWorkArea({form, kArea, w, t, 10});
}

TEST(ScreenSnap, NinePixelsSnapsTenDoesNotOnEveryEdge) {
    // Right: the right edge 9 (11, 10) pixels from the area's.
    EXPECT_EQ(Snap({771, 300, 1271, 700}), (TsSnapPosition{780, 300}));
    EXPECT_EQ(Snap({770, 300, 1270, 700}), (TsSnapPosition{770, 300}));
    EXPECT_EQ(Snap({789, 300, 1289, 700}), (TsSnapPosition{780, 300})) << "beyond the edge too";
    EXPECT_EQ(Snap({790, 300, 1290, 700}), (TsSnapPosition{790, 300}));
    // Bottom.
    EXPECT_EQ(Snap({300, 615, 800, 1015}), (TsSnapPosition{300, 624}));
    EXPECT_EQ(Snap({300, 614, 800, 1014}), (TsSnapPosition{300, 614}));
    // Left and top.
    EXPECT_EQ(Snap({9, 300, 509, 700}), (TsSnapPosition{0, 300}));
    EXPECT_EQ(Snap({10, 300, 510, 700}), (TsSnapPosition{10, 300}));
    EXPECT_EQ(Snap({-9, 300, 491, 700}), (TsSnapPosition{0, 300}));
    EXPECT_EQ(Snap({300, 9, 800, 409}), (TsSnapPosition{300, 0}));
    EXPECT_EQ(Snap({300, 10, 800, 410}), (TsSnapPosition{300, 10}));
    // A corner snaps both ways; far away nothing moves.
    EXPECT_EQ(Snap({5, 1, 505, 401}), (TsSnapPosition{0, 0}));
    EXPECT_EQ(Snap({400, 300, 900, 700}), (TsSnapPosition{400, 300}));
}

TEST(ScreenSnap, AnExtendedFrameLandsFlushInsteadOfTheForm) {
    // The frame reaches w = 14 beyond the form at the sides, t = 25 above it.
    EXPECT_EQ(Snap({757, 300, 1257, 700}, 14, 25), (TsSnapPosition{766, 300}));
    EXPECT_EQ(Snap({756, 300, 1256, 700}, 14, 25), (TsSnapPosition{756, 300}));
    EXPECT_EQ(Snap({23, 300, 523, 700}, 14, 25), (TsSnapPosition{14, 300}));
    EXPECT_EQ(Snap({24, 300, 524, 700}, 14, 25), (TsSnapPosition{24, 300}));
    EXPECT_EQ(Snap({300, 34, 800, 434}, 14, 25), (TsSnapPosition{300, 25}));
    EXPECT_EQ(Snap({300, 35, 800, 435}, 14, 25), (TsSnapPosition{300, 35}));
    EXPECT_EQ(Snap({300, 601, 800, 1001}, 14, 25), (TsSnapPosition{300, 610}));
    // A work area that does not start at the origin.
    EXPECT_EQ(SnapToWorkArea({{105, 300, 605, 700}, {100, 40, 1280, 1024}, 0, 0, 10}),
              (TsSnapPosition{100, 300}));
    // The buffer is the window's: 20 snaps at 19.
    EXPECT_EQ(SnapToWorkArea({{19, 300, 519, 700}, kArea, 0, 0, 20}), (TsSnapPosition{0, 300}));
}

TEST(FormAnimation, StepsAreTimeOverTwelve) {
    EXPECT_EQ(AnimationSteps(0), 0);
    EXPECT_EQ(AnimationSteps(11), 0);
    EXPECT_EQ(AnimationSteps(12), 1);
    EXPECT_EQ(AnimationSteps(24), 2);
    EXPECT_EQ(AnimationSteps(-24), 0);
}

TEST(FormAnimation, ShowFadesAndGrowsBack) {
    // 11 ms: no intermediate step, the cover is shown whole at once.
    EXPECT_EQ(ShowAnimationFrames(11, 255, true, 400, 200),
              (std::vector<TsAnimationFrame>{{255, {0, 0, 400, 200}}}));
    // 24 ms: frames 0, 1 and 2.
    const auto fading = ShowAnimationFrames(24, 255, false, 400, 200);
    ASSERT_EQ(fading.size(), 3u);
    EXPECT_EQ(fading[0].Alpha, 0);
    EXPECT_EQ(fading[1].Alpha, 128);
    EXPECT_EQ(fading[2].Alpha, 255);
    for (const auto& frame : fading) EXPECT_EQ(frame.Shown, (TRect{0, 0, 400, 200}));
    const auto aero = ShowAnimationFrames(24, 200, true, 400, 200);
    EXPECT_EQ(aero[0].Shown, (TRect{50, 25, 350, 175}));
    EXPECT_EQ(aero[1].Shown, (TRect{25, 13, 375, 187}));
    EXPECT_EQ(aero[2], (TsAnimationFrame{200, {0, 0, 400, 200}}));
}

TEST(FormAnimation, HideFadesOutAndTheExitsLoopEndsWithinASecond) {
    EXPECT_TRUE(HideAnimationFrames(0, 255, true, 400, 200, false).empty());
    EXPECT_TRUE(HideAnimationFrames(11, 255, true, 400, 200, false).empty());
    const auto frames = HideAnimationFrames(36, 255, true, 400, 200, false);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].Alpha, 170);
    EXPECT_EQ(frames[2], (TsAnimationFrame{0, {50, 25, 350, 175}}));
    // 1008 ms would be 84 steps: the exit's loop takes 83 (996 ms) and still ends at 0.
    EXPECT_EQ(HideAnimationFrames(1008, 255, false, 400, 200, false).size(), 84u);
    const auto blocking = HideAnimationFrames(1008, 255, false, 400, 200, true);
    EXPECT_EQ(blocking.size(), 83u);
    EXPECT_EQ(blocking.back().Alpha, 0);
    EXPECT_EQ(HideAnimationFrames(996, 255, false, 400, 200, true).size(), 83u);
    EXPECT_EQ(HideAnimationFrames(984, 255, false, 400, 200, true).size(), 82u);
}

}  // namespace
