// The device-independent bitmap's memory layout and the palettes the codec relies on.
#include <gtest/gtest.h>

#include "platform/raster/HalftonePalette.h"
#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDibSection.h"
#include "platform/raster/TPalette.h"

namespace {

TBitmapInfoHeader HeaderOf(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    TBitmapInfoHeader header;
    header.size = TBitmapInfoHeader::kSize;
    header.width = width;
    header.height = height;
    header.planes = 1;
    header.bitCount = bits;
    return header;
}

TEST(DibSection, RowsArePaddedToWholeWords) {
    EXPECT_EQ(TBitmapInfo::RowStrideFor(1, 1), 4u);
    EXPECT_EQ(TBitmapInfo::RowStrideFor(1, 33), 8u);
    EXPECT_EQ(TBitmapInfo::RowStrideFor(4, 9), 8u);
    EXPECT_EQ(TBitmapInfo::RowStrideFor(24, 5), 16u);
    EXPECT_EQ(TBitmapInfo::RowStrideFor(8, 0), 0u);
    EXPECT_FALSE(TBitmapInfo::RowStrideFor(0xFFFFFFFF, 0xFFFFFFFF).has_value());
}

TEST(DibSection, BottomUpAndTopDownRows) {
    TDibSection bottomUp(HeaderOf(3, 4, 24));
    EXPECT_EQ(bottomUp.RowStride(), 12u);
    EXPECT_EQ(bottomUp.ByteCount(), 48u);
    EXPECT_EQ(bottomUp.RowAddress(0), bottomUp.Bits() + 36);
    EXPECT_EQ(bottomUp.RowAddress(3), bottomUp.Bits());
    TDibSection topDown(HeaderOf(3, -4, 32));
    EXPECT_TRUE(topDown.IsTopDown());
    EXPECT_EQ(topDown.Height(), 4u);
    EXPECT_EQ(topDown.RowAddress(1), topDown.Bits() + 12);
    for (std::size_t i = 0; i < topDown.ByteCount(); ++i) ASSERT_EQ(topDown.Bits()[i], 0);
    EXPECT_EQ(TDibSection::RequiredBytes(HeaderOf(-1, 1, 8)), 0u);
    EXPECT_THROW(TDibSection(HeaderOf(-1, 1, 8)), std::length_error);
}

TEST(BitmapInfo, HeaderSerialisesLittleEndian) {
    TBitmapInfo info;
    info.header = HeaderOf(0x0102, -2, 8);
    info.header.clrUsed = 16;
    const auto bytes = info.SerializeHeader();
    EXPECT_EQ(bytes[0], 40);
    EXPECT_EQ(bytes[4], 0x02);
    EXPECT_EQ(bytes[5], 0x01);
    EXPECT_EQ(bytes[8], 0xFE);
    EXPECT_EQ(bytes[11], 0xFF);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[14], 8);
    EXPECT_EQ(bytes[32], 16);
}

TEST(Palette, HalftoneAndNearestIndex) {
    const TPalette halftone = CreateHalftonePalette();
    ASSERT_EQ(halftone.EntryCount(), 256u);
    EXPECT_EQ(halftone.Entry(0), (TPaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(halftone.Entry(1), (TPaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(halftone.NearestIndex(MakeColor(255, 255, 255)), 1u);
    EXPECT_EQ(halftone.NearestIndex(MakeColor(250, 2, 3)),
              halftone.NearestIndex(MakeColor(255, 0, 0)));
    TPalette cut = halftone;
    cut.Resize(2);
    EXPECT_EQ(cut.NearestIndex(MakeColor(100, 100, 100)), 0u);
    EXPECT_EQ(cut.NearestIndex(MakeColor(200, 200, 200)), 1u);
    EXPECT_EQ(TPalette().NearestIndex(0xFFFFFF), 0u);
}

}  // namespace
