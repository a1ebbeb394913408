// The wide loops (AVX-512 byte permutes, AVX2) against the plain loops other processors take:
// the same blits on the same random pixels at every feature limit must leave the same bytes,
// the fourth byte included, at every width and start column.
#include <gtest/gtest.h>

#include <functional>

#include "RasterTestUtil.h"
#include "platform/raster/CpuFeatures.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/StraightAlphaBlend.h"
#include "platform/raster/TransparentBlit.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;
using raster::TCpuLevel;

constexpr int kWidths[] = {1, 3, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 65, 70, 129};

std::uint32_t Noise(std::uint32_t& state) {
    state = state * 1103515245u + 12345u;
    return state >> 8;
}

// Few distinct colours, so that background and key comparisons hit often; every fourth byte set.
Words RandomWords(int width, int height, std::uint32_t seed) {
    Words rows(static_cast<std::size_t>(height),
               std::vector<std::uint32_t>(static_cast<std::size_t>(width)));
    for (auto& row : rows) {
        for (auto& word : row) {
            const std::uint32_t v = Noise(seed);
            word = v % 3 == 0 ? 0x7F0A141Eu : (v << 8) | (v >> 24);
        }
    }
    return rows;
}

std::vector<std::vector<int>> RandomBits(int width, int height, std::uint32_t seed) {
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(height),
                                       std::vector<int>(static_cast<std::size_t>(width)));
    for (auto& row : rows) {
        for (auto& bit : row) bit = static_cast<int>(Noise(seed) & 1);
    }
    return rows;
}

struct TDib {
    TBitmapInfo info;
    std::vector<std::uint8_t> bits;
};

TDib RandomDib(std::uint16_t bitCount, int width, int height, std::uint32_t seed) {
    TDib dib;
    dib.info.header = {TBitmapInfoHeader::kSize, width, height, 1, bitCount, 0, 0, 0, 0, 0, 0};
    dib.bits.resize(*TBitmapInfo::RowStrideFor(bitCount, static_cast<std::uint32_t>(width)) *
                    static_cast<std::size_t>(height));
    for (auto& byte : dib.bits) byte = static_cast<std::uint8_t>(Noise(seed) % 40);
    for (std::size_t i = 0; i < dib.info.colorTable.size(); ++i) {
        dib.info.colorTable[i] =
            TRgbQuad{static_cast<std::uint8_t>(i % 3 == 1 ? 100 : i * 7),
                     static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i ^ 0x5A), 0};
    }
    return dib;
}

// Runs the same drawing at each limit and expects the narrower ones to match the widest.
void ExpectSameAtEveryLimit(const std::string& what, const std::function<Words()>& draw) {
    const raster::TCpuLevel saved = raster::CpuFeatureLimit();
    raster::LimitCpuFeatures(TCpuLevel::Avx512Vbmi);
    const Words widest = draw();
    raster::LimitCpuFeatures(TCpuLevel::Avx2);
    const Words avx2 = draw();
    raster::LimitCpuFeatures(TCpuLevel::Scalar);
    const Words plain = draw();
    raster::LimitCpuFeatures(saved);
    EXPECT_EQ(avx2, widest) << what << " with AVX2 only";
    EXPECT_EQ(plain, widest) << what << " with plain loops";
}

Words BitsAsWords(const TTestSurface& surface) {
    Words rows;
    for (const auto& row : surface.Bits()) rows.emplace_back(row.begin(), row.end());
    return rows;
}

}  // namespace

