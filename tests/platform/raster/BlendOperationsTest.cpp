// The blends of the skin painter and the platform's AlphaBlend, byte for byte on small
// bitmaps. Words are written 0xAARRGGBB (blue in the low byte, the fourth byte high).
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/AlphaBlend.h"
#include "platform/raster/PixelBlends.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

TBlendFunction Constant(std::uint8_t alpha) { return TBlendFunction{AC_SRC_OVER, 0, alpha, 0}; }
TBlendFunction Premultiplied(std::uint8_t alpha) { return TBlendFunction{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA}; }

TEST(AlphaBlendTest, ConstantAlphaBlendsEveryByte) {
    auto src = TTestSurface::Words({{0x80FF0000}});
    auto dst = TTestSurface::Words({{0x000000FF}});
    ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, 1, 1, *src.dc, 0, 0, 1, 1, Constant(128)));
    // (s * 128 + d * 127 + 127) div 255: blue (0 + 32385 + 127) / 255 = 127, red 128, fourth 64.
    EXPECT_EQ(dst.WordRows(), (Words{{0x4080007F}}));

    auto none = TTestSurface::Words({{0x12345678}});
    ASSERT_TRUE(AlphaBlend(*none.dc, 0, 0, 1, 1, *src.dc, 0, 0, 1, 1, Constant(0)));
    EXPECT_EQ(none.WordRows(), (Words{{0x12345678}}));
}

TEST(AlphaBlendTest, PremultipliedSourceOver) {
    auto src = TTestSurface::Words({{0x80104020, 0xFF010203, 0x00000000}});
    auto dst = TTestSurface::Words({{0xFFFFFFFF, 0xFFFFFFFF, 0x7F7F7F7F}});
    ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, 3, 1, *src.dc, 0, 0, 3, 1, Premultiplied(255)));
    // s + (d * 127 + 127) div 255 = s + 127; opaque copies; clear leaves.
    EXPECT_EQ(dst.WordRows(), (Words{{0xFF8FBF9F, 0xFF010203, 0x7F7F7F7F}}));

    // With constant alpha 128 the source is scaled first: 0x40 -> 32, 0x20 -> 16, 0x10 -> 8,
    // alpha 0x80 -> 64; the destination keeps 191 / 255 of itself.
    auto half = TTestSurface::Words({{0xFFFFFFFF}});
    ASSERT_TRUE(AlphaBlend(*half.dc, 0, 0, 1, 1, *src.dc, 0, 0, 1, 1, Premultiplied(128)));
    EXPECT_EQ(half.WordRows(), (Words{{0xFFC7DFCF}}));

    // Colours above their alpha (not premultiplied) saturate instead of wrapping.
    auto over = TTestSurface::Words({{0x10FF0000}});
    auto white = TTestSurface::Words({{0xFFFFFFFF}});
    ASSERT_TRUE(AlphaBlend(*white.dc, 0, 0, 1, 1, *over.dc, 0, 0, 1, 1, Premultiplied(255)));
    EXPECT_EQ(white.WordRows(), (Words{{0xFFFFEFEF}}));
}

TEST(AlphaBlendTest, StretchesByNearestSamplingAndClips) {
    auto src = TTestSurface::Words({{0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004}});
    auto wide = TTestSurface::Words({{0, 0, 0, 0, 0, 0, 0, 0}});
    ASSERT_TRUE(AlphaBlend(*wide.dc, 0, 0, 8, 1, *src.dc, 0, 0, 4, 1, Premultiplied(255)));
    EXPECT_EQ(wide.WordRows()[0], (std::vector<std::uint32_t>{0xFF000001, 0xFF000001, 0xFF000002, 0xFF000002,
                                                             0xFF000003, 0xFF000003, 0xFF000004, 0xFF000004}));
    auto narrow = TTestSurface::Words({{0, 0}});
    ASSERT_TRUE(AlphaBlend(*narrow.dc, 0, 0, 2, 1, *src.dc, 0, 0, 4, 1, Premultiplied(255)));
    EXPECT_EQ(narrow.WordRows(), (Words{{0xFF000002, 0xFF000004}})) << "the pixels under the centres";

    auto clipped = TTestSurface::Words({{0, 0}});
    ASSERT_TRUE(AlphaBlend(*clipped.dc, -2, 0, 4, 1, *src.dc, 0, 0, 4, 1, Premultiplied(255)));
    EXPECT_EQ(clipped.WordRows(), (Words{{0xFF000003, 0xFF000004}}));
}

TEST(AlphaBlendTest, RefusesWhatThePlatformRefuses) {
    auto src = TTestSurface::Words({{0xFF000001, 0xFF000002}});
    auto dst = TTestSurface::Words({{7, 7}});
    EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 2, 1, *src.dc, 1, 0, 2, 1, Premultiplied(255))) << "source too small";
    EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 2, 1, *src.dc, -1, 0, 2, 1, Premultiplied(255)));
    EXPECT_FALSE(AlphaBlend(*dst.dc, 2, 0, -2, 1, *src.dc, 0, 0, 2, 1, Premultiplied(255))) << "no mirroring";
    EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 2, 1, *src.dc, 0, 0, 2, 1, TBlendFunction{1, 0, 255, 0}));
    auto mono = TTestSurface::Mono({{1, 0}});
    EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 2, 1, *mono.dc, 0, 0, 2, 1, Premultiplied(255)));
    EXPECT_EQ(dst.WordRows(), (Words{{7, 7}}));
    EXPECT_TRUE(AlphaBlend(*dst.dc, 0, 0, 0, 1, *src.dc, 0, 0, 2, 1, Premultiplied(255))) << "empty is done";

    // Within one bitmap the source is read as it was before the blend.
    auto self = TTestSurface::Words({{0xFF000001, 0xFF000002, 0xFF000003}});
    ASSERT_TRUE(AlphaBlend(*self.dc, 1, 0, 2, 1, *self.dc, 0, 0, 2, 1, Premultiplied(255)));
    EXPECT_EQ(self.WordRows(), (Words{{0xFF000001, 0xFF000001, 0xFF000002}}));
}

