#include <gtest/gtest.h>

#include <cstring>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/RasterLimits.h"

using Rows = std::vector<std::vector<TColor>>;

namespace {

// A 2 x 2 picture {red, green / blue, white} as a DIB of the given depth and row order.
struct TTestDib {
    TBitmapInfo info;
    std::vector<std::uint8_t> bits;

    TTestDib(std::uint16_t bitCount, bool topDown) {
        info.header = {
            TBitmapInfoHeader::kSize, 2, topDown ? -2 : 2, 1, bitCount, 0, 0, 0, 0, 0, 0};
        const std::uint32_t stride = *TBitmapInfo::RowStrideFor(bitCount, 2);
        bits.assign(stride * 2, 0);
        const TColor image[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
        if (bitCount <= 8) {
            info.colorTable[0] = {0, 0, 255, 0};
            info.colorTable[1] = {0, 255, 0, 0};
            info.colorTable[bitCount == 1 ? 0 : 2] = {255, 0, 0, 0};
            info.colorTable[bitCount == 1 ? 1 : 3] = {255, 255, 255, 0};
        }
        for (int y = 0; y < 2; ++y) {
            std::uint8_t* row =
                bits.data() + stride * static_cast<std::size_t>(topDown ? y : 1 - y);
            for (int x = 0; x < 2; ++x) Put(row, bitCount, x, y, image[y][x]);
        }
    }

    static void Put(std::uint8_t* row, std::uint16_t bitCount, int x, int y, TColor color) {
        switch (bitCount) {
            case 1:
                row[0] |= static_cast<std::uint8_t>((x == 1 ? 1 : 0) << (7 - x));
                break;  // 0 1 on every row
            case 4:
                row[0] |= static_cast<std::uint8_t>((y * 2 + x) << (x == 0 ? 4 : 0));
                break;
            case 8:
                row[x] = static_cast<std::uint8_t>(y * 2 + x);
                break;
            default: {
                std::uint8_t* p = row + x * (bitCount / 8);
                p[0] = ColorBlue(color);
                p[1] = ColorGreen(color);
                p[2] = ColorRed(color);
            }
        }
    }
};

}  // namespace

TEST(StretchDIBitsTest, EveryDepthAndRowOrderDrawsTheSamePicture) {
    for (std::uint16_t bits : {4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, top-down " << topDown);
            TTestDib dib(bits, topDown);
            auto dst = TTestSurface::Color(Rows(2, std::vector<TColor>(2, kBlack)));
            EXPECT_EQ(
                StretchDIBits(*dst.dc, 0, 0, 2, 2, 0, 0, 2, 2, dib.bits.data(), dib.info, SRCCOPY),
                2);
            EXPECT_EQ(dst.Colors(), (Rows{{kRed, kGreen}, {kBlue, kWhite}}));
        }
    }
    // One bit: a two-entry table (red, green) and the pattern 0 1 on both rows.
    TTestDib mono(1, false);
    auto dst = TTestSurface::Color(Rows(2, std::vector<TColor>(2, kBlack)));
    StretchDIBits(*dst.dc, 0, 0, 2, 2, 0, 0, 2, 2, mono.bits.data(), mono.info, SRCCOPY);
    EXPECT_EQ(dst.Colors()[0], (std::vector<TColor>{kBlue, kWhite}));
}

TEST(StretchDIBitsTest, SourceRowOfBottomUpBitmapCountsFromTheBottom) {
    TTestDib bottomUp(24, false);
    auto dst = TTestSurface::Color({{kBlack, kBlack}});
    // Source row 0 of a bottom-up bitmap is its bottom row: blue, white.
    StretchDIBits(*dst.dc, 0, 0, 2, 1, 0, 0, 2, 1, bottomUp.bits.data(), bottomUp.info, SRCCOPY);
    EXPECT_EQ(dst.Colors(), (Rows{{kBlue, kWhite}}));
    TTestDib topDown(24, true);
    StretchDIBits(*dst.dc, 0, 0, 2, 1, 0, 0, 2, 1, topDown.bits.data(), topDown.info, SRCCOPY);
    EXPECT_EQ(dst.Colors(), (Rows{{kRed, kGreen}}));
}

TEST(StretchDIBitsTest, StretchesWithRasterOperationAndRefusesUnsupportedMemory) {
    TTestDib dib(8, false);
    auto dst = TTestSurface::Color(Rows(4, std::vector<TColor>(4, MakeColor(0x0F, 0x0F, 0x0F))));
    EXPECT_EQ(StretchDIBits(*dst.dc, 0, 0, 4, 4, 0, 0, 2, 2, dib.bits.data(), dib.info, SRCPAINT),
              2);
    EXPECT_EQ(dst.canvas.Pixel(1, 1), MakeColor(255, 0x0F, 0x0F));
    EXPECT_EQ(dst.canvas.Pixel(2, 3), kWhite);
    TBitmapInfo compressed = dib.info;
    compressed.header.compression = 1;
    EXPECT_EQ(StretchDIBits(*dst.dc, 0, 0, 2, 2, 0, 0, 2, 2, dib.bits.data(), compressed, SRCCOPY),
              0);
    EXPECT_EQ(StretchDIBits(*dst.dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, dib.info, SRCCOPY), 0);
}

TEST(BitmapCreationTest, KindsSizesAndLimits) {
    auto mono = CreateBitmap(9, 3, 1, 1, nullptr);
    ASSERT_TRUE(mono);
    EXPECT_TRUE(mono->IsMonochrome());
    const TBitmapDescription d = GetObject(*mono);
    EXPECT_EQ(d.width, 9);
    EXPECT_EQ(d.height, 3);
    EXPECT_EQ(d.bitsPixel, 1);
    EXPECT_EQ(d.widthBytes, 4);
    EXPECT_EQ(d.planes, 1);

    auto screen = CreateCompatibleBitmap(nullptr, 5, 4);
    ASSERT_TRUE(screen);
    EXPECT_EQ(GetObject(*screen).bitsPixel, 32);
    EXPECT_EQ(screen->Kind(), TBitmapKind::Device);

    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 3, -7, 1, 24, 0, 0, 0, 0, 0, 0};
    auto section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS);
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->IsTopDown());
    const TBitmapDescription s = GetObject(*section);
    EXPECT_EQ(s.height, 7);
    EXPECT_EQ(s.widthBytes, 12);
    EXPECT_EQ(s.bits, section->Bits());

    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 0, 5));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 5, -1));
    EXPECT_FALSE(CreateBitmap(4, 4, 1, 8, nullptr));
    // One row beyond the memory limit is refused before anything is allocated.
    const int limitRows = static_cast<int>(raster::kMaxBitmapBytes / (4 * 1024));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 1024, limitRows + 1));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 100000, 100000));
    info.header.bitCount = 2;
    EXPECT_FALSE(CreateDIBSection(nullptr, info, DIB_RGB_COLORS));
}

