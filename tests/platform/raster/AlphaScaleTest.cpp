// Fading premultiplied pictures to a share of their opacity.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/AlphaScale.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

TEST(AlphaScaleTest, EveryByteTakesTheShareAndThePercentIsHeldWithinItsRange) {
    const Words start{{0xC8C86432, 0xFFFF0001, 0x01020304}};
    auto half = TTestSurface::Words(start);
    ScaleAlphaRect(*half.bitmap, TRect{0, 0, 3, 1}, 50);
    EXPECT_EQ(half.WordRows(), (Words{{0x64643219, 0x7F7F0000, 0x00010102}}));

    // Just inside and beyond both ends of 0..100.
    const std::pair<int, Words> cases[] = {{101, start},
                                           {100, start},
                                           {99, {{0xC6C66331, 0xFCFC0000, 0x00010203}}},
                                           {1, {{0x02020100, 0x02020000, 0x00000000}}},
                                           {0, {{0, 0, 0}}},
                                           {-1, {{0, 0, 0}}}};
    for (const auto& [percent, expected] : cases) {
        auto surface = TTestSurface::Words(start);
        ScaleAlphaRect(*surface.bitmap, TRect{0, 0, 3, 1}, percent);
        EXPECT_EQ(surface.WordRows(), expected) << percent;
    }

    // Only the area, cut to the bitmap, changes.
    auto part = TTestSurface::Words(start);
    ScaleAlphaRect(*part.bitmap, TRect{2, -4, 9, 9}, 0);
    EXPECT_EQ(part.WordRows(), (Words{{0xC8C86432, 0xFFFF0001, 0}}));
}

}  // namespace
