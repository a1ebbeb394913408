// The unscaled blits handle whole groups of pixels at a time and the rest one by one. Every
// width and start column, including the ones that leave a remainder or start inside a
// monochrome byte, must give what the conversion and raster operation rules say per pixel.
#include <gtest/gtest.h>

#include <array>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"

namespace {

constexpr std::array<TRasterOp, 5> kRops = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, NOTSRCCOPY};
constexpr std::array<int, 12> kWidths = {1, 3, 7, 8, 9, 15, 16, 17, 31, 32, 33, 70};

struct TNoise {
    std::uint32_t state;
    std::uint32_t Next() {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    }
    // Few distinct colours, so that comparisons with a background colour hit often.
    TColor Color() {
        const std::uint32_t v = Next();
        return v % 3 == 0
                   ? MakeColor(10, 20, 30)
                   : MakeColor(static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), 7);
    }
};

std::uint32_t Word(TColor c) {
    return (std::uint32_t{ColorRed(c)} << 16) | (std::uint32_t{ColorGreen(c)} << 8) | ColorBlue(c);
}
TColor FromWord(std::uint32_t w) {
    return MakeColor(static_cast<std::uint8_t>(w >> 16), static_cast<std::uint8_t>(w >> 8),
                     static_cast<std::uint8_t>(w));
}
std::uint32_t Apply(TRasterOp rop, std::uint32_t s, std::uint32_t d, std::uint32_t mask) {
    switch (rop) {
        case SRCAND:
            return s & d;
        case SRCPAINT:
            return s | d;
        case SRCINVERT:
            return s ^ d;
        case NOTSRCCOPY:
            return ~s & mask;
        default:
            return s;
    }
}

std::vector<std::vector<TColor>> ColorRows(TNoise& noise, int width, int height) {
    std::vector<std::vector<TColor>> rows(static_cast<std::size_t>(height),
                                          std::vector<TColor>(static_cast<std::size_t>(width)));
    for (auto& row : rows) {
        for (auto& c : row) c = noise.Color();
    }
    return rows;
}

std::vector<std::vector<int>> BitRows(TNoise& noise, int width, int height) {
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(height),
                                       std::vector<int>(static_cast<std::size_t>(width)));
    for (auto& row : rows) {
        for (auto& b : row) b = static_cast<int>(noise.Next() & 1);
    }
    return rows;
}

