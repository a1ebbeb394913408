// The image data side of the writer: chunk sizes, settings, row filters.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "EncoderTestSupport.h"
#include "core/TMemoryStream.h"
#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/RowFilterChooser.h"
#include "png/TChunkIHDR.h"

namespace enctest {
namespace {

struct Shape {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t colorType = 0;
    std::uint8_t bitDepth = 8;
};

// A picture whose bytes follow a pattern that does not repeat, written at level 0 without
// filtering, so that its zlib stream is the rows in stored blocks.
std::unique_ptr<TPNGObject> StoredPicture(const Shape& shape) {
    auto picture = MakePicture(shape.width, shape.height, shape.bitDepth, shape.colorType);
    TChunkIHDR& header = picture->Header();
    // Only the pixels: the padding at the end of a stored row is never written.
    const std::size_t rowBytes =
        (std::size_t{header.BitmapInfo().header.bitCount} * shape.width + 7) / 8;
    std::uint32_t state = 12345;
    for (std::uint32_t y = 0; y < shape.height; ++y) {
        std::uint8_t* row = header.RowAddress(y);
        if (row == nullptr) throw std::runtime_error("picture without pixel memory");
        for (std::size_t x = 0; x < rowBytes; ++x) {
            state = state * 1103515245 + 12345;
            row[x] = static_cast<std::uint8_t>(state >> 16);
        }
    }
    picture->DeflateLevel = 0;
    picture->RowFilters = rfNone;
    return picture;
}

std::size_t CompressedSize(const std::vector<std::size_t>& sizes) {
    return std::accumulate(sizes.begin(), sizes.end(), std::size_t{0});
}

std::size_t StoredSize(const Shape& shape) {
    auto picture = StoredPicture(shape);
    return CompressedSize(IdatSizes(ParseChunks(WriteToBytes(*picture))));
}

// Finds a picture whose image data compresses to exactly `target` bytes at level 0. Every
// stored block adds five bytes, so a size is not reachable with every row length: the search
// tries several pixel sizes (1 to 8 bytes) and row counts, moving the width (at most 65535)
// towards the target and trying the widths around where it stops.
Shape ShapeCompressingTo(std::size_t target) {
    const std::pair<std::uint8_t, std::uint8_t> kinds[] = {{0, 8}, {0, 16}, {2, 8},
                                                           {6, 8}, {2, 16}, {6, 16}};
    for (const auto& [colorType, bitDepth] : kinds) {
        const std::int64_t pixelBytes = png::BytesPerPixelFor(colorType, bitDepth);
        for (std::uint32_t height = 1; height <= 4; ++height) {
            Shape shape{1, height, colorType, bitDepth};
            auto width = std::clamp<std::int64_t>(
                static_cast<std::int64_t>(target) / (height * pixelBytes), 1, 65535);
            for (int step = 0; step < 10; ++step) {
                shape.width = static_cast<std::uint32_t>(width);
                const auto size = static_cast<std::int64_t>(StoredSize(shape));
                const std::int64_t move =
                    (static_cast<std::int64_t>(target) - size) / (height * pixelBytes);
                if (move == 0) break;
                width = std::clamp<std::int64_t>(width + move, 1, 65535);
            }
            for (std::int64_t w = std::max<std::int64_t>(1, width - 2);
                 w <= std::min<std::int64_t>(65535, width + 2); ++w) {
                shape.width = static_cast<std::uint32_t>(w);
                if (StoredSize(shape) == target) return shape;
            }
        }
    }
    return {};
}

TEST(EncoderIdatTest, ChunksSplitAtIdatChunkSize) {
    struct Case {
        std::size_t compressed;
        std::vector<std::size_t> chunks;
    };
    for (const Case& c :
         {Case{65534, {65534}}, Case{65535, {65535}}, Case{65536, {65535, 1}},
          Case{65537, {65535, 2}}, Case{131070, {65535, 65535}}, Case{131071, {65535, 65535, 1}}}) {
        SCOPED_TRACE(c.compressed);
        const Shape shape = ShapeCompressingTo(c.compressed);
        ASSERT_NE(shape.width, 0u) << "no picture compresses to this size";
        auto picture = StoredPicture(shape);
        const Bytes written = WriteToBytes(*picture);
        const auto chunks = ParseChunks(written);
        EXPECT_EQ(IdatSizes(chunks), c.chunks);
        // The chunks hold one zlib stream that gives the picture back.
        EXPECT_EQ(Inflate(IdatStream(chunks)).size(),
                  std::size_t{png::RowBytesFor(shape.colorType, shape.bitDepth, shape.width) + 1} *
                      shape.height);
        TPNGObject back;
        ReadInto(back, written);
        ExpectSameInternalForm(*picture, back);
    }
}

TEST(EncoderIdatTest, IdatChunkSizeHasFloorAndSetsChunkLength) {
    TPNGObject picture;
    EXPECT_EQ(picture.IdatChunkSize(), 65535u);
    for (const std::uint32_t tooSmall : {0u, 1u, 65534u}) {
        picture.SetIdatChunkSize(tooSmall);
        EXPECT_EQ(picture.IdatChunkSize(), 65535u);
    }
    picture.SetIdatChunkSize(65536);
    EXPECT_EQ(picture.IdatChunkSize(), 65536u);

    auto stored = StoredPicture({50000, 4, 0, 8});
    stored->SetIdatChunkSize(70000);
    const auto chunks = ParseChunks(WriteToBytes(*stored));
    const auto sizes = IdatSizes(chunks);
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], 70000u);
    EXPECT_EQ(sizes[1], 70000u);
    EXPECT_LT(sizes[2], 70000u);
    EXPECT_EQ(Inflate(IdatStream(chunks)).size(), 200004u);
}

