// The unscaled drawing of pictures onto 32-bit canvases takes whole-row fast paths: indexes
// of 1, 4 and 8 bits by table or byte permute, 24-bit colours by byte shuffles, colour keys
// on all of them. Each must give, byte for byte and at every feature limit, what the rules say
// per pixel: the colour with a cleared fourth byte, or under the key the canvas word with its
// fourth byte cleared, and the canvas untouched outside the drawn area. Widths cross the
// 8, 16, 22 and 64-pixel steps of the wide loops; draws start inside a packed byte, are
// clipped on every side, or fall off the canvas altogether.
#include <gtest/gtest.h>

#include <string>

#include "RasterTestUtil.h"
#include "platform/raster/CpuFeatures.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/TransparentBlit.h"

namespace {

using Words = std::vector<std::vector<std::uint32_t>>;
using raster::TCpuLevel;

constexpr int kWidths[] = {1, 7, 8, 9, 15, 16, 17, 21, 22, 23, 63, 64, 65, 79, 130};
constexpr int kHeight = 3;
constexpr std::uint32_t kKeyWord = 0x00102030;

struct TNoise {
    std::uint32_t state;
    std::uint32_t Next() {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    }
};

// A picture in device-independent memory, with colours that include the key often.
struct TPicture {
    TBitmapInfo info;
    std::vector<std::uint8_t> bits;
    std::size_t stride = 0;

    TPicture(std::uint16_t bitCount, int width, bool topDown, std::uint32_t seed) {
        info.header = {TBitmapInfoHeader::kSize,
                       width,
                       topDown ? -kHeight : kHeight,
                       1,
                       bitCount,
                       0,
                       0,
                       0,
                       0,
                       0,
                       0};
        stride = *TBitmapInfo::RowStrideFor(bitCount, static_cast<std::uint32_t>(width));
        bits.resize(stride * kHeight);
        TNoise noise{seed};
        for (auto& byte : bits) byte = static_cast<std::uint8_t>(noise.Next());
        // 24-bit pictures meet the key colour only where it is planted.
        for (std::size_t r = 0; bitCount == 24 && r < kHeight; ++r) {
            for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
                if (noise.Next() % 4 == 0) {
                    std::uint8_t* p = bits.data() + stride * r + 3 * x;
                    p[0] = 0x30, p[1] = 0x20, p[2] = 0x10;
                }
            }
        }
        for (std::size_t i = 0; i < info.colorTable.size(); ++i) {
            info.colorTable[i] = i % 3 == 0 ? TRgbQuad{0x30, 0x20, 0x10, 0}
                                            : TRgbQuad{static_cast<std::uint8_t>(i * 7),
                                                       static_cast<std::uint8_t>(255 - i),
                                                       static_cast<std::uint8_t>(i ^ 0x5A), 0};
        }
    }

    // The colour word of pixel (x, y), y counted from the top, read by the layout rules.
    std::uint32_t Word(int x, int y) const {
        const std::uint16_t bitCount = info.header.bitCount;
        const bool topDown = info.header.height < 0;
        const std::uint8_t* row =
            bits.data() + stride * static_cast<std::size_t>(topDown ? y : kHeight - 1 - y);
        if (bitCount == 24) {
            const std::uint8_t* p = row + 3 * x;
            return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
        }
        const int perByte = 8 / bitCount;
        const int shift = 8 - bitCount - bitCount * (x % perByte);
        const unsigned index = (row[x / perByte] >> shift) & ((1u << bitCount) - 1);
        const TRgbQuad& q = info.colorTable[index];
        return q.blue | (std::uint32_t{q.green} << 8) | (std::uint32_t{q.red} << 16);
    }
};

// A canvas of random words, fourth bytes set.
Words CanvasWords(int width, int height, std::uint32_t seed) {
    TNoise noise{seed};
    Words rows(static_cast<std::size_t>(height),
               std::vector<std::uint32_t>(static_cast<std::size_t>(width)));
    for (auto& row : rows) {
        for (auto& word : row) word = noise.Next() | 0x80000000u;
    }
    return rows;
}

// Where a picture goes: destination left and top, source columns from srcX on.
struct TPlacement {
    const char* name;
    int x;
    int y;
    int srcX;
};

