// Triangle gradients: 16-bit interpolation at pixel centres, stored as the high byte, and the
// top-left rule that gives every pixel of a shared edge to exactly one triangle.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/GradientFill.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

Words Blank(int width, int height) {
    return Words(static_cast<std::size_t>(height), std::vector<std::uint32_t>(static_cast<std::size_t>(width), 0));
}

TEST(GradientFillTest, InterpolatesTheVertexColoursAtPixelCentres) {
    auto surface = TTestSurface::Words(Blank(4, 4));
    const TTriVertex vertices[] = {{0, 0, 0xFF00, 0, 0, 0xFF00}, {4, 0, 0, 0xFF00, 0, 0xFF00}, {0, 4, 0, 0, 0xFF00, 0xFF00}};
    const TGradientTriangle triangle{0, 1, 2};
    ASSERT_TRUE(GradientFill(*surface.dc, vertices, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE));
    const Words drawn = surface.WordRows();
    // Pixel (0, 0), centre (0.5, 0.5): weights 48, 8, 8 of 64; red 48 * 0xFF00 / 64 = 0xBF40.
    EXPECT_EQ(drawn[0][0], 0xFFBF1F1Fu);
    // Pixel (1, 0): weights 32, 24, 8.
    EXPECT_EQ(drawn[0][1], 0xFF7F5F1Fu);
    // Centres on the long edge (x + y = 3) belong to the triangle beyond it: not drawn.
    int painted = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(drawn[y][x] != 0, x + y <= 2) << x << "," << y;
            painted += drawn[y][x] != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(painted, 6);
}

TEST(GradientFillTest, TrianglesSharingAnEdgePaintEachPixelOnce) {
    auto surface = TTestSurface::Words(Blank(4, 4));
    const std::uint16_t f = 0xFF00;
    // Corners of the square; the upper-right triangle is red, the lower-left blue, and the
    // same corners listed in either turning order.
    const TTriVertex red[] = {{0, 0, f, 0, 0, f}, {4, 0, f, 0, 0, f}, {4, 4, f, 0, 0, f}};
    const TTriVertex blue[] = {{0, 0, 0, 0, f, f}, {0, 4, 0, 0, f, f}, {4, 4, 0, 0, f, f}};
    const TGradientTriangle one{0, 1, 2};
    ASSERT_TRUE(GradientFill(*surface.dc, red, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    ASSERT_TRUE(GradientFill(*surface.dc, blue, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    const Words drawn = surface.WordRows();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            // The diagonal's centres lie on the shared edge: the left edge of the red triangle.
            EXPECT_EQ(drawn[y][x], x >= y ? 0xFFFF0000u : 0xFF0000FFu) << x << "," << y;
        }
    }
}

TEST(GradientFillTest, ClipsToTheBitmapAndRefusesBadInput) {
    auto surface = TTestSurface::Words(Blank(2, 2));
    const std::uint16_t f = 0xFF00;
    const TTriVertex big[] = {{-10, -10, f, f, f, f}, {30, -10, f, f, f, f}, {-10, 30, f, f, f, f}};
    const TGradientTriangle one{0, 1, 2};
    ASSERT_TRUE(GradientFill(*surface.dc, big, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(surface.WordRows(), (Words{{0xFFFFFFFF, 0xFFFFFFFF}, {0xFFFFFFFF, 0xFFFFFFFF}}));

    auto blank = TTestSurface::Words(Blank(2, 2));
    const TTriVertex atLimit[] = {{0, 0, f, 0, 0, 0}, {kMaxGradientCoordinate, 0, f, 0, 0, 0}, {0, 2, f, 0, 0, 0}};
    EXPECT_TRUE(GradientFill(*blank.dc, atLimit, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    const TTriVertex beyond[] = {{0, 0, 0, 0, 0, 0}, {kMaxGradientCoordinate + 1, 0, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0}};
    EXPECT_FALSE(GradientFill(*blank.dc, beyond, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    const TGradientTriangle outOfRange{0, 1, 3};
    EXPECT_FALSE(GradientFill(*blank.dc, atLimit, 3, &outOfRange, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_FALSE(GradientFill(*blank.dc, atLimit, 3, &one, 1, 0)) << "rectangle modes are not offered";
    auto mono = TTestSurface::Mono({{0}});
    EXPECT_FALSE(GradientFill(*mono.dc, atLimit, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    // Degenerate triangles draw nothing.
    auto flat = TTestSurface::Words(Blank(2, 2));
    const TTriVertex line[] = {{0, 0, f, f, f, f}, {1, 1, f, f, f, f}, {2, 2, f, f, f, f}};
    EXPECT_TRUE(GradientFill(*flat.dc, line, 3, &one, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(flat.WordRows(), Blank(2, 2));
}

}  // namespace
