// Masked pieces stretched row by row against the two-step way they were drawn before: the
// piece and its mask stretched into a picture by StretchBlt, then BlendMaskedPiece. Words are
// written 0xAARRGGBB (blue in the low byte, the fourth byte high).
#include <gtest/gtest.h>

#include "RasterTestUtil.h"
#include "platform/raster/MaskedRow.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/StretchedMaskedPiece.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;

// 8 x 8: picture rows 0-3, mask rows 4-7; some piece pixels are exactly 0x00FF00FF.
Words Source() {
    Words rows(8, std::vector<std::uint32_t>(8));
    for (std::uint32_t y = 0; y < 8; ++y)
        for (std::uint32_t x = 0; x < 8; ++x)
            rows[y][x] = y < 4 ? ((x + y) % 3 == 0 ? 0x00FF00FF : 0x10203040u * (x + 1) + y)
                               : 0x01030507u * (31 * x + 17 * y);
    return rows;
}

Words Backdrop(int width, int height) {
    Words rows(static_cast<std::size_t>(height), std::vector<std::uint32_t>(width));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            rows[y][x] = static_cast<std::uint32_t>(0x9E3779B9u * (y * 64 + x + 1));
    return rows;
}

struct TCase {
    int x, y, width, height;
    TRect piece;
};

// What the two-step drawing gives.
Words Reference(const TCase& c, const TTestSurface& source, const TMaskedPieceParent& parent) {
    auto target = TTestSurface::Words(Backdrop(12, 10));
    TTestSurface stretched(CreateCompatibleBitmap(nullptr, c.width, 2 * c.height));
    StretchBlt(*stretched.dc, 0, 0, c.width, c.height, *source.dc, c.piece.left, c.piece.top,
               c.piece.Width(), c.piece.Height(), SRCCOPY);
    StretchBlt(*stretched.dc, 0, c.height, c.width, c.height, *source.dc, c.piece.left,
               c.piece.top + 4, c.piece.Width(), c.piece.Height(), SRCCOPY);
    BlendMaskedPiece(*target.bitmap, c.x, c.y, *stretched.bitmap, TRect{0, 0, c.width, c.height}, 0,
                     c.height, parent);
    return target.WordRows();
}

TEST(StretchedMaskedPieceTest, SameBytesAsStretchingFirstForEveryScaleAndClip) {
    const auto source = TTestSurface::Words(Source());
    auto parentPicture = TTestSurface::Words(Backdrop(9, 9));
    const TCase cases[] = {
        {1, 1, 10, 8, TRect{1, 0, 4, 3}},   // grown both ways
        {0, 0, 2, 1, TRect{0, 0, 8, 4}},    // shrunk to the pixels under the centres
        {2, 3, 7, 4, TRect{5, 1, 6, 4}},    // one column widened, rows as they are
        {-3, -2, 9, 7, TRect{0, 0, 3, 4}},  // cut at the left and the top
        {8, 6, 9, 9, TRect{2, 0, 5, 2}},    // cut at the right and the bottom
        {0, 0, 12, 10, TRect{7, 3, 8, 4}},  // one pixel over the whole target
    };
    for (const TCase& c : cases) {
        for (bool withParent : {false, true}) {
            const TMaskedPieceParent parent =
                withParent ? TMaskedPieceParent{parentPicture.bitmap.get(), 2, -1}
                           : TMaskedPieceParent{};
            auto target = TTestSurface::Words(Backdrop(12, 10));
            ASSERT_TRUE(BlendStretchedMaskedPiece(*target.bitmap, c.x, c.y, c.width, c.height,
                                                  *source.bitmap, c.piece, c.piece.left,
                                                  c.piece.top + 4, parent));
            EXPECT_EQ(target.WordRows(), Reference(c, source, parent))
                << c.x << "," << c.y << " " << c.width << "x" << c.height
                << (withParent ? " over a parent" : "");
        }
    }
}