std::vector<TPlacement> PlacementsFor(int width, int canvasWidth) {
    return {{"inside", 2, 1, 0},
            {"inside a packed byte", 1, 0, 3},
            {"clipped left", -5, 0, 0},
            {"clipped right", canvasWidth - width / 2 - 1, 1, 0},
            {"clipped top and bottom", 0, -1, 0},
            {"off the right", canvasWidth + 3, 0, 0},
            {"off the left", -width - 2, 0, 0}};
}

// What the rules leave on the canvas.
Words Expected(const TPicture& picture, Words canvas, const TPlacement& at, int width, bool keyed) {
    for (int y = 0; y < static_cast<int>(canvas.size()); ++y) {
        for (int x = 0; x < static_cast<int>(canvas[0].size()); ++x) {
            const int sx = at.srcX + x - at.x;
            const int sy = y - at.y;
            if (x < at.x || x >= at.x + width || sy < 0 || sy >= kHeight) continue;
            std::uint32_t& d = canvas[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const std::uint32_t c = picture.Word(sx, sy);
            d = keyed && c == kKeyWord ? d & 0x00FFFFFF : c;
        }
    }
    return canvas;
}

Words Draw(TCpuLevel level, const TPicture& picture, const Words& before, const TPlacement& at,
           int width, bool keyed) {
    raster::LimitCpuFeatures(level);
    auto canvas = TTestSurface::Words(before);
    if (keyed) {
        EXPECT_TRUE(TransparentDIBits(*canvas.dc, at.x, at.y, width, kHeight, at.srcX, 0, width,
                                      kHeight, picture.bits.data(), picture.info,
                                      MakeColor(0x10, 0x20, 0x30)));
    } else {
        EXPECT_EQ(StretchDIBits(*canvas.dc, at.x, at.y, width, kHeight, at.srcX, 0, width, kHeight,
                                picture.bits.data(), picture.info, SRCCOPY),
                  kHeight);
    }
    return canvas.WordRows();
}

class TLimitGuard {
public:
    ~TLimitGuard() { raster::LimitCpuFeatures(saved_); }

private:
    TCpuLevel saved_ = raster::CpuFeatureLimit();
};

void ExpectRulesAtEveryLimit(std::uint16_t bitCount, bool keyed) {
    const TLimitGuard guard;
    for (const int width : kWidths) {
        for (const bool topDown : {false, true}) {
            const auto seed = static_cast<std::uint32_t>(width * 131 + bitCount * 7 + topDown);
            // Three spare columns, so that a draw from srcX 3 still has width columns.
            const TPicture picture(bitCount, width + 3, topDown, seed);
            const int canvasWidth = width + 6;
            const Words before = CanvasWords(canvasWidth, kHeight + 2, seed + 1);
            for (const TPlacement& at : PlacementsFor(width, canvasWidth)) {
                const Words expected = Expected(picture, before, at, width, keyed);
                for (const TCpuLevel level :
                     {TCpuLevel::Avx512Vbmi, TCpuLevel::Avx2, TCpuLevel::Scalar}) {
                    ASSERT_EQ(Draw(level, picture, before, at, width, keyed), expected)
                        << bitCount << " bits, width " << width << ", " << at.name
                        << (topDown ? ", top-down" : ", bottom-up") << ", limit "
                        << static_cast<int>(level);
                }
            }
        }
    }
}

}  // namespace

TEST(DrawingFastPathTest, IndexedPicturesCopyByTheirColourTables) {
    for (const std::uint16_t bitCount : {std::uint16_t{1}, std::uint16_t{4}, std::uint16_t{8}})
        ExpectRulesAtEveryLimit(bitCount, false);
}

TEST(DrawingFastPathTest, RgbPicturesCopyWithTheFourthByteCleared) {
    ExpectRulesAtEveryLimit(24, false);
}

TEST(DrawingFastPathTest, ColourKeyLeavesTheCanvasUnderKeyPixelsAtEveryDepth) {
    for (const std::uint16_t bitCount :
         {std::uint16_t{1}, std::uint16_t{4}, std::uint16_t{8}, std::uint16_t{24}})
        ExpectRulesAtEveryLimit(bitCount, true);
}