TEST(EncoderIdatTest, DefaultsAreSubLevel7AndChunkSize65535) {
    const TPNGObject picture;
    EXPECT_EQ(picture.RowFilters, rfSub);
    EXPECT_EQ(picture.DeflateLevel, 7);
    EXPECT_EQ(picture.InterlaceMode, 0);
    EXPECT_EQ(picture.IdatChunkSize(), 65535u);
}

TEST(EncoderIdatTest, ZlibStreamUsesTheLevelAndDefaultWindow) {
    auto picture = StoredPicture({1000, 1, 0, 8});
    for (const std::uint8_t level : {0, 1, 7, 9}) {
        picture->DeflateLevel = level;
        const Bytes stream = IdatStream(ParseChunks(WriteToBytes(*picture)));
        ASSERT_GE(stream.size(), 2u);
        // CMF: deflate with a 32 KiB window; FLEVEL in the top bits of FLG (RFC 1950).
        EXPECT_EQ(stream[0], 0x78);
        const int expectedFlevel = level < 2 ? 0 : (level < 6 ? 1 : (level == 6 ? 2 : 3));
        EXPECT_EQ(stream[1] >> 6, expectedFlevel);
    }
}

// Chooser scores, computed by hand: a candidate scores at j >= 2 when its byte repeats the
// byte at j - 1 or j - 2.
TEST(EncoderIdatTest, RepetitionScore) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::size_t score;
    };
    for (const Case& c :
         {Case{{}, 0}, Case{{7, 7}, 0}, Case{{1, 2, 3, 4}, 0}, Case{{5, 5, 5}, 1},
          Case{{1, 2, 1, 2, 1}, 3}, Case{{0, 1, 1, 1, 1, 1, 1}, 5}, Case{{9, 8, 7, 9, 8, 7}, 0}}) {
        EXPECT_EQ(png::RowFilterChooser::RepetitionScore(c.bytes.data(), c.bytes.size()), c.score);
    }
}

struct ChoiceCase {
    std::uint8_t filters;
    std::vector<std::uint8_t> prior;
    std::vector<std::uint8_t> raw;
    std::uint8_t expected;
};

