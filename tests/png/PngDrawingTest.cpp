#include <gtest/gtest.h>

#include "DrawingTestSupport.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"

using namespace drawtest;
using pngtest::Bytes;
using pngtest::Ihdr;
using Rows = std::vector<std::vector<TColor>>;

namespace {

// 2 x 2 RGB: red, green / blue, white.
Bytes RgbPicture() {
    return pngtest::SimplePng(Ihdr(2, 2, 8, 2),
                              {0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 255, 255, 255});
}

// 2 x 1 RGBA with one alpha for both pixels: red and blue.
Bytes RgbaPicture(std::uint8_t alpha) {
    return pngtest::SimplePng(Ihdr(2, 1, 8, 6), {0, 255, 0, 0, alpha, 0, 0, 255, alpha});
}

// 3 x 1 palette picture of indexes 0, 1, 2 over red, green, blue, with an optional tRNS.
Bytes PalettePicture(const Bytes& trns) {
    pngtest::PngBuilder builder;
    builder.Chunk("IHDR", Ihdr(3, 1, 8, 3)).Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255});
    if (!trns.empty()) builder.Chunk("tRNS", trns);
    return builder.Chunk("IDAT", pngtest::Zlib({0, 0, 1, 2})).Chunk("IEND", {}).Data();
}

}  // namespace

TEST(PngOpaqueDrawing, DoubleSizeMakesTwoByTwoBlocks) {
    TPNGObject picture;
    pngtest::ReadPng(picture, RgbPicture());
    ASSERT_EQ(picture.TransparencyKind(), tkNone);
    auto canvas = MakeCanvas(5, 5, kBlack);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 4, 4});
    const Rows expected{{kRed, kRed, kGreen, kGreen, kBlack},
                        {kRed, kRed, kGreen, kGreen, kBlack},
                        {kBlue, kBlue, kWhite, kWhite, kBlack},
                        {kBlue, kBlue, kWhite, kWhite, kBlack},
                        {kBlack, kBlack, kBlack, kBlack, kBlack}};
    EXPECT_EQ(Pixels(*canvas), expected);
    EXPECT_EQ(canvas->Canvas().Handle().StretchBltMode(), COLORONCOLOR);
}

TEST(PngOpaqueDrawing, EmptyPictureDrawsNothing) {
    TPNGObject picture;
    auto canvas = MakeCanvas(2, 2, kGreen);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 2, 2});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kGreen, kGreen}, {kGreen, kGreen}}));
}

TEST(PngAlphaDrawing, AlphaZeroLeavesCanvasAndFullAlphaPaintsColours) {
    TPNGObject clear;
    pngtest::ReadPng(clear, RgbaPicture(0));
    auto canvas = MakeCanvas(2, 1, kGreen);
    clear.PaintTo(canvas->Canvas(), TRect{0, 0, 2, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kGreen, kGreen}}));

    TPNGObject opaque;
    pngtest::ReadPng(opaque, RgbaPicture(255));
    opaque.PaintTo(canvas->Canvas(), TRect{0, 0, 2, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kRed, kBlue}}));
}

TEST(PngAlphaDrawing, HalfAlphaUsesTheIntegerBlend) {
    TPNGObject picture;
    // Black at alpha 128 over white: (0 + 127 x 255 + 255) div 256 = 127.
    pngtest::ReadPng(picture, pngtest::SimplePng(Ihdr(1, 1, 8, 6), {0, 0, 0, 0, 128}));
    auto canvas = MakeCanvas(1, 1, kWhite);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 1, 1});
    EXPECT_EQ(canvas->Canvas().Pixel(0, 0), MakeColor(127, 127, 127));
    // 200 at alpha 100 over 50: (200 x 100 + 155 x 50 + 255) div 256 = 109.
    pngtest::ReadPng(picture, pngtest::SimplePng(Ihdr(1, 1, 8, 6), {0, 200, 200, 200, 100}));
    auto grey = MakeCanvas(1, 1, MakeColor(50, 50, 50));
    picture.PaintTo(grey->Canvas(), TRect{0, 0, 1, 1});
    EXPECT_EQ(grey->Canvas().Pixel(0, 0), MakeColor(109, 109, 109));
}

