// Decoding of the IDAT run: the zlib stream spread over chunks of any size, each chunk's
// CRC, the inverse filters, Adam7 passes, and where the stream stands afterwards.
#include <gtest/gtest.h>
#include <zlib.h>

#include <typeinfo>

#include "PngTestSupport.h"
#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/RowFilters.h"
#include "png/TChunkIHDR.h"

namespace {

using pngtest::Bytes;
using pngtest::PngBuilder;

// 5 x 3 RGB image, one row per filter type, so every reconstruction is exercised.
const Bytes kRgbIhdr = pngtest::Ihdr(5, 3, 8, 2);
Bytes RgbRows() {
    Bytes rows;
    for (std::uint8_t r = 0; r < 3; ++r) {
        rows.push_back(static_cast<std::uint8_t>(r + 1));  // Sub, Up, Average
        for (std::uint8_t i = 0; i < 15; ++i)
            rows.push_back(static_cast<std::uint8_t>(i * 17 + r * 5));
    }
    return rows;
}

Bytes PixelsOf(const TPNGObject& picture) {
    Bytes out;
    for (std::int32_t y = 0; y < picture.PixelHeight(); ++y) {
        for (std::int32_t x = 0; x < picture.PixelWidth(); ++x) {
            const TColor color = picture.PixelAt(x, y);
            out.insert(out.end(), {ColorRed(color), ColorGreen(color), ColorBlue(color)});
        }
    }
    return out;
}

// The zlib stream cut into IDAT chunks of the given sizes (the last one takes the rest).
Bytes SplitPng(const Bytes& ihdr, const Bytes& zlib, const std::vector<std::size_t>& sizes,
               int badCrcChunk = -1) {
    PngBuilder builder;
    builder.Chunk("IHDR", ihdr);
    std::size_t at = 0;
    for (std::size_t i = 0; i <= sizes.size(); ++i) {
        const std::size_t size = i < sizes.size() ? sizes[i] : zlib.size() - at;
        const Bytes piece(zlib.begin() + static_cast<std::ptrdiff_t>(at),
                          zlib.begin() + static_cast<std::ptrdiff_t>(at + size));
        const std::uint32_t crc = pngtest::ChunkCrc("IDAT", piece);
        builder.ChunkWithCrc("IDAT", piece, static_cast<int>(i) == badCrcChunk ? crc ^ 1 : crc);
        at += size;
    }
    return builder.Chunk("IEND", {}).Data();
}

TEST(IdatDecoding, AnySplitOfTheZlibStreamDecodesTheSame) {
    const Bytes zlib = pngtest::Zlib(RgbRows());
    TPNGObject reference;
    pngtest::ReadPng(reference, SplitPng(kRgbIhdr, zlib, {}));
    const Bytes expected = PixelsOf(reference);
    const std::vector<std::vector<std::size_t>> splits{
        {1}, {1, 1, 1, 1}, {0, 3, 0, 0, 5}, {zlib.size() - 1}, {2, 0, 1, 0, 7}};
    for (const auto& split : splits) {
        TPNGObject picture;
        TMemoryStream stream(SplitPng(kRgbIhdr, zlib, split));
        EXPECT_EQ(pngtest::ReadPngAt(picture, stream), stream.Size());
        EXPECT_EQ(PixelsOf(picture), expected);
        EXPECT_EQ(picture.ChunkList().Count(), 3u);
    }
}

TEST(IdatDecoding, BadCrcInAnyChunkOfTheRun) {
    const Bytes zlib = pngtest::Zlib(RgbRows());
    const std::vector<std::size_t> split{1, 0, 4, 1};
    for (int bad = 0; bad <= static_cast<int>(split.size()); ++bad) {
        TPNGObject picture;
        EXPECT_THROW(pngtest::ReadPng(picture, SplitPng(kRgbIhdr, zlib, split, bad)),
                     EPngInvalidCRC)
            << bad;
    }
}

TEST(IdatDecoding, TrailerOnlyChunkIsSkippedAndRunsEnd) {
    // The rows end before the zlib trailer: the last 4 bytes (Adler-32) sit in their own chunk,
    // which the decoder never reads and the chunk loop drops without a CRC test.
    const Bytes zlib = pngtest::Zlib(RgbRows());
    PngBuilder builder;
    builder.Chunk("IHDR", kRgbIhdr)
        .Chunk("IDAT", Bytes(zlib.begin(), zlib.end() - 4))
        .ChunkWithCrc("IDAT", Bytes(zlib.end() - 4, zlib.end()), 0)
        .Chunk("IEND", {});
    TPNGObject picture;
    pngtest::ReadPng(picture, builder.Data());
    EXPECT_EQ(picture.ChunkList().Count(), 3u);
}

TEST(IdatDecoding, MissingAndTruncatedData) {
    const Bytes zlib = pngtest::Zlib(RgbRows());
    const Bytes half(zlib.begin(), zlib.begin() + static_cast<std::ptrdiff_t>(zlib.size() / 2));
    TPNGObject picture;
    // Another chunk follows the exhausted IDAT while rows are missing.
    EXPECT_THROW(
        pngtest::ReadPng(
            picture,
            PngBuilder().Chunk("IHDR", kRgbIhdr).Chunk("IDAT", half).Chunk("IEND", {}).Data()),
        EPNGMissingMultipleIDAT);
    // The stream ends right after the IDAT chunk's CRC.
    EXPECT_THROW(
        pngtest::ReadPng(picture, PngBuilder().Chunk("IHDR", kRgbIhdr).Chunk("IDAT", half).Data()),
        EPNGMissingMultipleIDAT);
    // The stream ends inside the IDAT chunk: the CRC cannot be read.
    Bytes cut = PngBuilder().Chunk("IHDR", kRgbIhdr).Chunk("IDAT", zlib).Data();
    cut.resize(cut.size() - 4 - zlib.size() / 2);
    EXPECT_THROW(pngtest::ReadPng(picture, cut), EPngInvalidCRC);
    EXPECT_EQ(picture.ChunkList().Count(), 2u);
    // A zlib stream that ends before the image is complete.
    const Bytes allRows = RgbRows();
    const Bytes shortRows(allRows.begin(), allRows.begin() + 20);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(kRgbIhdr, shortRows)),
                 EPNGMissingMultipleIDAT);
}