TEST(StretchedMaskedPieceTest, RefusesPiecesOutsideTheSourceAndOtherBitmapKinds) {
    const auto source = TTestSurface::Words(Source());
    auto target = TTestSurface::Words(Backdrop(4, 4));
    const Words before = target.WordRows();
    EXPECT_FALSE(BlendStretchedMaskedPiece(*target.bitmap, 0, 0, 4, 4, *source.bitmap,
                                           TRect{6, 0, 9, 2}, 6, 4));
    EXPECT_FALSE(BlendStretchedMaskedPiece(*target.bitmap, 0, 0, 4, 4, *source.bitmap,
                                           TRect{0, 0, 2, 2}, 0, 7))
        << "mask rows past the bottom";
    EXPECT_FALSE(BlendStretchedMaskedPiece(*target.bitmap, 0, 0, 4, 4, *source.bitmap,
                                           TRect{-1, 0, 2, 2}, 0, 4));
    auto mono = TTestSurface::Mono({{1, 0}, {0, 1}});
    EXPECT_FALSE(BlendStretchedMaskedPiece(*target.bitmap, 0, 0, 4, 4, *mono.bitmap,
                                           TRect{0, 0, 1, 1}, 0, 1));
    EXPECT_FALSE(BlendStretchedMaskedPiece(*mono.bitmap, 0, 0, 4, 4, *source.bitmap,
                                           TRect{0, 0, 1, 1}, 0, 4));
    EXPECT_TRUE(BlendStretchedMaskedPiece(*target.bitmap, 0, 0, 0, 4, *source.bitmap,
                                          TRect{0, 0, 1, 1}, 0, 4));
    EXPECT_TRUE(BlendStretchedMaskedPiece(*target.bitmap, 4, 0, 3, 3, *source.bitmap,
                                          TRect{0, 0, 1, 1}, 0, 4));
    EXPECT_EQ(target.WordRows(), before);
}

TEST(MaskedRowTest, EveryLengthAndExtremeFollowsThePixelRule) {
    // Black mask shows the piece, white keeps (almost) the target: 255 * 255 + 255 * 1 = 255 * 256.
    const std::uint32_t targets[] = {0x7FFFFFFF, 0x00000000, 0xFF123456, 0x80FF00FF};
    const std::uint32_t shown[] = {0x00FFFFFF, 0xFFFFFFFF, 0x00654321, 0x00000000};
    const std::uint32_t masks[] = {0x00000000, 0x00FFFFFF, 0x0080FF01, 0x00FF0080};
    for (std::size_t count = 0; count <= 11; ++count) {
        std::vector<std::uint32_t> t(count), s(count), k(count), expected(count);
        for (std::size_t i = 0; i < count; ++i) {
            t[i] = targets[(i * 3) % 4];
            s[i] = shown[i % 4];
            k[i] = masks[(i / 2) % 4];
            std::uint32_t out = t[i] & 0xFF000000u;
            for (int shift : {0, 8, 16}) {
                const std::uint32_t a = (t[i] >> shift) & 0xFF, b = (s[i] >> shift) & 0xFF,
                                    m = (k[i] >> shift) & 0xFF;
                out |= ((a * m + b * (256 - m)) >> 8) << shift;
            }
            expected[i] = out;
        }
        raster::BlendMaskedRow(reinterpret_cast<std::uint8_t*>(t.data()),
                               reinterpret_cast<const std::uint8_t*>(s.data()),
                               reinterpret_cast<const std::uint8_t*>(k.data()), count);
        EXPECT_EQ(t, expected) << count << " pixels";
    }
    // One pixel worked by hand: target 0x56, shown 0x21, mask 0x80: (0x56 * 128 + 0x21 * 128)
    // div 256 = (86 + 33) div 2 = 59.
    std::uint32_t t = 0xFF565656, s = 0x00212121, k = 0x00808080;
    raster::BlendMaskedRow(reinterpret_cast<std::uint8_t*>(&t),
                           reinterpret_cast<const std::uint8_t*>(&s),
                           reinterpret_cast<const std::uint8_t*>(&k), 1);
    EXPECT_EQ(t, 0xFF3B3B3Bu);
}

}  // namespace
