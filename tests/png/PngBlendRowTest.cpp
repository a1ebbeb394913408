// Unscaled RGBA drawing blends whole groups of pixels at a time where the processor allows and
// the rest one by one: every width, including the ones that leave a remainder, must give the
// per-pixel blend rule exactly.
#include <gtest/gtest.h>

#include <array>

#include "DrawingTestSupport.h"
#include "png/TPNGObject.h"

namespace {

using pngtest::Bytes;

std::uint8_t Noise(std::uint32_t& state) {
    state = state * 1103515245u + 12345u;
    return static_cast<std::uint8_t>(state >> 16);
}

// Row 0 is opaque and row 1 clear throughout; on the others alpha 0 and 255 appear as often
// as the values between.
std::uint8_t AlphaNoise(std::uint32_t& state, std::uint32_t y) {
    const std::uint8_t v = Noise(state);
    if (y < 2) return y == 0 ? 255 : 0;
    return v % 4 == 0 ? 0 : v % 4 == 1 ? 255 : v;
}

std::uint8_t Mix(unsigned c, unsigned a, unsigned d) {
    return static_cast<std::uint8_t>((c * a + (255 - a) * d + 255) >> 8);
}

TEST(PngBlendRowTest, EveryWidthBlendsLikeThePerPixelRule) {
    for (const std::uint32_t width : {1u, 7u, 8u, 9u, 10u, 11u, 17u, 18u, 19u, 33u, 64u, 67u}) {
        constexpr std::uint32_t kHeight = 4;
        std::uint32_t state = width;
        Bytes rgba;
        std::vector<std::array<std::uint8_t, 4>> source;
        for (std::uint32_t y = 0; y < kHeight; ++y) {
            rgba.push_back(0);
            for (std::uint32_t x = 0; x < width; ++x) {
                const std::array<std::uint8_t, 4> p{Noise(state), Noise(state), Noise(state),
                                                    AlphaNoise(state, y)};
                source.push_back(p);
                rgba.insert(rgba.end(), p.begin(), p.end());
            }
        }
        TPNGObject picture;
        pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(width, kHeight, 8, 6), rgba));

        const int canvasWidth = static_cast<int>(width) + 3;
        auto canvas = drawtest::MakeCanvas(canvasWidth, kHeight + 2, drawtest::kBlack);
        for (int y = 0; y < static_cast<int>(kHeight) + 2; ++y) {
            for (int x = 0; x < canvasWidth; ++x)
                canvas->Canvas().SetPixel(x, y,
                                          MakeColor(Noise(state), Noise(state), Noise(state)));
        }
        const auto before = drawtest::Pixels(*canvas);
        picture.PaintTo(canvas->Canvas(),
                        TRect{1, 1, 1 + static_cast<int>(width), 1 + static_cast<int>(kHeight)});
        const auto after = drawtest::Pixels(*canvas);

        for (int y = 0; y < static_cast<int>(kHeight) + 2; ++y) {
            for (int x = 0; x < canvasWidth; ++x) {
                TColor expected = before[y][x];
                if (y >= 1 && y <= static_cast<int>(kHeight) && x >= 1 &&
                    x <= static_cast<int>(width)) {
                    const auto& p = source[static_cast<std::size_t>(y - 1) * width +
                                           static_cast<std::size_t>(x - 1)];
                    const TColor d = before[y][x];
                    expected =
                        MakeColor(Mix(p[0], p[3], ColorRed(d)), Mix(p[1], p[3], ColorGreen(d)),
                                  Mix(p[2], p[3], ColorBlue(d)));
                }
                ASSERT_EQ(after[y][x], expected) << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
