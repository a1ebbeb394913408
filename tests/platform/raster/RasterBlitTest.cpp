#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"

using Rows = std::vector<std::vector<TColor>>;
using BitRows = std::vector<std::vector<int>>;

TEST(DeviceContextTest, StartsWithOwnMonochromeBitmapAndDefaultColours) {
    auto dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(dc->Bitmap().IsMonochrome());
    EXPECT_EQ(dc->Bitmap().Width(), 1u);
    EXPECT_EQ(dc->TextColor(), kBlack);
    EXPECT_EQ(dc->BkColor(), kWhite);

    auto bitmap = CreateCompatibleBitmap(dc.get(), 3, 2);
    auto stock = dc->SelectObject(bitmap);
    ASSERT_TRUE(stock);
    EXPECT_TRUE(stock->IsMonochrome());
    EXPECT_EQ(dc->SelectObject(stock), bitmap);
    EXPECT_EQ(dc->SelectObject(nullptr), nullptr);
    EXPECT_EQ(dc->SelectedBitmap(), stock);

    EXPECT_EQ(dc->SetBkColor(kRed), kWhite);
    EXPECT_EQ(dc->SetStretchBltMode(COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(dc->SetStretchBltMode(9), 0);
    EXPECT_EQ(dc->StretchBltMode(), COLORONCOLOR);
}

TEST(ColorMonochromeConversionTest, ColourToMonoMarksSourceBackgroundWhite) {
    auto src = TTestSurface::Color({{kRed, kGreen, kBlue}, {kGreen, kGreen, kBlack}});
    auto dst = TTestSurface::Mono({{0, 1, 0}, {1, 0, 1}});
    src.dc->SetBkColor(kGreen);
    // The destination's colours play no part in this direction.
    dst.dc->SetBkColor(kRed);
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 3, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Bits(), (BitRows{{0, 1, 0}, {1, 1, 0}}));
}

TEST(ColorMonochromeConversionTest, MonoToColourUsesDestinationTextAndBackground) {
    auto src = TTestSurface::Mono({{0, 1}, {1, 0}});
    auto dst = TTestSurface::Color({{kBlack, kBlack}, {kBlack, kBlack}});
    src.dc->SetBkColor(kRed);  // the source's colours play no part
    dst.dc->SetTextColor(kBlue);
    dst.dc->SetBkColor(kGreen);
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Colors(), (Rows{{kBlue, kGreen}, {kGreen, kBlue}}));

    // A source window that starts inside a byte of the monochrome row.
    auto wide = TTestSurface::Mono({{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0}});
    const TColor grey = MakeColor(0xF0, 0xF0, 0xF0);
    auto strip = TTestSurface::Color({{grey, grey, grey}});
    strip.dc->SetBkColor(MakeColor(0x3C, 0xFF, 0x0F));
    ASSERT_TRUE(BitBlt(*strip.dc, 0, 0, 3, 1, *wide.dc, 9, 0, SRCAND));
    const TColor anded = MakeColor(0x30, 0xF0, 0x00);
    EXPECT_EQ(strip.Colors(), (Rows{{anded, anded, kBlack}}));

    // With the default colours 0 is black and 1 white.
    auto plain = TTestSurface::Color({{kRed, kRed}, {kRed, kRed}});
    ASSERT_TRUE(BitBlt(*plain.dc, 0, 0, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(plain.Colors(), (Rows{{kBlack, kWhite}, {kWhite, kBlack}}));
}

TEST(RasterOperationTest, CombinesColourBitsAndMonoBits) {
    const TColor a = MakeColor(0xF0, 0x0F, 0x55);
    const TColor b = MakeColor(0x3C, 0xFF, 0x00);
    auto src = TTestSurface::Color({{a}});
    auto run = [&](TRasterOp rop) {
        auto dst = TTestSurface::Color({{b}});
        EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 1, 1, *src.dc, 0, 0, rop));
        return dst.canvas.Pixel(0, 0);
    };
    EXPECT_EQ(run(SRCCOPY), a);
    EXPECT_EQ(run(SRCAND), MakeColor(0x30, 0x0F, 0x00));
    EXPECT_EQ(run(SRCPAINT), MakeColor(0xFC, 0xFF, 0x55));
    EXPECT_EQ(run(NOTSRCCOPY), MakeColor(0x0F, 0xF0, 0xAA));
    EXPECT_EQ(run(SRCINVERT), MakeColor(0xCC, 0xF0, 0x55));
    auto dst = TTestSurface::Color({{b}});
    EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 1, 1, *src.dc, 0, 0, 0x00AA0029));
    EXPECT_EQ(dst.canvas.Pixel(0, 0), b);

    auto monoSrc = TTestSurface::Mono({{0, 0, 1, 1}});
    auto monoRun = [&](TRasterOp rop) {
        auto monoDst = TTestSurface::Mono({{0, 1, 0, 1}});
        EXPECT_TRUE(BitBlt(*monoDst.dc, 0, 0, 4, 1, *monoSrc.dc, 0, 0, rop));
        return monoDst.Bits()[0];
    };
    EXPECT_EQ(monoRun(SRCAND), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(monoRun(SRCPAINT), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(monoRun(NOTSRCCOPY), (std::vector<int>{1, 1, 0, 0}));

    // Spans that end or start inside a byte leave the neighbouring bits alone.
    auto ones = TTestSurface::Mono({{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}});
    auto zeros = TTestSurface::Mono({{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    ASSERT_TRUE(BitBlt(*ones.dc, 0, 0, 3, 1, *zeros.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(*ones.dc, 8, 0, 2, 1, *zeros.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(*ones.dc, 5, 0, 2, 1, *zeros.dc, 3, 0, SRCCOPY));
    EXPECT_EQ(ones.Bits()[0], (std::vector<int>{0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 1, 1}));
}

TEST(StretchTest, DoublingMakesTwoByTwoBlocksAndHalvingTakesCentres) {
    auto src = TTestSurface::Color({{kRed, kGreen}, {kBlue, kWhite}});
    auto big = TTestSurface::Color(Rows(4, std::vector<TColor>(4, kBlack)));
    big.dc->SetStretchBltMode(COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(*big.dc, 0, 0, 4, 4, *src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(big.Colors(), (Rows{{kRed, kRed, kGreen, kGreen},
                                  {kRed, kRed, kGreen, kGreen},
                                  {kBlue, kBlue, kWhite, kWhite},
                                  {kBlue, kBlue, kWhite, kWhite}}));

    auto wide = TTestSurface::Color({{kRed, kGreen, kBlue, kWhite}});
    auto half = TTestSurface::Color({{kBlack, kBlack}});
    ASSERT_TRUE(StretchBlt(*half.dc, 0, 0, 2, 1, *wide.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(half.Colors(), (Rows{{kGreen, kWhite}}));

    // Three source pixels over five: each destination centre picks the pixel beneath it.
    auto three = TTestSurface::Color({{kRed, kGreen, kBlue}});
    auto five = TTestSurface::Color({{kBlack, kBlack, kBlack, kBlack, kBlack}});
    ASSERT_TRUE(StretchBlt(*five.dc, 0, 0, 5, 1, *three.dc, 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(five.Colors(), (Rows{{kRed, kRed, kGreen, kBlue, kBlue}}));
}

TEST(StretchTest, NegativeSizesMirror) {
    auto src = TTestSurface::Color({{kRed, kGreen, kBlue}});
    auto dst = TTestSurface::Color({{kBlack, kBlack, kBlack}});
    ASSERT_TRUE(StretchBlt(*dst.dc, 3, 0, -3, 1, *src.dc, 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(dst.Colors(), (Rows{{kBlue, kGreen, kRed}}));
    // Mirrored on both sides cancels out.
    ASSERT_TRUE(StretchBlt(*dst.dc, 3, 0, -3, 1, *src.dc, 3, 0, -3, 1, SRCCOPY));
    EXPECT_EQ(dst.Colors(), (Rows{{kRed, kGreen, kBlue}}));
}

TEST(StretchTest, MonoMaskOfStretchedColourPicture) {
    // The first step of colour-key drawing: a key-coloured pixel becomes a white 2x2 block.
    auto src = TTestSurface::Color({{kRed, kGreen}});
    auto mask = TTestSurface(CreateBitmap(4, 2, 1, 1, nullptr));
    src.dc->SetBkColor(kGreen);
    ASSERT_TRUE(StretchBlt(*mask.dc, 0, 0, 4, 2, *src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(mask.Bits(), (BitRows{{0, 0, 1, 1}, {0, 0, 1, 1}}));
}

TEST(ClippingTest, PixelsOutsideEitherBitmapAreLeftAlone) {
    auto src = TTestSurface::Color({{kRed, kGreen}, {kBlue, kWhite}});
    auto dst = TTestSurface::Color({{kBlack, kBlack, kBlack}, {kBlack, kBlack, kBlack}});
    ASSERT_TRUE(BitBlt(*dst.dc, 2, 1, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Colors(), (Rows{{kBlack, kBlack, kBlack}, {kBlack, kBlack, kRed}}));
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 3, 2, *src.dc, 1, 1, SRCCOPY));
    EXPECT_EQ(dst.Colors(), (Rows{{kWhite, kBlack, kBlack}, {kBlack, kBlack, kRed}}));
    ASSERT_TRUE(BitBlt(*dst.dc, -5, -5, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.canvas.Pixel(0, 0), kWhite);
}

TEST(ClippingTest, OverlappingBlitWithinOneBitmapReadsTheOriginal) {
    auto s = TTestSurface::Color({{kRed, kGreen, kBlue, kWhite}});
    ASSERT_TRUE(BitBlt(*s.dc, 1, 0, 3, 1, *s.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(s.Colors(), (Rows{{kRed, kRed, kGreen, kBlue}}));
}

TEST(IndexedDestinationTest, ColoursBecomeNearestTableEntries) {
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 3, 1, 1, 4, 0, 0, 0, 0, 3, 0};
    info.colorTable[0] = {0, 0, 0, 0};
    info.colorTable[1] = {0, 0, 200, 0};      // dark red
    info.colorTable[2] = {250, 250, 250, 0};  // near white
    auto section = TTestSurface(CreateDIBSection(nullptr, info, DIB_RGB_COLORS));
    auto src = TTestSurface::Color({{kRed, kWhite, MakeColor(10, 10, 10)}});
    ASSERT_TRUE(BitBlt(*section.dc, 0, 0, 3, 1, *src.dc, 0, 0, SRCCOPY));
    // Pixels 0, 1, 2 hold indexes 1, 2, 0: the high nibble of byte 0 is pixel 0.
    EXPECT_EQ(section.bitmap->Bits()[0], 0x12);
    EXPECT_EQ(section.bitmap->Bits()[1], 0x00);
    EXPECT_EQ(section.canvas.Pixel(0, 0), MakeColor(200, 0, 0));
}
