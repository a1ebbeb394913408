// What one read may keep: the number of chunks, the bytes of all ancillary chunks and all
// text together, each just below, at and just above its cap; and a picture copy that fails
// part way leaves its target as it was.
#include <gtest/gtest.h>

#include <new>

#include "PngTestSupport.h"
#include "core/TMemoryStream.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"
#include "png/TChunktEXt.h"

namespace {

using pngtest::Bytes;
using pngtest::PngBuilder;

const Bytes kGreyRows{0, 10, 20, 0, 30, 40};
const Bytes kGreyIhdr = pngtest::Ihdr(2, 2, 8, 0);

PngBuilder Start() {
    PngBuilder builder;
    builder.Chunk("IHDR", kGreyIhdr);
    return builder;
}

Bytes Finish(PngBuilder& builder) {
    return builder.Chunk("IDAT", pngtest::Zlib(kGreyRows)).Chunk("IEND", {}).Data();
}

Bytes TextPayload(const std::string& keyword, std::size_t textSize) {
    Bytes payload(keyword.begin(), keyword.end());
    payload.push_back(0);
    payload.resize(payload.size() + textSize, 'x');
    return payload;
}

Bytes CompressedTextPayload(const std::string& keyword, std::size_t textSize) {
    Bytes payload(keyword.begin(), keyword.end());
    payload.insert(payload.end(), {0, 0});
    const Bytes compressed = pngtest::Zlib(Bytes(textSize, 'x'), 9);
    payload.insert(payload.end(), compressed.begin(), compressed.end());
    return payload;
}

std::size_t CountOf(const TPNGObject& picture, std::string_view type) {
    std::size_t count = 0;
    for (const auto& chunk : picture.ChunkList())
        count += std::string_view(chunk->TypeCode().data(), 4) == type ? 1 : 0;
    return count;
}

TEST(ChunkBudget, AncillaryChunkCountJustBelowAtAndAbove) {
    const std::size_t limit = png::kMaxAncillaryChunks;
    for (const std::size_t count : {limit - 1, limit, limit + 1}) {
        PngBuilder builder = Start();
        for (std::size_t i = 0; i < count; ++i) builder.Chunk("zzZz", {});
        TPNGObject picture;
        pngtest::ReadPng(picture, Finish(builder));
        EXPECT_EQ(CountOf(picture, "zzZz"), std::min(count, limit)) << count;
        // The picture still decodes, and IEND stays last.
        EXPECT_EQ(picture.PixelWidth(), 2);
        EXPECT_EQ(CountOf(picture, "IEND"), 1u);
    }
}

TEST(ChunkBudget, DroppedChunksStillHaveTheirCrcChecked) {
    PngBuilder builder = Start();
    for (std::size_t i = 0; i < png::kMaxAncillaryChunks; ++i) builder.Chunk("zzZz", {});
    builder.ChunkWithCrc("zzZz", {1, 2, 3}, 0xDEADBEEF);
    TPNGObject picture;
    EXPECT_THROW(pngtest::ReadPng(picture, Finish(builder)), EPngInvalidCRC);
}

TEST(ChunkBudget, CriticalChunkCountJustBelowAtAndAbove) {
    // A palette picture repeating PLTE: IHDR, IDAT and IEND beside the PLTE chunks.
    const std::size_t limit = png::kMaxStoredChunks;
    for (const std::size_t total : {limit - 1, limit, limit + 1}) {
        PngBuilder builder;
        builder.Chunk("IHDR", pngtest::Ihdr(1, 1, 8, 3));
        for (std::size_t i = 0; i + 3 < total; ++i) builder.Chunk("PLTE", {1, 2, 3});
        const Bytes png = builder.Chunk("IDAT", pngtest::Zlib({0, 0})).Chunk("IEND", {}).Data();
        TPNGObject picture;
        if (total <= limit) {
            pngtest::ReadPng(picture, png);
            EXPECT_EQ(picture.ChunkList().Count(), total);
        } else {
            EXPECT_THROW(pngtest::ReadPng(picture, png), EPNGTooManyChunks);
            EXPECT_EQ(picture.ChunkList().Count(), limit);
        }
    }
}

TEST(ChunkBudget, AncillaryBytesJustBelowAtAndAbove) {
    const std::size_t first = png::kMaxAncillaryBytes - 100;
    for (const std::size_t second : {99u, 100u, 101u}) {
        PngBuilder builder = Start();
        builder.Chunk("blOb", Bytes(first, 0x5A)).Chunk("blOc", Bytes(second, 0x5B));
        builder.Chunk("blOd", {});
        TPNGObject picture;
        pngtest::ReadPng(picture, Finish(builder));
        EXPECT_EQ(CountOf(picture, "blOb"), 1u);
        EXPECT_EQ(CountOf(picture, "blOc"), second <= 100 ? 1u : 0u) << second;
        // An empty chunk still fits after a dropped one.
        EXPECT_EQ(CountOf(picture, "blOd"), 1u);
    }
}

TEST(ChunkBudget, TextBytesJustBelowAtAndAbove) {
    const std::size_t first = png::kMaxTotalText - 100;
    for (const std::size_t second : {99u, 100u, 101u}) {
        PngBuilder builder = Start();
        builder.Chunk("tEXt", TextPayload("First", first));
        builder.Chunk("tEXt", TextPayload("Second", second));
        TPNGObject picture;
        pngtest::ReadPng(picture, Finish(builder));
        ASSERT_EQ(CountOf(picture, "tEXt"), second <= 100 ? 2u : 1u) << second;
        const auto* kept = picture.ChunkList().FindChunkOfKind<TChunktEXt>();
        EXPECT_EQ(kept->Keyword, "First");
        EXPECT_EQ(kept->Text.size(), first);
    }
}

TEST(ChunkBudget, InflatedTextJustBelowAtAndAbove) {
    // Each zTXt chunk is small; what they inflate to is what the cap counts.
    const std::size_t first = png::kMaxTotalText - 100;
    for (const std::size_t second : {99u, 100u, 101u}) {
        PngBuilder builder = Start();
        builder.Chunk("zTXt", CompressedTextPayload("First", first));
        builder.Chunk("zTXt", CompressedTextPayload("Second", second));
        builder.Chunk("tEXt", TextPayload("Third", 0));
        TPNGObject picture;
        pngtest::ReadPng(picture, Finish(builder));
        EXPECT_EQ(CountOf(picture, "zTXt"), second <= 100 ? 2u : 1u) << second;
        EXPECT_EQ(CountOf(picture, "tEXt"), 1u);
        std::size_t textBytes = 0;
        for (const auto& chunk : picture.ChunkList()) {
            if (const auto* text = dynamic_cast<const TChunktEXt*>(chunk.get()))
                textBytes += text->Text.size();
        }
        EXPECT_EQ(textBytes, first + (second <= 100 ? second : 0));
    }
}

// A chunk whose copy runs out of memory, as a large picture may.
class TExhaustingChunk : public TChunk {
public:
    using TChunk::TChunk;
    void CopyFrom(const TChunk&) override { throw std::bad_alloc(); }
    std::unique_ptr<TChunk> CreateSameKind(TPNGObject& picture) const override {
        return std::make_unique<TExhaustingChunk>(picture);
    }
};

TEST(PictureCopy, FailedCopyLeavesTheTargetAsItWas) {
    TPNGObject target;
    const Bytes original = pngtest::SimplePng(pngtest::Ihdr(2, 2, 8, 0), kGreyRows);
    pngtest::ReadPng(target, original);
    target.DeflateLevel = 3;
    TMemoryStream before;
    target.WriteToStream(before);

    TPNGObject source;
    pngtest::ReadPng(source,
                     pngtest::SimplePng(pngtest::Ihdr(3, 1, 8, 2), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    source.DeflateLevel = 9;
    source.ChunkList().Add(std::make_unique<TExhaustingChunk>(source));

    EXPECT_THROW(target.CopyFrom(&source), std::bad_alloc);
    EXPECT_EQ(target.ChunkList().Count(), 3u);
    for (const auto& chunk : target.ChunkList()) EXPECT_NE(chunk, nullptr);
    EXPECT_EQ(target.PixelWidth(), 2);
    EXPECT_EQ(target.DeflateLevel, 3);
    TMemoryStream after;
    target.WriteToStream(after);
    EXPECT_EQ(after.ToString(), before.ToString());
}

}  // namespace