TEST(EncoderIdatTest, FilterChoice) {
    const std::vector<ChoiceCase> cases{
        // First row: Sub and Paeth give the same candidate (0 1 1 1 1 1 1, score 5); the
        // earlier type wins the tie.
        {rfSub | rfPaeth, {}, {0, 1, 2, 3, 4, 5, 6}, 1},
        // A single filter is taken without scoring, even when it scores nothing.
        {rfPaeth, {}, {9, 3, 200, 17, 64}, 4},
        {rfUp, {9, 3, 200, 17, 64}, {9, 3, 200, 17, 64}, 2},
        // Nothing scores: filter 0 although it is not in the set.
        {rfSub | rfUp, {}, {10, 30}, 0},
        {rfSub | rfUp, {}, {0, 50, 150, 7, 90}, 0},
        // Up turns a repeated row into zeros and beats Sub.
        {rfSub | rfUp, {3, 90, 41, 7, 250, 12}, {3, 90, 41, 7, 250, 12}, 2},
        // The unfiltered row scores best.
        {rfNone | rfSub | rfUp, {0, 0, 0, 0, 0, 0}, {1, 3, 1, 3, 1, 3}, 0},
        // Average leaves 50 7 7 7 7 7 (score 4) where Sub repeats nothing.
        {rfSub | rfAverage, {0, 100, 20, 200, 40, 180}, {50, 82, 58, 136, 95, 144}, 3},
        // Set {rfNone} and the empty set both mean filter 0.
        {rfNone, {}, {5, 5, 5, 5}, 0},
        {0, {}, {5, 5, 5, 5}, 0},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const ChoiceCase& c = cases[i];
        png::RowFilterChooser chooser(c.filters, c.raw.size(), 1);
        chooser.ResetPrior(c.raw.size());
        if (!c.prior.empty()) {
            std::copy(c.prior.begin(), c.prior.end(), chooser.RawRow());
            chooser.Choose(c.prior.size());
        }
        std::copy(c.raw.begin(), c.raw.end(), chooser.RawRow());
        EXPECT_EQ(chooser.Choose(c.raw.size()).filterType, c.expected);
    }
}

// Through the whole writer: with several filters allowed the rows carry the chosen types,
// and the image reads back unchanged.
TEST(EncoderIdatTest, SeveralFiltersInWrittenImage) {
    auto picture = MakePicture(64, 4, 8, 0);
    TChunkIHDR& header = picture->Header();
    for (std::uint32_t x = 0; x < 64; ++x) {
        // A ramp (Sub gives constant bytes), a sequence that Sub makes nearly constant, the
        // same sequence again (Up gives zeros) and a flat row (Sub gives zeros, first of a tie).
        header.RowAddress(0)[x] = static_cast<std::uint8_t>(x * 3);
        header.RowAddress(1)[x] = static_cast<std::uint8_t>((x * 7919u + 13) % 251);
        header.RowAddress(2)[x] = static_cast<std::uint8_t>((x * 7919u + 13) % 251);
        header.RowAddress(3)[x] = 77;
    }
    picture->RowFilters = rfSub | rfUp | rfAverage | rfPaeth;
    const Bytes written = WriteToBytes(*picture);
    const auto types =
        RowFilterTypes(Inflate(IdatStream(ParseChunks(written))), 64, 4, 8, 0, false);
    EXPECT_EQ(types, (std::vector<std::uint8_t>{1, 1, 2, 1}));
    TPNGObject back;
    ReadInto(back, written);
    ExpectSameInternalForm(*picture, back);
}

TEST(EncoderIdatTest, UnusableDeflateLevelIsAnError) {
    auto picture = StoredPicture({100, 1, 0, 8});
    picture->DeflateLevel = 10;
    TMemoryStream stream;
    try {
        picture->WriteToStream(stream);
        FAIL() << "no error";
    } catch (const EPngError& error) {
        EXPECT_EQ(error.Message(),
                  "Could not compress the image data.\r\n Description: stream error (-2)");
    }
    // Nothing after the header made it into the stream: no IDAT, no IEND.
    const Bytes bytes(stream.Bytes().begin(), stream.Bytes().end());
    EXPECT_EQ(ChunkOrder(ParseChunks(bytes)), (std::vector<std::string>{"IHDR"}));
}

}  // namespace
}  // namespace enctest