TEST(BlitWidthTest, ColourToMonoAtEveryWidthAndStart) {
    for (const TRasterOp rop : kRops) {
        for (const int width : kWidths) {
            for (const int dstX : {0, 8, 3}) {
                TNoise noise{static_cast<std::uint32_t>(width * 31 + dstX)};
                auto src = TTestSurface::Color(ColorRows(noise, width + 5, 2));
                auto dst = TTestSurface::Mono(BitRows(noise, width + 12, 2));
                const auto srcColors = src.Colors();
                const auto before = dst.Bits();
                src.dc->SetBkColor(MakeColor(10, 20, 30));
                ASSERT_TRUE(BitBlt(*dst.dc, dstX, 0, width, 2, *src.dc, 2, 0, rop));
                const auto after = dst.Bits();
                for (int y = 0; y < 2; ++y) {
                    for (int x = 0; x < width + 12; ++x) {
                        int expected = before[y][x];
                        if (x >= dstX && x < dstX + width) {
                            const int s =
                                srcColors[y][x - dstX + 2] == MakeColor(10, 20, 30) ? 1 : 0;
                            expected =
                                static_cast<int>(Apply(rop, static_cast<std::uint32_t>(s),
                                                       static_cast<std::uint32_t>(expected), 1));
                        }
                        ASSERT_EQ(after[y][x], expected)
                            << "rop " << rop << " width " << width << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(BlitWidthTest, MonoToColourAtEveryWidthAndStart) {
    for (const TRasterOp rop : kRops) {
        for (const int width : kWidths) {
            for (const int srcX : {0, 8, 5}) {
                TNoise noise{static_cast<std::uint32_t>(width * 17 + srcX)};
                auto src = TTestSurface::Mono(BitRows(noise, width + 12, 2));
                auto dst = TTestSurface::Color(ColorRows(noise, width + 4, 2));
                dst.dc->SetTextColor(MakeColor(1, 2, 3));
                dst.dc->SetBkColor(MakeColor(200, 100, 50));
                const auto bits = src.Bits();
                const auto before = dst.Colors();
                ASSERT_TRUE(BitBlt(*dst.dc, 1, 0, width, 2, *src.dc, srcX, 0, rop));
                const auto after = dst.Colors();
                for (int y = 0; y < 2; ++y) {
                    for (int x = 0; x < width + 4; ++x) {
                        TColor expected = before[y][x];
                        if (x >= 1 && x < 1 + width) {
                            const TColor s = bits[y][x - 1 + srcX] != 0 ? MakeColor(200, 100, 50)
                                                                        : MakeColor(1, 2, 3);
                            expected = FromWord(Apply(rop, Word(s), Word(expected), 0x00FFFFFF));
                        }
                        ASSERT_EQ(after[y][x], expected)
                            << "rop " << rop << " width " << width << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(BlitWidthTest, ColourToColourAndEightBitToColourAtEveryWidth) {
    for (const TRasterOp rop : kRops) {
        for (const int width : kWidths) {
            TNoise noise{static_cast<std::uint32_t>(width * 7)};
            auto src = TTestSurface::Color(ColorRows(noise, width + 3, 2));
            auto dst = TTestSurface::Color(ColorRows(noise, width + 4, 2));
            // An 8-bit bottom-up picture with its own colour table.
            TBitmapInfo info;
            info.header = {TBitmapInfoHeader::kSize, width + 3, 2, 1, 8, 0, 0, 0, 0, 0, 0};
            for (std::size_t i = 0; i < 256; ++i) {
                info.colorTable[i] =
                    TRgbQuad{static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(255 - i),
                             static_cast<std::uint8_t>(i ^ 0x5A), 0};
            }
            const std::size_t stride = (static_cast<std::size_t>(width) + 3 + 3) / 4 * 4;
            std::vector<std::uint8_t> indexes(stride * 2);
            for (auto& v : indexes) v = static_cast<std::uint8_t>(noise.Next());
            const auto srcColors = src.Colors();
            const auto before = dst.Colors();
            ASSERT_TRUE(BitBlt(*dst.dc, 1, 0, width, 2, *src.dc, 2, 0, rop));
            const auto middle = dst.Colors();
            ASSERT_EQ(
                StretchDIBits(*dst.dc, 1, 0, width, 2, 3, 0, width, 2, indexes.data(), info, rop),
                2);
            const auto after = dst.Colors();
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < width + 4; ++x) {
                    TColor once = before[y][x];
                    TColor twice = once;
                    if (x >= 1 && x < 1 + width) {
                        once = FromWord(
                            Apply(rop, Word(srcColors[y][x + 1]), Word(before[y][x]), 0x00FFFFFF));
                        // Bottom-up memory: image row y is memory row 1 - y.
                        const TRgbQuad& q =
                            info.colorTable[indexes[stride * static_cast<std::size_t>(1 - y) +
                                                    static_cast<std::size_t>(x + 2)]];
                        const std::uint32_t s =
                            (std::uint32_t{q.red} << 16) | (std::uint32_t{q.green} << 8) | q.blue;
                        twice = FromWord(Apply(rop, s, Word(once), 0x00FFFFFF));
                    }
                    ASSERT_EQ(middle[y][x], once)
                        << "rop " << rop << " width " << width << " at " << x << "," << y;
                    ASSERT_EQ(after[y][x], twice)
                        << "rop " << rop << " width " << width << " at " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
