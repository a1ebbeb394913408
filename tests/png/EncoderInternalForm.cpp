#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "EncoderTestSupport.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunkgAMA.h"
#include "png/TChunkpHYs.h"
#include "png/TChunktEXt.h"
#include "png/TChunktIME.h"
#include "png/TChunktRNS.h"

namespace enctest {

namespace {

void ExpectSameHeader(const TChunkIHDR& a, const TChunkIHDR& b) {
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    EXPECT_EQ(a.BitDepth, b.BitDepth);
    EXPECT_EQ(a.ColorType, b.ColorType);
    EXPECT_EQ(a.CompressionMethod, b.CompressionMethod);
    EXPECT_EQ(a.FilterMethod, b.FilterMethod);
    ASSERT_NE(a.BitmapHandle(), nullptr);
    ASSERT_NE(b.BitmapHandle(), nullptr);
    ASSERT_EQ(a.BitmapHandle()->ByteCount(), b.BitmapHandle()->ByteCount());
    EXPECT_EQ(0, std::memcmp(a.PixelRows(), b.PixelRows(), a.BitmapHandle()->ByteCount()))
        << "pixel rows differ";
    EXPECT_TRUE(a.AlphaPlane() == b.AlphaPlane()) << "alpha planes differ";
    EXPECT_EQ(a.LowBytePlane().size(), b.LowBytePlane().size());
    EXPECT_TRUE(std::all_of(b.LowBytePlane().begin(), b.LowBytePlane().end(), [](std::uint8_t v) {
        return v == 0;
    })) << "low bytes were written";
    EXPECT_EQ(a.UsesColorTable(), b.UsesColorTable());
    EXPECT_EQ(a.BitmapInfo().header.clrUsed, b.BitmapInfo().header.clrUsed);
    EXPECT_TRUE(a.BitmapInfo().colorTable == b.BitmapInfo().colorTable) << "colour tables differ";
    ASSERT_EQ(a.PaletteHandle() != nullptr, b.PaletteHandle() != nullptr);
    if (a.PaletteHandle() != nullptr) {
        EXPECT_TRUE(a.PaletteHandle()->Entries() == b.PaletteHandle()->Entries());
    }
}

void ExpectSameChunk(TChunk& a, TChunk& b) {
    ASSERT_EQ(std::string(a.TypeCode().data(), 4), std::string(b.TypeCode().data(), 4));
    ASSERT_EQ(typeid(a), typeid(b));
    if (auto* palette = dynamic_cast<TChunkPLTE*>(&a)) {
        EXPECT_EQ(palette->EntryCount, dynamic_cast<TChunkPLTE&>(b).EntryCount);
    } else if (auto* transparency = dynamic_cast<TChunktRNS*>(&a)) {
        auto& other = dynamic_cast<TChunktRNS&>(b);
        EXPECT_EQ(transparency->PayloadSize(), other.PayloadSize());
        EXPECT_EQ(transparency->SingleTransparent, other.SingleTransparent);
        auto expected = transparency->AlphaValues;
        // The key of a 16-bit grey or RGB picture is written with low bytes 0, like its samples.
        const TChunkIHDR& header = a.HeaderChunk();
        if (header.BitDepth == 16 && (header.ColorType == 0 || header.ColorType == 2)) {
            for (std::size_t i = 1; i < 6 && i < transparency->PayloadSize(); i += 2)
                expected[i] = 0;
        }
        EXPECT_TRUE(expected == other.AlphaValues);
    } else if (auto* gamma = dynamic_cast<TChunkgAMA*>(&a)) {
        EXPECT_EQ(gamma->GammaValue(), dynamic_cast<TChunkgAMA&>(b).GammaValue());
    } else if (auto* physical = dynamic_cast<TChunkpHYs*>(&a)) {
        auto& other = dynamic_cast<TChunkpHYs&>(b);
        EXPECT_EQ(physical->PixelsPerUnitX, other.PixelsPerUnitX);
        EXPECT_EQ(physical->PixelsPerUnitY, other.PixelsPerUnitY);
        EXPECT_EQ(physical->UnitSpecifier, other.UnitSpecifier);
    } else if (auto* time = dynamic_cast<TChunktIME*>(&a)) {
        auto& other = dynamic_cast<TChunktIME&>(b);
        EXPECT_EQ(time->Year, other.Year);
        EXPECT_EQ(time->Month, other.Month);
        EXPECT_EQ(time->Day, other.Day);
        EXPECT_EQ(time->Hour, other.Hour);
        EXPECT_EQ(time->Minute, other.Minute);
        EXPECT_EQ(time->Second, other.Second);
    } else if (auto* text = dynamic_cast<TChunktEXt*>(&a)) {
        auto& other = dynamic_cast<TChunktEXt&>(b);
        EXPECT_EQ(text->Keyword, other.Keyword);
        EXPECT_EQ(text->Text, other.Text);
    } else if (typeid(a) == typeid(TChunk)) {
        EXPECT_TRUE(std::ranges::equal(a.PayloadBytes(), b.PayloadBytes()))
            << "generic payload differs";
    }
}

}  // namespace

void ExpectSameInternalForm(TPNGObject& a, TPNGObject& b) {
    EXPECT_EQ(a.InterlaceMode, b.InterlaceMode);
    EXPECT_TRUE(a.DecodeGamma == b.DecodeGamma) << "decode gamma differs";
    EXPECT_TRUE(a.EncodeGamma == b.EncodeGamma) << "encode gamma differs";
    ASSERT_EQ(a.ChunkList().Count(), b.ChunkList().Count());
    ExpectSameHeader(a.Header(), b.Header());
    for (std::size_t i = 0; i < a.ChunkList().Count(); ++i) {
        SCOPED_TRACE(i);
        ExpectSameChunk(*a.ChunkList().Item(i), *b.ChunkList().Item(i));
    }
}

std::array<std::uint8_t, 3> ShownColor(const TPNGObject& picture, std::uint32_t x,
                                       std::uint32_t y) {
    const TChunkIHDR& header = picture.Header();
    const std::uint8_t* row = header.RowAddress(y);
    if (!header.UsesColorTable()) return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
    const std::uint32_t bits = header.BitmapInfo().header.bitCount;
    const std::uint32_t perByte = 8 / bits;
    const std::uint32_t index =
        (row[x / perByte] >> (8 - bits - bits * (x % perByte))) & ((1u << bits) - 1);
    const TRgbQuad& entry = header.BitmapInfo().colorTable[index];
    return {entry.red, entry.green, entry.blue};
}

}  // namespace enctest
