// 32-bit colour copied into 32-bit colour keeps its fourth byte on every path of the blits:
// unscaled, clipped, stretched, mirrored, from device bitmaps and from pixel memory.
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/RasterBlit.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t kA = 0x11223344;
constexpr std::uint32_t kB = 0x55667788;
constexpr std::uint32_t kC = 0x99AABBCC;
constexpr std::uint32_t kD = 0xDDEEFF00;
constexpr std::uint32_t kOld = 0x7F010203;

Words Filled(int width, int height, std::uint32_t word) {
    return Words(static_cast<std::size_t>(height), std::vector<std::uint32_t>(static_cast<std::size_t>(width), word));
}

TEST(FourthByteTest, UnscaledCopyInsideAndClippedAtEitherBitmap) {
    auto src = TTestSurface::Words({{kA, kB}, {kC, kD}});
    auto inside = TTestSurface::Words(Filled(3, 3, kOld));
    ASSERT_TRUE(BitBlt(*inside.dc, 1, 1, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(inside.WordRows(), (Words{{kOld, kOld, kOld}, {kOld, kA, kB}, {kOld, kC, kD}}));

    // The source window hangs over the source's left and top edges: what has no source stays.
    auto overSource = TTestSurface::Words(Filled(3, 3, kOld));
    ASSERT_TRUE(BitBlt(*overSource.dc, 0, 0, 3, 3, *src.dc, -1, -1, SRCCOPY));
    EXPECT_EQ(overSource.WordRows(), (Words{{kOld, kOld, kOld}, {kOld, kA, kB}, {kOld, kC, kD}}));

    // The destination window hangs over the destination's right and bottom edges.
    auto overTarget = TTestSurface::Words(Filled(2, 2, kOld));
    ASSERT_TRUE(BitBlt(*overTarget.dc, 1, 1, 2, 2, *src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(overTarget.WordRows(), (Words{{kOld, kOld}, {kOld, kA}}));
}

TEST(FourthByteTest, StretchedAndMirroredCopies) {
    auto src = TTestSurface::Words({{kA, kB}, {kC, kD}});
    auto doubled = TTestSurface::Words(Filled(4, 4, kOld));
    ASSERT_TRUE(StretchBlt(*doubled.dc, 0, 0, 4, 4, *src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(doubled.WordRows(), (Words{{kA, kA, kB, kB}, {kA, kA, kB, kB}, {kC, kC, kD, kD}, {kC, kC, kD, kD}}));

    auto mirrored = TTestSurface::Words(Filled(2, 2, kOld));
    ASSERT_TRUE(StretchBlt(*mirrored.dc, 2, 2, -2, -2, *src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(mirrored.WordRows(), (Words{{kD, kC}, {kB, kA}}));

    // Stretched and clipped at once: the right column falls outside the destination.
    auto clipped = TTestSurface::Words(Filled(3, 1, kOld));
    ASSERT_TRUE(StretchBlt(*clipped.dc, 1, 0, 4, 1, *src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(clipped.WordRows(), (Words{{kOld, kA, kA}}));
}

TEST(FourthByteTest, PixelMemoryOfBothRowOrdersUnscaledAndStretched) {
    // Rows as they lie in memory: top-down first, then the same picture bottom-up.
    const std::vector<std::uint32_t> topDown{kA, kB, kC, kD};
    const std::vector<std::uint32_t> bottomUp{kC, kD, kA, kB};
    for (const bool isTopDown : {true, false}) {
        TBitmapInfo info;
        info.header = {TBitmapInfoHeader::kSize, 2, isTopDown ? -2 : 2, 1, 32, 0, 0, 0, 0, 0, 0};
        const void* bits = isTopDown ? topDown.data() : bottomUp.data();

        auto same = TTestSurface::Words(Filled(2, 2, kOld));
        ASSERT_EQ(StretchDIBits(*same.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, info, SRCCOPY), 2);
        EXPECT_EQ(same.WordRows(), (Words{{kA, kB}, {kC, kD}})) << isTopDown;

        auto wide = TTestSurface::Words(Filled(4, 2, kOld));
        ASSERT_EQ(StretchDIBits(*wide.dc, 0, 0, 4, 2, 0, 0, 2, 2, bits, info, SRCCOPY), 2);
        EXPECT_EQ(wide.WordRows(), (Words{{kA, kA, kB, kB}, {kC, kC, kD, kD}})) << isTopDown;

        auto part = TTestSurface::Words(Filled(2, 2, kOld));
        ASSERT_EQ(StretchDIBits(*part.dc, -1, 0, 2, 2, 0, 0, 2, 2, bits, info, SRCCOPY), 2);
        EXPECT_EQ(part.WordRows(), (Words{{kB, kOld}, {kD, kOld}})) << isTopDown;
    }
}

TEST(FourthByteTest, OtherSourcesAndOperationsClearOrCombineIt) {
    // 24-bit pixels have no fourth byte: the copy's is 0.
    const std::vector<std::uint8_t> rgb{0x44, 0x33, 0x22, 0x88, 0x77, 0x66, 0, 0};
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, 2, -1, 1, 24, 0, 0, 0, 0, 0, 0};
    auto fromRgb = TTestSurface::Words(Filled(4, 1, kOld));
    ASSERT_EQ(StretchDIBits(*fromRgb.dc, 0, 0, 4, 1, 0, 0, 2, 1, rgb.data(), info, SRCCOPY), 1);
    EXPECT_EQ(fromRgb.WordRows(), (Words{{0x00223344, 0x00223344, 0x00667788, 0x00667788}}));

    // The combining operations work on whole words alike, stretched or not.
    auto src = TTestSurface::Words({{kA, kB}});
    for (const bool stretched : {false, true}) {
        auto ored = TTestSurface::Words(Filled(2, 1, kOld));
        ASSERT_TRUE(StretchBlt(*ored.dc, 0, 0, 2, 1, *src.dc, stretched ? 1 : 0, 0, stretched ? 1 : 2, 1, SRCPAINT));
        const std::uint32_t first = stretched ? kB : kA;
        EXPECT_EQ(ored.WordRows(), (Words{{first | kOld, kB | kOld}})) << stretched;
    }
}

}  // namespace
