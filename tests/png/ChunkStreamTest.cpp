// The chunk loop of ReadFromStream: which chunks are kept after each outcome, and the rules
// for cHRM, later IDAT runs, unknown chunks, CRCs and chunk lengths.
#include <gtest/gtest.h>

#include <typeinfo>

#include "PngTestSupport.h"
#include "png/PngErrors.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIEND.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkgAMA.h"

namespace {

using pngtest::Bytes;
using pngtest::PngBuilder;

// A 2 x 2 8-bit grey image, rows filtered with None.
const Bytes kGreyRows{0, 10, 20, 0, 30, 40};
const Bytes kGreyIhdr = pngtest::Ihdr(2, 2, 8, 0);

std::string TypesOf(const TPNGObject& picture) {
    std::string types;
    for (const auto& chunk : picture.ChunkList()) {
        if (!types.empty()) types += ' ';
        types.append(chunk->TypeCode().data(), 4);
    }
    return types;
}

template <typename Error>
void ExpectReadError(TPNGObject& picture, const Bytes& bytes) {
    try {
        pngtest::ReadPng(picture, bytes);
        ADD_FAILURE() << "read succeeded, expected " << typeid(Error).name();
    } catch (const EPngError& error) {
        EXPECT_EQ(std::string(typeid(error).name()), typeid(Error).name()) << error.Message();
    }
}

TEST(ChunkStream, SignatureAndFirstChunk) {
    TPNGObject picture;
    ExpectReadError<EPNGInvalidFileHeader>(picture, {0x89, 'P', 'N', 'G'});
    ExpectReadError<EPngUnexpectedEnd>(picture, PngBuilder().Data());
    EXPECT_TRUE(picture.IsEmpty());
    ExpectReadError<EPNGIHDRNotFirst>(picture,
                                      PngBuilder().Chunk("gAMA", pngtest::U32(45455)).Data());
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(picture.PixelWidth(), 0);
    EXPECT_THROW(picture.Header(), EPNGHeaderNotPresent);
}

TEST(ChunkStream, KeptChunksAfterEachFailure) {
    TPNGObject picture;
    // No IEND: the stream ends where the next Length should be; the chunks read stay.
    ExpectReadError<EPngUnexpectedEnd>(
        picture,
        PngBuilder().Chunk("IHDR", kGreyIhdr).Chunk("IDAT", pngtest::Zlib(kGreyRows)).Data());
    EXPECT_EQ(TypesOf(picture), "IHDR IDAT");
    ExpectReadError<EPNGNoImageData>(
        picture, PngBuilder().Chunk("IHDR", kGreyIhdr).Chunk("IEND", {}).Data());
    EXPECT_EQ(TypesOf(picture), "IHDR IEND");
    // The failing chunk itself is kept when it was created.
    ExpectReadError<EPNGUnknownCriticalChunk>(
        picture,
        PngBuilder().Chunk("IHDR", kGreyIhdr).Chunk("ABCD", {1, 2}).Chunk("IEND", {}).Data());
    EXPECT_EQ(TypesOf(picture), "IHDR ABCD");
    ExpectReadError<EPngInvalidCRC>(picture, PngBuilder()
                                                 .Chunk("IHDR", kGreyIhdr)
                                                 .ChunkWithCrc("teXt", {1}, 0)
                                                 .Chunk("IEND", {})
                                                 .Data());
    EXPECT_EQ(TypesOf(picture), "IHDR teXt");
}

TEST(ChunkStream, ReadDiscardsThePreviousPicture) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(kGreyIhdr, kGreyRows));
    EXPECT_EQ(TypesOf(picture), "IHDR IDAT IEND");
    ExpectReadError<EPNGIHDRNotFirst>(picture, PngBuilder().Chunk("IEND", {}).Data());
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(ChunkStream, CaseSensitiveTypesAndUnknownChunks) {
    TPNGObject picture;
    const Bytes custom{'k', 'e', 'e', 'p', 0, 255};
    pngtest::ReadPng(picture, PngBuilder()
                                  .Chunk("IHDR", kGreyIhdr)
                                  .Chunk("idat", {9, 9})
                                  .Chunk("prIv", custom)
                                  .Chunk("IDAT", pngtest::Zlib(kGreyRows))
                                  .Chunk("IEND", {})
                                  .Data());
    EXPECT_EQ(TypesOf(picture), "IHDR idat prIv IDAT IEND");
    TChunk* generic = picture.ChunkList().Item(2);
    EXPECT_EQ(typeid(*generic), typeid(TChunk));
    EXPECT_EQ(Bytes(generic->PayloadBytes().begin(), generic->PayloadBytes().end()), custom);
    // Written back byte for byte: length, type, payload and CRC.
    TMemoryStream out;
    generic->WriteChunk(out);
    const Bytes expected = PngBuilder(false).Chunk("prIv", custom).Data();
    EXPECT_EQ(Bytes(out.Bytes().begin(), out.Bytes().end()), expected);
}

