// Every valid PngSuite file read, written and read again: the same internal form, the same
// chunk order, and a stream libpng reads to the same pixels as our decode.
#include <gtest/gtest.h>

#include <algorithm>

#include "EncoderTestSupport.h"
#include "png/TChunkIHDR.h"

namespace enctest {
namespace {

// The chunk order the writer must keep: the file's own order without cHRM and without IDAT
// chunks after the first run of them.
std::vector<std::string> ExpectedOrder(const std::vector<RawChunk>& original) {
    std::vector<RawChunk> kept;
    bool runEnded = false;
    for (const RawChunk& chunk : original) {
        if (chunk.type == "cHRM") continue;
        if (chunk.type == "IDAT") {
            if (runEnded) continue;
        } else if (!kept.empty() && kept.back().type == "IDAT") {
            runEnded = true;
        }
        kept.push_back(chunk);
    }
    return ChunkOrder(kept);
}

class EncoderSuiteTest : public ::testing::TestWithParam<std::string> {};

TEST_P(EncoderSuiteTest, RoundTripKeepsInternalFormAndChunkOrder) {
    const Bytes original = LoadFile(SuiteFile(GetParam()));
    TPNGObject first;
    ReadInto(first, original);
    const Bytes written = WriteToBytes(first);
    TPNGObject second;
    ASSERT_NO_THROW(ReadInto(second, written));
    ExpectSameInternalForm(first, second);

    const auto chunks = ParseChunks(written);
    EXPECT_EQ(ChunkOrder(chunks), ExpectedOrder(ParseChunks(original)));
    ASSERT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.front().payload[12], first.InterlaceMode);

    // Freshly compressed with the defaults: full 65535-byte chunks and a shorter last one,
    // and the Sub filter on every row.
    const auto sizes = IdatSizes(chunks);
    ASSERT_FALSE(sizes.empty());
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 65535u);
    EXPECT_GT(sizes.back(), 0u);
    EXPECT_LE(sizes.back(), 65535u);
    const TChunkIHDR& header = second.Header();
    const auto filters =
        RowFilterTypes(Inflate(IdatStream(chunks)), header.Width, header.Height, header.BitDepth,
                       header.ColorType, second.InterlaceMode == 1);
    EXPECT_TRUE(std::all_of(filters.begin(), filters.end(), [](std::uint8_t f) { return f == 1; }));
}

// libpng must read what we write and see the pixels our decode shows (before our gamma
// table, which libpng is not asked to apply). Written with the defaults, with every filter
// allowed, and with the interlacing flipped, so every filter and both row loops meet every
// colour type and bit depth.
TEST_P(EncoderSuiteTest, LibpngReadsWhatWeWrite) {
    const Bytes original = LoadFile(SuiteFile(GetParam()));
    struct Variant {
        std::uint8_t filters;
        bool flipInterlace;
    };
    for (const Variant variant :
         {Variant{rfSub, false}, Variant{0x1F, false}, Variant{0x1F, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "filters " << int{variant.filters} << " flip " << variant.flipInterlace);
        TPNGObject picture;
        ReadInto(picture, original);
        picture.RowFilters = variant.filters;
        if (variant.flipInterlace) picture.InterlaceMode = picture.InterlaceMode == 1 ? 0 : 1;
        const Bytes written = WriteToBytes(picture);
        TPNGObject ours;
        ReadInto(ours, written);
        ExpectSameInternalForm(picture, ours);

        const LibpngImage reference = DecodeWithLibpng(written, true);
        const TChunkIHDR& header = ours.Header();
        ASSERT_EQ(reference.width, header.Width);
        ASSERT_EQ(reference.height, header.Height);
        EXPECT_EQ(reference.interlace, picture.InterlaceMode);
        EXPECT_EQ(reference.fileBitDepth, header.BitDepth);
        const bool grey = reference.channels <= 2;
        // libpng adds an alpha channel for tRNS as well; only colour types 4 and 6 keep a plane.
        const bool alpha = reference.fileColorType == 4 || reference.fileColorType == 6;
        std::size_t mismatches = 0;
        for (std::uint32_t y = 0; y < header.Height; ++y) {
            for (std::uint32_t x = 0; x < header.Width; ++x) {
                const std::uint8_t* sample =
                    reference.samples.data() +
                    (static_cast<std::size_t>(y) * header.Width + x) * reference.channels;
                const auto& gamma = ours.DecodeGamma;
                const std::array<std::uint8_t, 3> expected{
                    gamma[sample[0]], gamma[sample[grey ? 0 : 1]], gamma[sample[grey ? 0 : 2]]};
                if (ShownColor(ours, x, y) != expected) ++mismatches;
                if (alpha && header.AlphaRowAddress(y)[x] != sample[reference.channels - 1])
                    ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0u);
        if (header.BitDepth == 16) {
            const LibpngImage wide = DecodeWithLibpng(written, false);
            // Channels beyond the file's own are libpng's alpha made from tRNS.
            const std::size_t fileChannels =
                std::array<std::size_t, 7>{1, 0, 3, 1, 2, 0, 4}[wide.fileColorType];
            bool lowBytesZero = true;
            for (std::size_t i = 0; i < wide.samples.size(); i += 2) {
                if ((i / 2) % wide.channels < fileChannels)
                    lowBytesZero = lowBytesZero && wide.samples[i + 1] == 0;
            }
            EXPECT_TRUE(lowBytesZero);
        }
    }
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.size() - 4);
}

INSTANTIATE_TEST_SUITE_P(PngSuite, EncoderSuiteTest, testing::ValuesIn(ValidSuiteFiles()),
                         TestName);

}  // namespace
}  // namespace enctest