TEST(IdatDecoding, ZlibErrorsCarryZlibsResultText) {
    TPNGObject picture;
    try {
        pngtest::ReadPng(picture, PngBuilder()
                                      .Chunk("IHDR", kRgbIhdr)
                                      .Chunk("IDAT", {0x78, 0x9C, 0xFF, 0xFF, 0xFF})
                                      .Chunk("IEND", {})
                                      .Data());
        ADD_FAILURE();
    } catch (const EPNGZLIBError& error) {
        EXPECT_EQ(error.Message(),
                  "Could not decompress the image because it contains invalid compressed data.\r\n "
                  "Description: data "
                  "error (-3)");
    }
    // A stream asking for a preset dictionary can never make progress; it must not spin.
    try {
        pngtest::ReadPng(picture, PngBuilder()
                                      .Chunk("IHDR", kRgbIhdr)
                                      .Chunk("IDAT", {0x78, 0xBB, 0, 0, 0, 1, 3, 0})
                                      .Chunk("IEND", {})
                                      .Data());
        ADD_FAILURE();
    } catch (const EPNGZLIBError& error) {
        EXPECT_NE(error.Message().find("need dictionary (2)"), std::string::npos);
    }
}

TEST(IdatDecoding, LargeLastChunkLeavesTheStreamAfterItsCrc) {
    // 200 x 200 RGB stored (level 0) is well over 65535 compressed bytes in one chunk; junk
    // after the zlib stream inside the chunk is read into the CRC, not left in the stream.
    Bytes rows;
    for (int y = 0; y < 200; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 600; ++x) rows.push_back(static_cast<std::uint8_t>(x * y));
    }
    Bytes zlib = pngtest::Zlib(rows, 0);
    zlib.insert(zlib.end(), 70000, 0xAB);
    TPNGObject picture;
    TMemoryStream stream(PngBuilder()
                             .Chunk("IHDR", pngtest::Ihdr(200, 200, 8, 2))
                             .Chunk("IDAT", zlib)
                             .Chunk("tEXt", {'k', 0, 'v'})
                             .Chunk("IEND", {})
                             .Data());
    EXPECT_EQ(pngtest::ReadPngAt(picture, stream), stream.Size());
    EXPECT_EQ(picture.ChunkList().Count(), 4u);
    EXPECT_EQ(picture.PixelAt(3, 5), MakeColor(45, 50, 55));
    // The same with a damaged byte in the unread rest fails the chunk's CRC.
    Bytes damaged = PngBuilder()
                        .Chunk("IHDR", pngtest::Ihdr(200, 200, 8, 2))
                        .Chunk("IDAT", zlib)
                        .Chunk("IEND", {})
                        .Data();
    damaged[damaged.size() - 12 - 4 - 10] ^= 0xFF;
    EXPECT_THROW(pngtest::ReadPng(picture, damaged), EPngInvalidCRC);
}

