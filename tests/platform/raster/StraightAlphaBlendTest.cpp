// The PNG alpha blend of the raster layer: the same rule on every path (wide groups and the
// pixels left over), the fourth byte kept, and indexes without colour refused up front.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/StraightAlphaBlend.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

std::uint8_t Mix(unsigned c, unsigned a, unsigned d) {
    return static_cast<std::uint8_t>((c * a + (255 - a) * d + 255) >> 8);
}

std::vector<std::uint32_t> Identity(std::uint32_t count) {
    std::vector<std::uint32_t> map(count);
    for (std::uint32_t i = 0; i < count; ++i) map[i] = i;
    return map;
}

TEST(StraightAlphaBlendTest, RgbRowsOfEveryWidthKeepTheFourthByte) {
    for (const std::uint32_t width : {1u, 8u, 9u, 10u, 17u, 31u, 64u, 67u}) {
        TBitmapInfoHeader header{
            TBitmapInfoHeader::kSize, static_cast<std::int32_t>(width), 1, 1, 24, 0, 0, 0, 0, 0, 0};
        TDibSection pixels(header);
        std::vector<std::uint8_t> alpha(width);
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint8_t* p = pixels.RowAddress(0) + 3 * x;
            p[0] = static_cast<std::uint8_t>(x * 7), p[1] = static_cast<std::uint8_t>(x * 13),
            p[2] = 200;
            // Runs of clear, opaque and partial alpha, so that whole groups take each shortcut.
            alpha[x] = x < 16 ? 255 : x < 32 ? 0 : static_cast<std::uint8_t>(x * 37);
        }
        auto canvas = TTestSurface::Words(Words{std::vector<std::uint32_t>(width, 0xA5406080)});
        TStraightAlphaPicture picture;
        picture.pixels = &pixels;
        picture.alpha = alpha.data();
        ASSERT_TRUE(BlendStraightAlpha(*canvas.dc, 0, 0, picture, Identity(width), {0}));
        const auto drawn = canvas.WordRows()[0];
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = pixels.RowAddress(0) + 3 * x;
            const std::uint32_t expected =
                0xA5000000u | (std::uint32_t{Mix(p[2], alpha[x], 0x40)} << 16) |
                (std::uint32_t{Mix(p[1], alpha[x], 0x60)} << 8) | Mix(p[0], alpha[x], 0x80);
            EXPECT_EQ(drawn[x], expected) << "width " << width << ", pixel " << x;
        }
    }
}

TEST(StraightAlphaBlendTest, IndexWithoutColourChangesNothing) {
    TBitmapInfoHeader header{TBitmapInfoHeader::kSize, 4, 1, 1, 4, 0, 0, 0, 0, 0, 0};
    TDibSection pixels(header);
    pixels.RowAddress(0)[0] = 0x01, pixels.RowAddress(0)[1] = 0x20;  // indexes 0, 1, 2, 0
    const TRgbQuad colors[3] = {{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 0}};
    const std::uint8_t alpha[3] = {255, 0, 255};
    TStraightAlphaPicture picture;
    picture.kind = TStraightAlphaPicture::TKind::Indexed;
    picture.pixels = &pixels;
    picture.indexBits = 4;
    picture.indexColors = colors;
    picture.indexAlpha = alpha;
    picture.indexCount = 2;  // index 2 has no colour
    auto canvas = TTestSurface::Words(Words{{1, 2, 3, 4}});
    EXPECT_FALSE(BlendStraightAlpha(*canvas.dc, 0, 0, picture, Identity(4), {0}));
    EXPECT_EQ(canvas.WordRows(), (Words{{1, 2, 3, 4}}));

    picture.indexCount = 3;
    ASSERT_TRUE(BlendStraightAlpha(*canvas.dc, 0, 0, picture, Identity(4), {0}));
    EXPECT_EQ(canvas.WordRows(), (Words{{0x001E140A, 2, 0x005A5046, 0x001E140A}}));
}

}  // namespace