TEST(BlendRectTest, EveryByteByTheWeightedRule) {
    auto source = TTestSurface::Words({{0xFFFFFFFF, 0x64646464}});
    auto target = TTestSurface::Words({{0xFFFFFFFF, 0xC8C8C8C8}});
    BlendRect(*target.bitmap, *source.bitmap, 255, 0, 0, TRect{0, 0, 1, 1});
    EXPECT_EQ(target.WordRows()[0][0], 0xFEFEFEFEu) << "(255 * 255 + 127) div 256 = 254";
    // (200 * 128 + 100 * 127 + 127) div 256 = 150.
    BlendRect(*target.bitmap, *source.bitmap, 128, 1, 0, TRect{1, 0, 2, 1});
    EXPECT_EQ(target.WordRows()[0][1], 0x96969696u);
    // Weight 0: (100 * 255 + 127) div 256 = 100; the target area is clipped to its bitmap.
    BlendRect(*target.bitmap, *source.bitmap, 0, -1, 0, TRect{0, 0, 2, 1});
    EXPECT_EQ(target.WordRows(), (Words{{0x64646464, 0x96969696}}));
}

TEST(BlendColorRectTest, ColourTakesTheRemainingShareFourthByteStays) {
    auto target = TTestSurface::Words({{0xAAC80001, 0x11223344}});
    // (30 * 200 + 70 * 100 + 50) div 100 = 130 for red; green 70; blue 30 * 1 + 50 -> 0.
    BlendColorRect(*target.bitmap, TRect{0, 0, 1, 1}, 30, MakeColor(100, 100, 0));
    EXPECT_EQ(target.WordRows()[0][0], 0xAA824600u);
    BlendColorRect(*target.bitmap, TRect{1, 0, 5, 3}, 100, MakeColor(0, 0, 0));
    EXPECT_EQ(target.WordRows()[0][1], 0x11223344u) << "100 % keeps the pixel";
    BlendColorRect(*target.bitmap, TRect{2, 1, 1, 0}, 0, MakeColor(1, 2, 3));
    EXPECT_EQ(target.WordRows()[0][1], 0x11010203u) << "0 % is the colour; reversed rectangles count";
}

TEST(MaskedPieceTest, BlackMaskShowsThePieceWhiteKeepsTheTarget) {
    // Row 0: two piece pixels; row 1: their mask (black, white, and a grey in one channel).
    auto source = TTestSurface::Words({{0x00102030, 0x00FFFFFF}, {0x00000000, 0x00FF80FF}});
    auto target = TTestSurface::Words({{0x77C8C8C8, 0x77000000}});
    BlendMaskedPiece(*target.bitmap, 0, 0, *source.bitmap, TRect{0, 0, 2, 1}, 0, 1);
    // Black mask: the piece. Mask 255: (0 * 255 + 255 * 1) >> 8 = 0; green mask 128: 127.
    EXPECT_EQ(target.WordRows(), (Words{{0x77102030, 0x77007F00}}));

    // The target position clips piece and mask alike.
    auto small = TTestSurface::Words({{0x00C8C8C8}});
    BlendMaskedPiece(*small.bitmap, -1, 0, *source.bitmap, TRect{0, 0, 2, 1}, 0, 1);
    // Mask 255 keeps (200 * 255 + 255) >> 8 = 200; green's 128 gives (25600 + 32640) >> 8.
    EXPECT_EQ(small.WordRows(), (Words{{0x00C8E3C8}}));
}

TEST(MaskedPieceTest, MagentaOverAParentTakesTheParentsPixel) {
    auto source = TTestSurface::Words({{0x00FF00FF, 0x00102030}, {0x00000000, 0x00000000}});
    auto parent = TTestSurface::Words({{0x00ABCDEF, 0x00999999, 0x00ABCDEF}});
    auto target = TTestSurface::Words({{0x00C8C8C8, 0x00C8C8C8}});
    BlendMaskedPiece(*target.bitmap, 0, 0, *source.bitmap, TRect{0, 0, 2, 1}, 0, 1,
                     TMaskedPieceParent{parent.bitmap.get(), -1, 0});
    // Target (0, 0) lies at parent (1, 0); every drawn pixel becomes opaque.
    EXPECT_EQ(target.WordRows(), (Words{{0xFF999999, 0xFF102030}}));
}

TEST(GreyAndMixTest, DisabledGreyAndColourMixing) {
    auto target = TTestSurface::Words({{0x12FF0000, 0x34FFFFFF, 0x56000000}});
    GrayRect(*target.bitmap, TRect{0, 0, 3, 1});
    // (77 * 255 + 128) >> 8 = 77; white stays white; black stays black.
    EXPECT_EQ(target.WordRows(), (Words{{0x124D4D4D, 0x34FFFFFF, 0x56000000}}));

    EXPECT_EQ(MixColors(MakeColor(255, 0, 10), MakeColor(0, 255, 20), 0.4), MakeColor(102, 153, 16));
    EXPECT_EQ(MixColors(0xFF00FF, 0x000000, 1.0), 0xFF00FFu);
}

}  // namespace