TEST(PngAlphaDrawing, GreyAlphaBlendsRawSamplesNotGammaCorrectedTable) {
    TPNGObject picture;
    const Bytes bytes = pngtest::PngBuilder()
                            .Chunk("IHDR", Ihdr(1, 1, 8, 4))
                            .Chunk("gAMA", pngtest::U32(100000))
                            .Chunk("IDAT", pngtest::Zlib({0, 100, 255}))
                            .Chunk("IEND", {})
                            .Data();
    pngtest::ReadPng(picture, bytes);
    const TRgbQuad shown = picture.Header().BitmapInfo().colorTable[100];
    ASSERT_NE(shown.red, 100);  // drawn through the colour table it would change
    auto canvas = MakeCanvas(1, 1, kBlack);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 1, 1});
    EXPECT_EQ(canvas->Canvas().Pixel(0, 0), MakeColor(100, 100, 100));
}

TEST(PngAlphaDrawing, ScaledAndReversedRectangles) {
    TPNGObject picture;
    pngtest::ReadPng(picture, RgbaPicture(255));
    auto normal = MakeCanvas(4, 2, kBlack);
    picture.PaintTo(normal->Canvas(), TRect{0, 0, 4, 2});
    EXPECT_EQ(Pixels(*normal), (Rows{{kRed, kRed, kBlue, kBlue}, {kRed, kRed, kBlue, kBlue}}));
    auto reversed = MakeCanvas(4, 2, kBlack);
    picture.PaintTo(reversed->Canvas(), TRect{4, 2, 0, 0});
    EXPECT_EQ(Pixels(*reversed), Pixels(*normal));
    // Three columns from two: x div 1.5 truncated gives source columns 0, 0, 1.
    auto three = MakeCanvas(3, 1, kBlack);
    picture.PaintTo(three->Canvas(), TRect{0, 0, 3, 1});
    EXPECT_EQ(Pixels(*three), (Rows{{kRed, kRed, kBlue}}));
    // An empty rectangle draws nothing.
    picture.PaintTo(three->Canvas(), TRect{1, 0, 1, 1});
    EXPECT_EQ(Pixels(*three), (Rows{{kRed, kRed, kBlue}}));
}

TEST(PngAlphaDrawing, RectanglePartlyOutsideTheCanvasBlendsTheVisiblePart) {
    TPNGObject picture;
    // Red at alpha 128, then blue at alpha 255.
    pngtest::ReadPng(picture,
                     pngtest::SimplePng(Ihdr(2, 1, 8, 6), {0, 255, 0, 0, 128, 0, 0, 255, 255}));
    auto canvas = MakeCanvas(2, 1, kWhite);
    picture.PaintTo(canvas->Canvas(), TRect{1, 0, 3, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kWhite, MakeColor(255, 127, 127)}}));
    picture.PaintTo(canvas->Canvas(), TRect{-1, 0, 1, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kBlue, MakeColor(255, 127, 127)}}));
}

TEST(PngAlphaDrawing, TooLargeRectangleIsOutOfMemoryAndLeavesCanvas) {
    TPNGObject picture;
    pngtest::ReadPng(picture, RgbaPicture(128));
    auto canvas = MakeCanvas(1, 1, kGreen);
    try {
        picture.PaintTo(canvas->Canvas(), TRect{0, 0, 60000, 60000});
        ADD_FAILURE();
    } catch (const EPNGOutMemory& error) {
        EXPECT_EQ(error.Message(),
                  "Some operation could not be performed because the system is out of resources. "
                  "Close some windows "
                  "and try again.");
    }
    EXPECT_EQ(canvas->Canvas().Pixel(0, 0), kGreen);
}

