// Pixels handed to memory outside the raster layer: colour words, monochrome bits and
// colour-table indexes made opaque, or 32-bit words kept as they are, rows at the target's
// own stride.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/raster/ExportRows.h"

namespace {

using raster::TFourthByte;
using raster::TPixelDomain;
using raster::TPixelView;

// Words of a target with a stride of width + 1 words; the spare word must stay untouched.
std::vector<std::uint32_t> Export(const TPixelView& view, TFourthByte fourth) {
    std::vector<std::uint32_t> target((view.width + 1) * view.height, 0xDEADBEEFu);
    raster::ExportRows(view, reinterpret_cast<std::uint8_t*>(target.data()),
                       4 * std::size_t{view.width + 1}, fourth);
    return target;
}

TEST(ExportRows, ColourWordsBottomUpKeptOrMadeOpaque) {
    // Two bottom-up rows of two pixels: memory holds the lower row first.
    std::uint32_t bits[4] = {0x11223344u, 0x00556677u, 0x80AABBCCu, 0x00DDEEFFu};
    TPixelView view;
    view.bits = reinterpret_cast<std::uint8_t*>(bits);
    view.stride = 8;
    view.width = 2;
    view.height = 2;
    view.bitCount = 32;
    EXPECT_EQ(Export(view, TFourthByte::Keep),
              (std::vector<std::uint32_t>{0x80AABBCCu, 0x00DDEEFFu, 0xDEADBEEFu, 0x11223344u,
                                          0x00556677u, 0xDEADBEEFu}));
    EXPECT_EQ(Export(view, TFourthByte::Opaque),
              (std::vector<std::uint32_t>{0xFFAABBCCu, 0xFFDDEEFFu, 0xDEADBEEFu, 0xFF223344u,
                                          0xFF556677u, 0xDEADBEEFu}));
}

TEST(ExportRows, MonochromeAndIndexesBecomeOpaqueColours) {
    std::uint8_t mono[4] = {0xA0, 0, 0, 0};  // one top-down row: 1, 0, 1
    TPixelView view;
    view.bits = mono;
    view.stride = 4;
    view.width = 3;
    view.height = 1;
    view.topDown = true;
    view.bitCount = 1;
    view.domain = TPixelDomain::Mono;
    EXPECT_EQ(Export(view, TFourthByte::Opaque),
              (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu, 0xDEADBEEFu}));

    // Index 2 lies beyond the two-entry table: black.
    const TRgbQuad table[2] = {{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}};
    std::uint8_t indexes[4] = {1, 0, 2, 0};
    view.bits = indexes;
    view.bitCount = 8;
    view.colorTable = table;
    view.colorCount = 2;
    view.domain = TPixelDomain::Index;
    EXPECT_EQ(Export(view, TFourthByte::Opaque),
              (std::vector<std::uint32_t>{0xFF605040u, 0xFF302010u, 0xFF000000u, 0xDEADBEEFu}));
}

TEST(ExportRows, EmptyViewsAndNoTargetWriteNothing) {
    TPixelView view;
    view.bitCount = 32;
    raster::ExportRows(view, nullptr, 0, TFourthByte::Keep);
    std::uint32_t word = 7;
    view.bits = reinterpret_cast<std::uint8_t*>(&word);
    view.width = 1;
    view.height = 1;
    view.stride = 4;
    raster::ExportRows(view, nullptr, 4, TFourthByte::Opaque);
    EXPECT_EQ(word, 7u);
}

}  // namespace
