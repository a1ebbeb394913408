// Hue rotation and saturation shift against values worked out by hand in the HSL model.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/HueSaturation.h"

namespace {

TEST(HueSaturationTest, KnownColoursTurnAndSaturateAsWorkedOutByHand) {
    // (200, 100, 100): lightness (200 + 100) / 2 = 150, chroma 100, hue 0, saturation
    // 100 / (255 - |300 - 255|) = 100 / 210.
    const TColor rose = MakeColor(200, 100, 100);
    // Hue 60: the second largest channel reaches the largest: (200, 200, 100).
    EXPECT_EQ(ShiftHueSaturation(rose, 60, 0), MakeColor(200, 200, 100));
    // Hue -300 is hue 60 too; 420 as well.
    EXPECT_EQ(ShiftHueSaturation(rose, -300, 0), MakeColor(200, 200, 100));
    EXPECT_EQ(ShiftHueSaturation(rose, 420, 0), MakeColor(200, 200, 100));
    // Saturation -50: chroma halves to 50 around lightness 150: 150 +- 25.
    EXPECT_EQ(ShiftHueSaturation(rose, 0, -50), MakeColor(175, 125, 125));
    // Saturation +100: chroma doubles to 200: 150 +- 100.
    EXPECT_EQ(ShiftHueSaturation(rose, 0, 100), MakeColor(250, 50, 50));
    // Saturation -100: grey of the lightness.
    EXPECT_EQ(ShiftHueSaturation(rose, 0, -100), MakeColor(150, 150, 150));
    // Saturation stays at most 1: pure red cannot get redder.
    EXPECT_EQ(ShiftHueSaturation(MakeColor(255, 0, 0), 0, 80), MakeColor(255, 0, 0));
    // Primaries a third of the circle apart, both ways.
    EXPECT_EQ(ShiftHueSaturation(MakeColor(255, 0, 0), 120, 0), MakeColor(0, 255, 0));
    EXPECT_EQ(ShiftHueSaturation(MakeColor(255, 0, 0), -120, 0), MakeColor(0, 0, 255));
    // Both at once: hue 180 of (175, 125, 125) after halving: (125, 175, 175).
    EXPECT_EQ(ShiftHueSaturation(rose, 180, -50), MakeColor(125, 175, 175));
    // The fourth byte is kept.
    EXPECT_EQ(ShiftHueSaturation(0xAB0000FFu, 120, 0), 0xAB00FF00u);
}

TEST(HueSaturationTest, ZeroIsAnExactIdentityAndGreysStayGrey) {
    for (TColor c = 0; c < 0x1000000; c += 0x010307) {
        ASSERT_EQ(ShiftHueSaturation(c, 0, 0), c);
        ASSERT_EQ(ShiftHueSaturation(c, 360, 0), c);
        ASSERT_EQ(ShiftHueSaturation(c, -720, 0), c);
    }
    for (int v = 0; v < 256; v += 17) {
        const auto g = static_cast<std::uint8_t>(v);
        EXPECT_EQ(ShiftHueSaturation(MakeColor(g, g, g), 77, 60), MakeColor(g, g, g));
    }
}

TEST(HueSaturationTest, PicturesKeepTheKeyColourAndTheirFourthBytes) {
    // Words 0xAARRGGBB: red with fourth byte 0x80, the key colour, grey.
    auto surface = TTestSurface::Words({{0x80FF0000, 0x00FF00FF, 0x11808080}, {0, 0, 0}});
    ASSERT_TRUE(ShiftHueSaturationRect(*surface.bitmap, TRect{0, 0, 9, 1}, 120, 0, 0xFF00FF));
    EXPECT_EQ(surface.WordRows(), (std::vector<std::vector<std::uint32_t>>{
                                      {0x8000FF00, 0x00FF00FF, 0x11808080}, {0, 0, 0}}));
    auto mono = TTestSurface::Mono({{1, 0}});
    EXPECT_FALSE(ShiftHueSaturationRect(*mono.bitmap, TRect{0, 0, 2, 1}, 120, 0, 0xFF00FF));
}

}  // namespace
