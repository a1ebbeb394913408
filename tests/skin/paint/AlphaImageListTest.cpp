// The alpha image list over PNG files, and the opacity rules of button glyphs.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "common/RgbaPng.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/TsAlphaImageList.h"

using namespace painttest;

namespace {

TEST(AlphaImageListTest, ItemsAreDrawnWithTheirAlphaAndBadOnesYieldNothing) {
    // 2 x 2: opaque red, clear, half-transparent green, opaque blue.
    const std::vector<std::uint8_t> rgba = {255, 0,   0, 255, 0, 0, 0,   0,
                                            0,   200, 0, 128, 0, 0, 255, 255};
    TsAlphaImageList list(2, 2);
    list.AddPng(tools::EncodeRgbaPng(2, 2, rgba));
    list.AddPng({1, 2, 3});
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.GetBitmap32(1), nullptr);
    EXPECT_EQ(list.GetBitmap32(2), nullptr);
    EXPECT_EQ(list.GetBitmap32(-1), nullptr);
    auto target = Picture(2, 2, MakeColor(0, 0, 100));
    list.Draw(*target, 0, 0, 0);
    EXPECT_EQ(At(*target, 0, 0), MakeColor(255, 0, 0));
    EXPECT_EQ(At(*target, 1, 0), MakeColor(0, 0, 100));
    EXPECT_EQ(At(*target, 1, 1), MakeColor(0, 0, 255));
    const TColor half = At(*target, 0, 1);
    EXPECT_NEAR(ColorGreen(half), 100, 2);
    EXPECT_NEAR(ColorBlue(half), 50, 2);
    list.Draw(*target, 0, 0, 5);
}

TEST(GlyphOpacityTest, DisabledButtonsHalveAndBlendAppliesOnlyInTheNormalState) {
    TsButtonContent content;
    EXPECT_EQ(GlyphOpacity(content, 0), 100);
    content.Enabled = false;
    EXPECT_EQ(GlyphOpacity(content, 0), 50);
    content.Enabled = true;
    content.Blend = 80;
    EXPECT_EQ(GlyphOpacity(content, 0), 80);
    EXPECT_EQ(GlyphOpacity(content, 1), 100);
    content.DisabledGlyphKind = dgGrayed;
    content.Enabled = false;
    EXPECT_EQ(GlyphOpacity(content, 0), 80);
}

}  // namespace
