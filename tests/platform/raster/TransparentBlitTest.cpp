// The colour-key blit against the platform's mask-and-paint sequence it replaces, pixel word
// for pixel word, and its own stretching, clipping and refusals.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/TransparentBlit.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

std::uint32_t Noise(std::uint32_t& state) {
    state = state * 1103515245u + 12345u;
    return state >> 8;
}

// An indexed or 24-bit picture in pixel memory, bottom-up as the codec keeps it.
struct TDib {
    TBitmapInfo info;
    std::vector<std::uint8_t> bits;
};

TDib RandomDib(std::uint16_t bitCount, int width, int height, std::uint32_t seed) {
    TDib dib;
    dib.info.header = {TBitmapInfoHeader::kSize, width, height, 1, bitCount, 0, 0, 0, 0, 0, 0};
    const std::size_t stride = *TBitmapInfo::RowStrideFor(bitCount, static_cast<std::uint32_t>(width));
    dib.bits.resize(stride * static_cast<std::size_t>(height));
    for (auto& byte : dib.bits) byte = static_cast<std::uint8_t>(Noise(seed));
    // Few distinct colours, so the key colour turns up often, twice in the table too.
    for (std::size_t i = 0; i < dib.info.colorTable.size(); ++i) {
        const auto blue = static_cast<std::uint8_t>(i % 3 == 1 ? 100 : i * 7);
        dib.info.colorTable[i] = TRgbQuad{blue, 0, 0, 0};
    }
    if (bitCount == 24) {
        for (std::size_t i = 0; i < dib.bits.size(); ++i) dib.bits[i] = static_cast<std::uint8_t>(dib.bits[i] % 2 * 100);
    }
    return dib;
}

// The colour-key drawing as the platform builds it from masks, on a copy of the canvas.
Words MaskSequence(const Words& canvas, const TDib& dib, int x, int y, TColor key) {
    const int w = dib.info.header.width;
    const int h = dib.info.header.height;
    auto dst = TTestSurface::Words(canvas);
    TTestSurface S(CreateDIBitmap(dst.dc.get(), dib.info.header, CBM_INIT, dib.bits.data(), &dib.info, DIB_RGB_COLORS));
    TTestSurface A(CreateBitmap(w, h, 1, 1, nullptr));
    TTestSurface B(CreateBitmap(w, h, 1, 1, nullptr));
    TTestSurface C(CreateCompatibleBitmap(nullptr, w, h));
    const TColor old = S.dc->SetBkColor(key);
    StretchBlt(*B.dc, 0, 0, w, h, *S.dc, 0, 0, w, h, SRCCOPY);
    S.dc->SetBkColor(old);
    BitBlt(*A.dc, 0, 0, w, h, *B.dc, 0, 0, NOTSRCCOPY);
    BitBlt(*C.dc, 0, 0, w, h, *dst.dc, x, y, SRCCOPY);
    BitBlt(*C.dc, 0, 0, w, h, *B.dc, 0, 0, SRCAND);
    StretchBlt(*S.dc, 0, 0, w, h, *A.dc, 0, 0, w, h, SRCAND);
    StretchBlt(*C.dc, 0, 0, w, h, *S.dc, 0, 0, w, h, SRCPAINT);
    BitBlt(*dst.dc, x, y, w, h, *C.dc, 0, 0, SRCCOPY);
    return dst.WordRows();
}

TEST(TransparentBlitTest, GivesTheMaskSequencesPixelsUnscaled) {
    std::uint32_t seed = 7;
    for (const std::uint16_t bitCount : {1, 4, 8, 24}) {
        for (const int width : {1, 3, 8, 13}) {
            Words canvas(6, std::vector<std::uint32_t>(16));
            for (auto& row : canvas) {
                for (auto& word : row) word = Noise(seed) | 0x80000000u;
            }
            const TDib dib = RandomDib(bitCount, width, 3, seed);
            const TColor key = MakeColor(0, 0, 100);  // blue 100 in memory order
            for (const auto& [x, y] : {std::pair{0, 0}, std::pair{5, 2}, std::pair{-2, -1}, std::pair{14, 4}}) {
                auto drawn = TTestSurface::Words(canvas);
                ASSERT_TRUE(TransparentDIBits(*drawn.dc, x, y, width, 3, 0, 0, width, 3, dib.bits.data(), dib.info, key));
                EXPECT_EQ(drawn.WordRows(), MaskSequence(canvas, dib, x, y, key))
                    << bitCount << " bits, width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST(TransparentBlitTest, StretchesLikeTheOtherBlitsAndRefusesBadRectangles) {
    // One bottom-up row pair of 8-bit indexes: entry 1 is the key colour.
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 2, 2, 1, 8, 0, 0, 0, 0, 0, 0};
    info.colorTable[0] = TRgbQuad{0x30, 0x20, 0x10, 0};
    info.colorTable[1] = TRgbQuad{0xFF, 0x00, 0xFF, 0};
    const std::vector<std::uint8_t> bits{1, 0, 0, 0, 0, 1, 0, 0};  // bottom row first, stride 4
    auto canvas = TTestSurface::Words(Words(2, std::vector<std::uint32_t>(4, 0xAA777777)));
    ASSERT_TRUE(TransparentDIBits(*canvas.dc, 0, 0, 4, 2, 0, 0, 2, 2, bits.data(), info, MakeColor(0xFF, 0, 0xFF)));
    EXPECT_EQ(canvas.WordRows(), (Words{{0x00102030, 0x00102030, 0x00777777, 0x00777777},
                                        {0x00777777, 0x00777777, 0x00102030, 0x00102030}}));

    auto untouched = TTestSurface::Words({{5, 5}});
    EXPECT_FALSE(TransparentDIBits(*untouched.dc, 0, 0, 2, 1, 1, 0, 2, 1, bits.data(), info, 0));
    EXPECT_FALSE(TransparentDIBits(*untouched.dc, 2, 0, -2, 1, 0, 0, 2, 1, bits.data(), info, 0));
    EXPECT_FALSE(TransparentDIBits(*untouched.dc, 0, 0, 2, 1, 0, 0, 2, 1, nullptr, info, 0));
    auto mono = TTestSurface::Mono({{1, 1}});
    EXPECT_FALSE(TransparentDIBits(*mono.dc, 0, 0, 2, 1, 0, 0, 2, 1, bits.data(), info, 0));
    EXPECT_EQ(untouched.WordRows(), (Words{{5, 5}}));
}

}  // namespace
