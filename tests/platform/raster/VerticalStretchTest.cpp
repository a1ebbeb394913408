// Blits whose columns map one to one but whose rows are stretched must not take
// the row-for-row copy paths.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"

namespace {

TEST(VerticalStretch, EqualWidthsStillStretchTheRows) {
    TTestSurface source =
        TTestSurface::Color({{0x000001, 0x000002}, {0x000003, 0x000004}, {0xFF00FF, 0xFF00FF}});
    TTestSurface target(CreateCompatibleBitmap(nullptr, 2, 4));
    ASSERT_TRUE(StretchBlt(*target.dc, 0, 0, 2, 4, *source.dc, 0, 0, 2, 2, SRCCOPY));
    const TColor expected[4] = {0x000001, 0x000001, 0x000003, 0x000003};
    for (int y = 0; y < 4; ++y) EXPECT_EQ(target.canvas.Pixel(0, y), expected[y]) << y;
}

}  // namespace