TEST(BitmapCreationTest, DeviceBitmapFromDibHasItsColours) {
    TTestDib dib(4, false);
    auto bitmap = CreateDIBitmap(nullptr, dib.info.header, CBM_INIT, dib.bits.data(), &dib.info,
                                 DIB_RGB_COLORS);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Kind(), TBitmapKind::Device);
    TTestSurface surface(bitmap);
    EXPECT_EQ(surface.Colors(), (Rows{{kRed, kGreen}, {kBlue, kWhite}}));
}

TEST(GetDIBitsTest, ScreenBitmapToTwentyFourBitsBottomUp) {
    auto src = TTestSurface::Color({{kRed, kGreen}, {kBlue, kWhite}});
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 2, 2, 1, 24, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> bits(16, 0xAA);
    ASSERT_EQ(GetDIBits(*src.dc, *src.bitmap, 0, 2, bits.data(), info, DIB_RGB_COLORS), 2);
    // The bottom row first: blue, white; then red, green. Padding bytes are not touched.
    const std::vector<std::uint8_t> expected{255, 0, 0,   255, 255, 255, 0xAA, 0xAA,
                                             0,   0, 255, 0,   255, 0,   0xAA, 0xAA};
    EXPECT_EQ(bits, expected);

    // One row from scan 1 of a bottom-up target is the top row.
    std::vector<std::uint8_t> one(8, 0);
    ASSERT_EQ(GetDIBits(*src.dc, *src.bitmap, 1, 5, one.data(), info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(one[2], 255);
    EXPECT_EQ(one[4], 255);
}

TEST(GetDIBitsTest, IndexedBitmapKeepsIndexesAndTableEvenWithRepeatedColours) {
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 3, 1, 1, 8, 0, 0, 0, 0, 256, 0};
    info.colorTable[0] = {0, 0, 0, 0};
    info.colorTable[1] = {9, 8, 7, 0};
    info.colorTable[5] = {9, 8, 7, 0};  // the same colour again
    auto section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS);
    section->Bits()[0] = 5;
    section->Bits()[1] = 1;
    section->Bits()[2] = 200;
    auto dc = CreateCompatibleDC(nullptr);
    TBitmapInfo out;
    out.header = {TBitmapInfoHeader::kSize, 3, 1, 1, 8, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> bits(4, 0);
    ASSERT_EQ(GetDIBits(*dc, *section, 0, 1, bits.data(), out, DIB_RGB_COLORS), 1);
    EXPECT_EQ(bits[0], 5);
    EXPECT_EQ(bits[1], 1);
    EXPECT_EQ(bits[2], 200);
    EXPECT_EQ(out.colorTable[5], (TRgbQuad{9, 8, 7, 0}));
}

TEST(GetDIBitsTest, ConversionsToFewerBits) {
    auto src =
        TTestSurface::Color({{kBlack, kWhite, MakeColor(40, 40, 40), MakeColor(250, 250, 250)}});
    auto dc = CreateCompatibleDC(nullptr);
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> bits(4, 0);
    ASSERT_EQ(GetDIBits(*dc, *src.bitmap, 0, 1, bits.data(), info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(info.colorTable[0], (TRgbQuad{0, 0, 0, 0}));
    EXPECT_EQ(info.colorTable[1], (TRgbQuad{255, 255, 255, 0}));
    EXPECT_EQ(bits[0], 0x50);  // 0 1 0 1: nearest of black and white

    // A monochrome bitmap reads as black and white whatever the context's colours.
    auto mono = TTestSurface::Mono({{1, 0, 1}});
    mono.dc->SetTextColor(kRed);
    mono.dc->SetBkColor(kBlue);
    TBitmapInfo wide;
    wide.header = {TBitmapInfoHeader::kSize, 3, -1, 1, 32, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> words(3, 7);
    ASSERT_EQ(GetDIBits(*mono.dc, *mono.bitmap, 0, 1, words.data(), wide, DIB_RGB_COLORS), 1);
    EXPECT_EQ(words, (std::vector<std::uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));

    // Without bits and depth only the description is filled.
    TBitmapInfo query;
    EXPECT_EQ(GetDIBits(*dc, *src.bitmap, 0, 1, nullptr, query, DIB_RGB_COLORS), 1);
    EXPECT_EQ(query.header.width, 4);
    EXPECT_EQ(query.header.bitCount, 32);
    // A width other than the bitmap's is refused.
    info.header.width = 5;
    EXPECT_EQ(GetDIBits(*dc, *src.bitmap, 0, 1, bits.data(), info, DIB_RGB_COLORS), 0);
}
