// The ancillary chunks held as fields are written from their fields, not from the payload
// they were read with.
#include <gtest/gtest.h>

#include <algorithm>

#include "EncoderTestSupport.h"
#include "png/TChunkpHYs.h"
#include "png/TChunktEXt.h"
#include "png/TChunktIME.h"
#include "png/TChunkzTXt.h"

namespace enctest {
namespace {

Bytes PayloadOf(const Bytes& file, const std::string& type) {
    const auto chunks = ParseChunks(file);
    const auto found = std::find_if(chunks.begin(), chunks.end(),
                                    [&](const RawChunk& c) { return c.type == type; });
    if (found == chunks.end()) throw std::runtime_error("no " + type + " chunk");
    return found->payload;
}

TEST(EncoderChunkRebuildTest, PhysicalSizeAndTime) {
    TPNGObject physical;
    ReadInto(physical, LoadFile(SuiteFile("cdfn2c08.png")));
    auto* phys = physical.ChunkList().FindChunkOfKind<TChunkpHYs>();
    ASSERT_NE(phys, nullptr);
    phys->PixelsPerUnitX = 0x01020304;
    phys->PixelsPerUnitY = 3780;
    phys->UnitSpecifier = 1;
    EXPECT_EQ(PayloadOf(WriteToBytes(physical), "pHYs"), (Bytes{1, 2, 3, 4, 0, 0, 0x0E, 0xC4, 1}));

    TPNGObject timed;
    ReadInto(timed, LoadFile(SuiteFile("cm7n0g04.png")));
    auto* time = timed.ChunkList().FindChunkOfKind<TChunktIME>();
    ASSERT_NE(time, nullptr);
    time->Year = 2026;
    time->Month = 12;
    time->Day = 9;
    time->Hour = 13;
    time->Minute = 5;
    time->Second = 59;
    EXPECT_EQ(PayloadOf(WriteToBytes(timed), "tIME"), (Bytes{0x07, 0xEA, 12, 9, 13, 5, 59}));
}

TEST(EncoderChunkRebuildTest, TextAndCompressedText) {
    TPNGObject picture;
    ReadInto(picture, LoadFile(SuiteFile("ctzn0g04.png")));
    auto* compressed = picture.ChunkList().FindChunkOfKind<TChunkzTXt>();
    ASSERT_NE(compressed, nullptr);
    TChunktEXt* plain = nullptr;
    for (const auto& chunk : picture.ChunkList()) {
        const TChunk& held = *chunk;
        if (plain == nullptr && typeid(held) == typeid(TChunktEXt))
            plain = dynamic_cast<TChunktEXt*>(chunk.get());
    }
    ASSERT_NE(plain, nullptr);
    plain->Keyword = "Title";
    plain->Text = "QR";
    compressed->Keyword = "Comment";
    compressed->Text = std::string(300, 'z');
    const Bytes written = WriteToBytes(picture);
    EXPECT_EQ(PayloadOf(written, "tEXt"), (Bytes{'T', 'i', 't', 'l', 'e', 0, 'Q', 'R'}));
    const Bytes ztxt = PayloadOf(written, "zTXt");
    ASSERT_GT(ztxt.size(), 9u);
    EXPECT_EQ(Bytes(ztxt.begin(), ztxt.begin() + 9),
              (Bytes{'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0}));
    const Bytes text = Inflate(Bytes(ztxt.begin() + 9, ztxt.end()));
    EXPECT_EQ(std::string(text.begin(), text.end()), std::string(300, 'z'));

    // An empty compressed text is written as one space.
    compressed->Text.clear();
    const Bytes spaced = PayloadOf(WriteToBytes(picture), "zTXt");
    EXPECT_EQ(Inflate(Bytes(spaced.begin() + 9, spaced.end())), Bytes{' '});
}

}  // namespace
}  // namespace enctest