TEST(RowFilters, ReconstructionArithmetic) {
    // Average adds before halving: prior 200 and left 100 predict 150, not (300 mod 256) / 2.
    Bytes row{0, 0, 0, 10};
    const Bytes prior{0, 0, 0, 200};
    row[2] = 100;
    png::UnfilterRow(png::kFilterAverage, row.data() + 2, prior.data() + 2, 2, 1);
    EXPECT_EQ(row[3], 160);
    // Sub, Average and Paeth see 0 left of the first pixel: 6 bytes for 16-bit RGB.
    Bytes wide(13, 1);
    const Bytes zeros(13, 0);
    png::UnfilterRow(png::kFilterSub, wide.data() + 1, zeros.data() + 1, 12, 6);
    EXPECT_EQ(Bytes(wide.begin() + 1, wide.end()), Bytes({1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2}));
    Bytes paeth{0, 5, 7};
    const Bytes above{0, 9, 3};
    png::UnfilterRow(png::kFilterPaeth, paeth.data() + 1, above.data() + 1, 2, 1);
    // First byte: predictor b = 9; second: a = 14, b = 3, c = 9 -> p = 8, nearest is c (9).
    EXPECT_EQ(paeth[1], 14);
    EXPECT_EQ(paeth[2], 16);
    EXPECT_EQ(png::PaethPredictor(14, 3, 9), 9);
    EXPECT_EQ(png::PaethPredictor(10, 10, 10), 10);
    EXPECT_EQ(png::PaethPredictor(1, 5, 3), 3);
    EXPECT_EQ(png::PaethPredictor(1, 5, 9), 1);
    // Unknown filter types leave the row alone.
    Bytes odd{0, 42, 43};
    png::UnfilterRow(5, odd.data() + 1, above.data() + 1, 2, 1);
    EXPECT_EQ(odd, Bytes({0, 42, 43}));
}

TEST(RowFilters, EveryDistanceMatchesTheStandardsDefinition) {
    // The specialised loops against the plain formula of the standard, for every filter
    // distance the formats use.
    for (std::uint32_t bpp : {1u, 2u, 3u, 4u, 6u, 8u}) {
        for (std::uint8_t filter = 0; filter <= 4; ++filter) {
            Bytes row(50), prior(50);
            for (std::size_t i = 0; i < 50; ++i) {
                row[i] = static_cast<std::uint8_t>(i * 37 + filter);
                prior[i] = static_cast<std::uint8_t>(255 - i * 11);
            }
            Bytes expected = row;
            for (std::size_t i = 0; i < 50; ++i) {
                const int a = i >= bpp ? expected[i - bpp] : 0;
                const int b = prior[i];
                const int c = i >= bpp ? prior[i - bpp] : 0;
                int predictor = 0;
                if (filter == 1) predictor = a;
                if (filter == 2) predictor = b;
                if (filter == 3) predictor = (a + b) / 2;
                if (filter == 4)
                    predictor = png::PaethPredictor(static_cast<std::uint8_t>(a),
                                                    static_cast<std::uint8_t>(b),
                                                    static_cast<std::uint8_t>(c));
                expected[i] = static_cast<std::uint8_t>(expected[i] + predictor);
            }
            png::UnfilterRow(filter, row.data(), prior.data(), row.size(), bpp);
            EXPECT_EQ(row, expected) << "bpp " << bpp << " filter " << int(filter);
        }
    }
}

TEST(Adam7, NarrowImagesHaveEmptyPasses) {
    // 1 x 3 grey: passes 0 (row 0), 4 (row 2) and 6 (row 1) hold data; the others have no
    // columns or no rows and read no filter byte.
    TPNGObject picture;
    pngtest::ReadPng(picture,
                     pngtest::SimplePng(pngtest::Ihdr(1, 3, 8, 0, 1), {0, 10, 0, 30, 0, 20}));
    EXPECT_EQ(picture.PixelAt(0, 0), 0x0A0A0Au);
    EXPECT_EQ(picture.PixelAt(0, 1), 0x141414u);
    EXPECT_EQ(picture.PixelAt(0, 2), 0x1E1E1Eu);
    pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 8, 2, 1), {0, 1, 2, 3}));
    EXPECT_EQ(picture.PixelAt(0, 0), MakeColor(1, 2, 3));
    EXPECT_EQ(picture.InterlaceMode, 1);
}

TEST(Adam7, EachPassStartsAgainstZeros) {
    // 2 x 2 grey: pass 0 (0,0), pass 5 (1,0), pass 6 row 1. Pass 6 uses Up: it must add
    // zeros, not the bytes of pass 5.
    TPNGObject picture;
    pngtest::ReadPng(picture,
                     pngtest::SimplePng(pngtest::Ihdr(2, 2, 8, 0, 1), {0, 50, 2, 60, 2, 70, 80}));
    EXPECT_EQ(picture.PixelAt(0, 0), 0x323232u);
    EXPECT_EQ(picture.PixelAt(1, 0), 0x3C3C3Cu);
    EXPECT_EQ(picture.PixelAt(0, 1), 0x464646u);
    EXPECT_EQ(picture.PixelAt(1, 1), 0x505050u);
}

}  // namespace