TEST(ChunkStream, ChrmAndLaterIdatRunsAreSkippedUnchecked) {
    TPNGObject picture;
    const Bytes zlib = pngtest::Zlib(kGreyRows);
    TMemoryStream stream(PngBuilder()
                             .Chunk("IHDR", kGreyIhdr)
                             .ChunkWithCrc("cHRM", Bytes(32, 7), 0xDEADBEEF)
                             .Chunk("IDAT", zlib)
                             .Chunk("tEXt", {'a', 0, 'b'})
                             .ChunkWithCrc("IDAT", {1, 2, 3}, 0x12345678)
                             .Chunk("IEND", {})
                             .Data());
    const std::int64_t end = pngtest::ReadPngAt(picture, stream);
    EXPECT_EQ(TypesOf(picture), "IHDR IDAT tEXt IEND");
    EXPECT_EQ(end, stream.Size());
    EXPECT_EQ(picture.PixelAt(1, 1), 0x282828u);
}

TEST(ChunkStream, IendCarriesTheCrcOfItsType) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(kGreyIhdr, kGreyRows));
    TMemoryStream out;
    picture.ChunkList().Item(2)->WriteChunk(out);
    const Bytes expected{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    EXPECT_EQ(Bytes(out.Bytes().begin(), out.Bytes().end()), expected);
    // A wrong IEND CRC fails the read; IEND is checked like any chunk.
    ExpectReadError<EPngInvalidCRC>(picture, PngBuilder()
                                                 .Chunk("IHDR", kGreyIhdr)
                                                 .Chunk("IDAT", pngtest::Zlib(kGreyRows))
                                                 .ChunkWithCrc("IEND", {}, 0xAE426083)
                                                 .Data());
    EXPECT_EQ(TypesOf(picture), "IHDR IDAT IEND");
}

TEST(ChunkStream, NothingAfterIendIsRead) {
    TPNGObject picture;
    Bytes bytes = pngtest::SimplePng(kGreyIhdr, kGreyRows);
    bytes.insert(bytes.end(), {'j', 'u', 'n', 'k'});
    TMemoryStream stream(bytes);
    EXPECT_EQ(pngtest::ReadPngAt(picture, stream), stream.Size() - 4);
}

TEST(ChunkStream, TruncationAtEveryChunkBoundary) {
    PngBuilder builder;
    builder.Chunk("IHDR", kGreyIhdr)
        .Chunk("gAMA", pngtest::U32(100000))
        .Chunk("IDAT", pngtest::Zlib(kGreyRows));
    builder.Chunk("IEND", {});
    const Bytes full = builder.Data();
    const auto& starts = builder.ChunkStarts();
    // Cut before IHDR, gAMA, IDAT and IEND; then cut just inside each chunk's frame.
    const std::vector<std::string> keptAtCut{"", "IHDR", "IHDR gAMA", "IHDR gAMA IDAT"};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        TPNGObject picture;
        ExpectReadError<EPngUnexpectedEnd>(picture, Bytes(full.begin(), full.begin() + starts[i]));
        EXPECT_EQ(TypesOf(picture), keptAtCut[i]) << "cut before chunk " << i;
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t chunkEnd = i + 1 < starts.size() ? starts[i + 1] : full.size();
        TPNGObject picture;
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(chunkEnd - 1));
        if (i == 2) {
            // The IDAT run ends in its CRC: the decoder reports it as a CRC mismatch.
            ExpectReadError<EPngInvalidCRC>(picture, cut);
        } else {
            ExpectReadError<EPngInvalidCRC>(picture, cut);
        }
    }
}

