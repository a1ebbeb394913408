// Fills written straight into rows, byte for byte, clipping included. Words are written
// 0xAARRGGBB (blue in the low byte, the fourth byte high).
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/RowFill.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

Words Filled(int width, int height, std::uint32_t word) {
    return Words(static_cast<std::size_t>(height),
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width), word));
}

TEST(RowFillTest, FillWordsWritesTheWholeWordInsideTheClippedRectangle) {
    auto surface = TTestSurface::Words(Filled(4, 3, 0x11111111));
    ASSERT_TRUE(FillWords(*surface.bitmap, TRect{3, 2, -1, 1}, 0x00ABCDEF));
    EXPECT_EQ(surface.WordRows(), (Words{{0x11111111, 0x11111111, 0x11111111, 0x11111111},
                                         {0x00ABCDEF, 0x00ABCDEF, 0x00ABCDEF, 0x11111111},
                                         {0x11111111, 0x11111111, 0x11111111, 0x11111111}}))
        << "reversed rectangle normalised, left edge clipped";
    ASSERT_TRUE(FillWords(*surface.bitmap, TRect{5, 0, 9, 3}, 0));
    ASSERT_TRUE(FillWords(*surface.bitmap, TRect{0, 0, 4, 0}, 0));
    EXPECT_EQ(surface.WordRows()[0][0], 0x11111111u) << "outside or empty: nothing";

    // Rows of 1 to 9 pixels: the doubling copy ends exactly at the row's end.
    for (int width = 1; width <= 9; ++width) {
        auto row = TTestSurface::Words(Filled(width + 1, 1, 7));
        ASSERT_TRUE(FillWords(*row.bitmap, TRect{0, 0, width, 1}, 0xFF000001));
        Words expected = Filled(width + 1, 1, 0xFF000001);
        expected[0][static_cast<std::size_t>(width)] = 7;
        EXPECT_EQ(row.WordRows(), expected) << width;
    }
}

TEST(RowFillTest, BrushFillsOfColourBitmapsClearTheFourthByte) {
    auto surface = TTestSurface::Words(Filled(3, 2, 0xFFFFFFFF));
    surface.canvas.SetBrushColor(MakeColor(1, 2, 3));
    surface.canvas.FillRect(TRect{0, 0, 2, 2});
    EXPECT_EQ(surface.WordRows(),
              (Words{{0x00010203, 0x00010203, 0xFFFFFFFF}, {0x00010203, 0x00010203, 0xFFFFFFFF}}));
}

TEST(RowFillTest, RowAndColumnWordsKeepTheirPlaceWhenTheRectangleIsClipped) {
    const std::uint32_t words[4] = {0xA0, 0xA1, 0xA2, 0xA3};
    auto rows = TTestSurface::Words(Filled(2, 3, 0));
    ASSERT_TRUE(FillRowWords(*rows.bitmap, TRect{-1, -2, 1, 2}, words));
    EXPECT_EQ(rows.WordRows(), (Words{{0xA2, 0}, {0xA3, 0}, {0, 0}}));

    auto columns = TTestSurface::Words(Filled(3, 2, 0));
    ASSERT_TRUE(FillColumnWords(*columns.bitmap, TRect{-1, 1, 3, 5}, words));
    EXPECT_EQ(columns.WordRows(), (Words{{0, 0, 0}, {0xA1, 0xA2, 0xA3}}));
}

TEST(RowFillTest, OtherBitmapKindsAreLeftToTheGeneralPath) {
    const std::uint32_t words[2] = {1, 2};
    auto mono = TTestSurface::Mono({{1, 0}});
    EXPECT_FALSE(FillWords(*mono.bitmap, TRect{0, 0, 2, 1}, 0));
    EXPECT_FALSE(FillRowWords(*mono.bitmap, TRect{0, 0, 2, 1}, words));
    EXPECT_FALSE(FillColumnWords(*mono.bitmap, TRect{0, 0, 2, 1}, words));
    EXPECT_EQ(mono.Bits(), (std::vector<std::vector<int>>{{1, 0}}));
    TBitmapInfo info;
    info.header = TBitmapInfoHeader{};
    info.header.size = TBitmapInfoHeader::kSize;
    info.header.width = 2;
    info.header.height = 1;
    info.header.planes = 1;
    info.header.bitCount = 24;
    TTestSurface rgb(CreateDIBSection(nullptr, info, 0));
    EXPECT_FALSE(FillWords(*rgb.bitmap, TRect{0, 0, 2, 1}, 0));
}

}  // namespace