TEST(PngPaletteDrawing, SeveralTranslucentEntriesBlendByAlpha) {
    TPNGObject picture;
    pngtest::ReadPng(picture, PalettePicture({255, 0, 128}));
    ASSERT_EQ(picture.TransparencyKind(), tkAlpha);
    auto canvas = MakeCanvas(3, 1, kWhite);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 3, 1});
    // Blue at 128 over white: 255 stays 255, 0 becomes (127 x 255 + 255) div 256 = 127.
    EXPECT_EQ(Pixels(*canvas), (Rows{{kRed, kWhite, MakeColor(127, 127, 255)}}));
}

TEST(PngPaletteDrawing, IndexBeyondPaletteFailsAndLeavesCanvas) {
    TPNGObject picture;
    pngtest::PngBuilder builder;
    builder.Chunk("IHDR", Ihdr(2, 1, 8, 3)).Chunk("PLTE", {255, 0, 0}).Chunk("tRNS", {100, 0});
    pngtest::ReadPng(picture,
                     builder.Chunk("IDAT", pngtest::Zlib({0, 0, 7})).Chunk("IEND", {}).Data());
    ASSERT_EQ(picture.TransparencyKind(), tkAlpha);
    auto canvas = MakeCanvas(2, 1, kGreen);
    try {
        picture.PaintTo(canvas->Canvas(), TRect{0, 0, 2, 1});
        ADD_FAILURE();
    } catch (const EPngError& error) {
        EXPECT_EQ(error.Message(), "There is no such palette entry.");
    }
    EXPECT_EQ(Pixels(*canvas), (Rows{{kGreen, kGreen}}));
}

TEST(PngColorKeyDrawing, SingleTransparentEntryDrawsByKey) {
    TPNGObject picture;
    pngtest::ReadPng(picture, PalettePicture({255, 0}));
    ASSERT_EQ(picture.TransparencyKind(), tkColorKey);
    auto canvas = MakeCanvas(6, 2, kBlack);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 6, 2});
    const std::vector<TColor> row{kRed, kRed, kBlack, kBlack, kBlue, kBlue};
    EXPECT_EQ(Pixels(*canvas), (Rows{row, row}));
}

TEST(PngColorKeyDrawing, WithoutZeroAlphaTheKeyIsBlack) {
    // One entry of 128 and no 0: single-transparent with the key black, so the translucent
    // red is drawn opaque and black pixels (index 1) let the background through.
    TPNGObject picture;
    pngtest::PngBuilder builder;
    builder.Chunk("IHDR", Ihdr(3, 1, 8, 3))
        .Chunk("PLTE", {255, 0, 0, 0, 0, 0, 0, 0, 255})
        .Chunk("tRNS", {128});
    pngtest::ReadPng(picture,
                     builder.Chunk("IDAT", pngtest::Zlib({0, 0, 1, 2})).Chunk("IEND", {}).Data());
    ASSERT_EQ(picture.TransparencyKind(), tkColorKey);
    EXPECT_EQ(picture.TransparentKeyColor(), kBlack);
    auto canvas = MakeCanvas(3, 1, kGreen);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 3, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kRed, kGreen, kBlue}}));
}

TEST(PngColorKeyDrawing, RgbKeyOverBackgroundKeepsOutsideUntouched) {
    TPNGObject picture;
    const Bytes bytes = pngtest::PngBuilder()
                            .Chunk("IHDR", Ihdr(2, 1, 8, 2))
                            .Chunk("tRNS", {0, 0, 0, 255, 0, 0})
                            .Chunk("IDAT", pngtest::Zlib({0, 0, 255, 0, 255, 0, 0}))
                            .Chunk("IEND", {})
                            .Data();
    pngtest::ReadPng(picture, bytes);
    ASSERT_EQ(picture.TransparencyKind(), tkColorKey);
    auto canvas = MakeCanvas(4, 1, kBlue);
    picture.PaintTo(canvas->Canvas(), TRect{1, 0, 3, 1});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kBlue, kBlue, kRed, kBlue}}));
    EXPECT_TRUE(picture.IsTransparent());
}