TEST(ChunkStream, ChunkLengthLimits) {
    TPNGObject picture;
    // 2^31 - 1 is a valid length; the stream simply cannot deliver it.
    Bytes almost = PngBuilder().Chunk("IHDR", kGreyIhdr).Data();
    for (std::uint8_t b : pngtest::U32(0x7FFFFFFF)) almost.push_back(b);
    almost.insert(almost.end(), {'c', 'H', 'R', 'M'});
    ExpectReadError<EPngUnexpectedEnd>(picture, almost);
    // 2^31 reads as negative in a signed field: refused before anything is allocated.
    Bytes negative = PngBuilder().Chunk("IHDR", kGreyIhdr).Data();
    for (std::uint8_t b : pngtest::U32(0x80000000)) negative.push_back(b);
    negative.insert(negative.end(), {'t', 'E', 'X', 't', 0, 0, 0, 0});
    ExpectReadError<EPNGChunkTooLarge>(picture, negative);
    EXPECT_EQ(TypesOf(picture), "IHDR");
    Bytes skipped = PngBuilder().Chunk("IHDR", kGreyIhdr).Data();
    for (std::uint8_t b : pngtest::U32(0xFFFFFFFF)) skipped.push_back(b);
    skipped.insert(skipped.end(), {'c', 'H', 'R', 'M'});
    ExpectReadError<EPNGChunkTooLarge>(picture, skipped);
}

TEST(ChunkStream, StoredPayloadLimit) {
    TPNGObject picture;
    const std::uint32_t limit = 16 * 1024 * 1024;
    for (const std::uint32_t size : {limit - 1, limit}) {
        pngtest::ReadPng(picture, PngBuilder()
                                      .Chunk("IHDR", kGreyIhdr)
                                      .Chunk("blOb", Bytes(size, 0x5A))
                                      .Chunk("IDAT", pngtest::Zlib(kGreyRows))
                                      .Chunk("IEND", {})
                                      .Data());
        EXPECT_EQ(picture.ChunkList().Item(1)->PayloadSize(), size);
    }
    ExpectReadError<EPNGChunkTooLarge>(picture, PngBuilder()
                                                    .Chunk("IHDR", kGreyIhdr)
                                                    .Chunk("blOb", Bytes(limit + 1, 0x5A))
                                                    .Chunk("IEND", {})
                                                    .Data());
}

TEST(ChunkStream, SecondHeaderIsRefused) {
    TPNGObject picture;
    ExpectReadError<EPNGIHDRNotFirst>(
        picture, PngBuilder().Chunk("IHDR", kGreyIhdr).Chunk("IHDR", kGreyIhdr).Data());
}

TEST(ChunkStream, CopyGivesIdentityGammaAndEqualChunks) {
    TPNGObject source;
    pngtest::ReadPng(
        source,
        PngBuilder()
            .Chunk("IHDR", pngtest::Ihdr(2, 2, 8, 2, 1))
            .Chunk("gAMA", pngtest::U32(100000))
            .Chunk("zzZz", {4, 5})
            .Chunk("IDAT", pngtest::Zlib({0, 200, 100, 50, 1, 1, 2, 3, 0, 7, 8, 9, 10, 11, 12}))
            .Chunk("IEND", {})
            .Data());
    EXPECT_NE(source.DecodeGamma[128], 128);
    TPNGObject copy;
    copy.CopyFrom(&source);
    EXPECT_EQ(TypesOf(copy), TypesOf(source));
    EXPECT_EQ(copy.InterlaceMode, 1);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(copy.DecodeGamma[static_cast<std::size_t>(i)], i);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) EXPECT_EQ(copy.PixelAt(x, y), source.PixelAt(x, y));
    }
    EXPECT_EQ(dynamic_cast<TChunkgAMA*>(copy.ChunkList().Item(1))->GammaValue(), 100000u);
    EXPECT_EQ(copy.ChunkList().Item(2)->PayloadSize(), 2u);
    copy.CopyFrom(nullptr);
    EXPECT_TRUE(copy.IsEmpty());
    // Chunks of other classes cannot be assigned to a header.
    TChunkIHDR header(copy);
    try {
        header.CopyFrom(*source.ChunkList().Item(2));
        ADD_FAILURE();
    } catch (const EPngError& error) {
        EXPECT_EQ(error.Message(), "The chunks must be compatible to be assigned.");
    }
}

}  // namespace