TEST(WideLoopsTest, ColourAndMonochromeBlitsMatchThePlainLoops) {
    for (const int width : kWidths) {
        for (const TRasterOp rop : {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, NOTSRCCOPY}) {
            const std::string what =
                "width " + std::to_string(width) + ", rop " + std::to_string(rop);
            const auto seed = static_cast<std::uint32_t>(width * 977 + rop);
            ExpectSameAtEveryLimit("colour to colour, " + what, [&] {
                auto src = TTestSurface::Words(RandomWords(width + 5, 2, seed));
                auto dst = TTestSurface::Words(RandomWords(width + 4, 2, seed + 1));
                BitBlt(*dst.dc, 1, 0, width, 2, *src.dc, 3, 0, rop);
                return dst.WordRows();
            });
            ExpectSameAtEveryLimit("monochrome to colour, " + what, [&] {
                auto src = TTestSurface::Mono(RandomBits(width + 11, 2, seed));
                auto dst = TTestSurface::Words(RandomWords(width + 4, 2, seed + 1));
                dst.dc->SetTextColor(MakeColor(1, 2, 3));
                dst.dc->SetBkColor(MakeColor(200, 100, 50));
                BitBlt(*dst.dc, 2, 0, width, 2, *src.dc, width % 8 + 1, 0, rop);
                return dst.WordRows();
            });
            ExpectSameAtEveryLimit("eight-bit to colour, " + what, [&] {
                const TDib dib = RandomDib(8, width + 3, 2, seed);
                auto dst = TTestSurface::Words(RandomWords(width + 4, 2, seed + 1));
                StretchDIBits(*dst.dc, 1, 0, width, 2, 3, 0, width, 2, dib.bits.data(), dib.info,
                              rop);
                return dst.WordRows();
            });
        }
        const std::string what = "width " + std::to_string(width);
        ExpectSameAtEveryLimit("colour to monochrome, " + what, [&] {
            auto src =
                TTestSurface::Words(RandomWords(width + 5, 2, static_cast<std::uint32_t>(width)));
            auto dst = TTestSurface::Mono(
                RandomBits(width + 12, 2, static_cast<std::uint32_t>(width) + 1));
            src.dc->SetBkColor(MakeColor(30, 20, 10));
            BitBlt(*dst.dc, width % 8, 0, width, 2, *src.dc, 1, 0, SRCCOPY);
            return BitsAsWords(dst);
        });
    }
}

TEST(WideLoopsTest, ColourKeyAndAlphaBlendsMatchThePlainLoops) {
    for (const int width : kWidths) {
        const std::string what = "width " + std::to_string(width);
        const auto seed = static_cast<std::uint32_t>(width * 31);
        for (const std::uint16_t bitCount :
             {std::uint16_t{1}, std::uint16_t{4}, std::uint16_t{8}, std::uint16_t{24}}) {
            ExpectSameAtEveryLimit(
                "colour key, " + std::to_string(bitCount) + " bits, " + what, [&] {
                    const TDib dib = RandomDib(bitCount, width, 3, seed);
                    auto dst = TTestSurface::Words(RandomWords(2 * width + 4, 4, seed + 1));
                    TransparentDIBits(*dst.dc, 1, 0, width, 3, 0, 0, width, 3, dib.bits.data(),
                                      dib.info, MakeColor(0, 0, 100));
                    TransparentDIBits(*dst.dc, 2, 1, 2 * width, 3, 0, 0, width, 3, dib.bits.data(),
                                      dib.info, MakeColor(0, 0, 100));
                    return dst.WordRows();
                });
        }
        ExpectSameAtEveryLimit("RGB alpha blend, " + what, [&] {
            TBitmapInfoHeader header{TBitmapInfoHeader::kSize, width, 1, 1, 24, 0, 0, 0, 0, 0, 0};
            TDibSection pixels(header);
            std::uint32_t state = seed;
            std::vector<std::uint8_t> alpha(static_cast<std::size_t>(width));
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = pixels.RowAddress(0) + 3 * x;
                p[0] = static_cast<std::uint8_t>(Noise(state)),
                p[1] = static_cast<std::uint8_t>(Noise(state));
                p[2] = static_cast<std::uint8_t>(Noise(state));
                const std::uint32_t a = Noise(state) % 4;
                alpha[static_cast<std::size_t>(x)] = a == 0 ? 0
                                                     : a == 1
                                                         ? 255
                                                         : static_cast<std::uint8_t>(Noise(state));
            }
            auto canvas = TTestSurface::Words(RandomWords(width + 2, 1, seed + 1));
            TStraightAlphaPicture picture;
            picture.pixels = &pixels;
            picture.alpha = alpha.data();
            std::vector<std::uint32_t> columns(static_cast<std::size_t>(width));
            for (int x = 0; x < width; ++x)
                columns[static_cast<std::size_t>(x)] = static_cast<std::uint32_t>(x);
            BlendStraightAlpha(*canvas.dc, 1, 0, picture, columns, {0});
            return canvas.WordRows();
        });
    }
}
