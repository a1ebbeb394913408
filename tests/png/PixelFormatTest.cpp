// The internal form per colour type and bit depth: palettes, grey ramps, gamma, tRNS, the
// single-pixel accessors, the header tests and the image-size limit.
#include <gtest/gtest.h>

#include <typeinfo>

#include "PngTestSupport.h"
#include "png/PngErrors.h"
#include "png/RgbaRendering.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunkpHYs.h"
#include "png/TChunktEXt.h"
#include "png/TChunktIME.h"
#include "png/TChunktRNS.h"
#include "png/TChunkzTXt.h"

namespace {

using pngtest::Bytes;
using pngtest::PngBuilder;

Bytes PngWith(const Bytes& ihdr, const std::vector<std::pair<std::string, Bytes>>& before,
              const Bytes& rows) {
    PngBuilder builder;
    builder.Chunk("IHDR", ihdr);
    for (const auto& [type, payload] : before) builder.Chunk(type, payload);
    return builder.Chunk("IDAT", pngtest::Zlib(rows)).Chunk("IEND", {}).Data();
}

TEST(PixelFormat, TwoBitGreyLevelsPlainAndInterlaced) {
    // One row 0 1 2 3 (plain); interlaced, pass 0 holds column 0, pass 3 column 2 and pass 5
    // columns 1 and 3.
    for (const std::uint8_t interlace : {0, 1}) {
        const Bytes rows = interlace == 0 ? Bytes{0, 0x1B} : Bytes{0, 0x00, 0, 0x80, 0, 0x70};
        TPNGObject picture;
        pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(4, 1, 2, 0, interlace), rows));
        const TChunkIHDR& header = picture.Header();
        EXPECT_EQ(header.BitmapInfo().header.bitCount, 4);
        EXPECT_EQ(header.BitmapInfo().header.clrUsed, 16u);
        EXPECT_EQ(header.RowAddress(0)[0], 0x05);
        EXPECT_EQ(header.RowAddress(0)[1], 0xAF);
        const Bytes rgba = RenderRgba(picture);
        EXPECT_EQ(Bytes({rgba[0], rgba[4], rgba[8], rgba[12]}), Bytes({0, 85, 170, 255}));
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t level = static_cast<std::uint8_t>(85 * x);
            EXPECT_EQ(picture.PixelAt(x, 0), MakeColor(level, level, level));
        }
    }
}

TEST(PixelFormat, SixteenBitKeepsLowBytes) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 16, 2),
                                                 {0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}));
    TChunkIHDR& header = picture.Header();
    EXPECT_EQ(Bytes(header.RowAddress(0), header.RowAddress(0) + 3), Bytes({0x9A, 0x56, 0x12}));
    EXPECT_EQ(Bytes(header.LowByteRowAddress(0), header.LowByteRowAddress(0) + 3),
              Bytes({0xBC, 0x78, 0x34}));
    EXPECT_EQ(header.LowBytePlane().size(), header.RowStride());
    pngtest::ReadPng(picture,
                     pngtest::SimplePng(pngtest::Ihdr(1, 1, 16, 4), {0, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(picture.Header().RowAddress(0)[0], 0x12);
    EXPECT_EQ(picture.Header().LowByteRowAddress(0)[0], 0x34);
    EXPECT_EQ(picture.Header().AlphaPlane(), Bytes({0x56}));
    EXPECT_EQ(picture.TransparencyKind(), tkAlpha);
}

TEST(PixelFormat, PalettesAndTheirErrors) {
    TPNGObject picture;
    // No PLTE: the halftone palette cut to 2^bits entries.
    pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(2, 1, 1, 3), {0, 0x40}));
    EXPECT_EQ(picture.Header().BitmapInfo().header.clrUsed, 2u);
    EXPECT_EQ(picture.CurrentPalette()->EntryCount(), 2u);
    EXPECT_EQ(picture.PixelAt(0, 0), 0u);
    EXPECT_EQ(picture.PixelAt(1, 0), 0xFFFFFFu);
    pngtest::ReadPng(picture,
                     PngWith(pngtest::Ihdr(2, 1, 8, 3), {{"PLTE", {1, 2, 3, 4, 5, 6}}}, {0, 1, 0}));
    EXPECT_EQ(picture.PixelAt(0, 0), MakeColor(4, 5, 6));
    EXPECT_EQ(picture.PixelAt(1, 0), MakeColor(1, 2, 3));
    const auto* palette = picture.ChunkList().FindChunkOfKind<TChunkPLTE>();
    EXPECT_EQ(palette->PaletteEntry(1), 0x040506u);
    try {
        (void)palette->PaletteEntry(2);
        ADD_FAILURE();
    } catch (const EPngError& error) {
        EXPECT_EQ(error.Message(), "There is no such palette entry.");
    }
    EXPECT_THROW(
        pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 3), {{"PLTE", {1, 2}}}, {0, 0})),
        EPNGInvalidPalette);
    EXPECT_THROW(pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 3),
                                                   {{"PLTE", Bytes(771, 0)}}, {0, 0})),
                 EPNGInvalidPalette);
    EXPECT_NO_THROW(pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 8, 3), {{"PLTE", Bytes(768, 0)}}, {0, 0})));
}

TEST(PixelFormat, TransparencyKindsAndKeyColours) {
    TPNGObject picture;
    const Bytes plte{10, 20, 30, 40, 50, 60, 70, 80, 90};
    // One entry of 128, the rest opaque: one non-opaque entry makes a colour key, black as none is
    // 0.
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 3),
                                      {{"PLTE", plte}, {"tRNS", {255, 128}}}, {0, 0}));
    EXPECT_EQ(picture.TransparencyKind(), tkColorKey);
    EXPECT_EQ(picture.TransparentKeyColor(), 0u);
    pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 8, 3), {{"PLTE", plte}, {"tRNS", {255, 0}}}, {0, 0}));
    EXPECT_EQ(picture.TransparentKeyColor(), MakeColor(40, 50, 60));
    pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 8, 3), {{"PLTE", plte}, {"tRNS", {0, 9}}}, {0, 0}));
    EXPECT_EQ(picture.TransparencyKind(), tkAlpha);
    EXPECT_THROW(
        pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 3),
                                          {{"PLTE", plte}, {"tRNS", Bytes(257, 1)}}, {0, 0})),
        EPNGInvalidPalette);
    // A too-long tRNS stays in the list after its error; the key search stops at 256 entries.
    Bytes tooLong(300, 255);
    tooLong[299] = 0;
    EXPECT_THROW(pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 3),
                                                   {{"PLTE", plte}, {"tRNS", tooLong}}, {0, 0})),
                 EPNGInvalidPalette);
    // Its AlphaValues were never filled (all 0), so entry 0 is the key; index 299 is never read.
    EXPECT_EQ(picture.TransparentKeyColor(), MakeColor(10, 20, 30));
    // Grey keys land where the samples are stored: 5 x v for 2 bits, the high byte for 16.
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 2, 0), {{"tRNS", {0, 2}}}, {0, 0}));
    EXPECT_EQ(picture.TransparencyKind(), tkColorKey);
    EXPECT_EQ(picture.TransparentKeyColor(), 0xAAAAAAu);
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(2, 1, 16, 0), {{"tRNS", {0x80, 0x01}}},
                                      {0, 0x80, 0x01, 0x80, 0x02}));
    EXPECT_EQ(picture.TransparentKeyColor(), 0x808080u);
    const Bytes rgba = RenderRgba(picture);
    EXPECT_EQ(rgba[3], 0);    // exactly the 16-bit key
    EXPECT_EQ(rgba[7], 255);  // same high byte, other low byte
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 16, 2), {{"tRNS", {1, 2, 3, 4, 5, 6}}},
                                      {0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(picture.TransparentKeyColor(), MakeColor(1, 3, 5));
    EXPECT_EQ(RenderRgba(picture)[3], 0);
    pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 8, 2), {0, 1, 2, 3}));
    EXPECT_EQ(picture.TransparencyKind(), tkNone);
    EXPECT_EQ(picture.TransparentKeyColor(), 0u);
}

TEST(PixelFormat, SetKeyColorBuildsTheTrnsPayload) {
    TPNGObject picture;
    pngtest::ReadPng(picture,
                     PngWith(pngtest::Ihdr(1, 1, 8, 3),
                             {{"PLTE", {1, 1, 1, 2, 2, 2, 3, 3, 3}}, {"tRNS", {255}}}, {0, 0}));
    auto* transparency = picture.ChunkList().FindChunkOfKind<TChunktRNS>();
    transparency->SetKeyColor(MakeColor(3, 3, 3));
    EXPECT_EQ(Bytes(transparency->PayloadBytes().begin(), transparency->PayloadBytes().end()),
              Bytes({255, 255, 0}));
    pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 8, 2), {{"tRNS", {0, 0, 0, 0, 0, 0}}}, {0, 0, 0, 0}));
    transparency = picture.ChunkList().FindChunkOfKind<TChunktRNS>();
    transparency->SetKeyColor(MakeColor(0x11, 0x22, 0x33));
    EXPECT_EQ(Bytes(transparency->PayloadBytes().begin(), transparency->PayloadBytes().end()),
              Bytes({0, 0x11, 0, 0x22, 0, 0x33}));
    EXPECT_TRUE(transparency->SingleTransparent);
}

TEST(PixelFormat, GammaTables) {
    TPNGObject picture;
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 2), {{"gAMA", pngtest::U32(45455)}},
                                      {0, 10, 128, 250}));
    for (int i = 0; i < 256; ++i)
        EXPECT_NEAR(picture.DecodeGamma[static_cast<std::size_t>(i)], i, 1);
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 2), {{"gAMA", pngtest::U32(0)}},
                                      {0, 10, 128, 250}));
    for (int i = 0; i < 256; ++i) EXPECT_EQ(picture.DecodeGamma[static_cast<std::size_t>(i)], i);
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 2), {{"gAMA", pngtest::U32(100000)}},
                                      {0, 10, 128, 250}));
    const auto table = pngtest::ReferenceDecodeGamma(100000);
    EXPECT_EQ(picture.PixelAt(0, 0), MakeColor(table[10], table[128], table[250]));
    EXPECT_EQ(picture.EncodeGamma[table[128]], 128);
    // Grey indexes are never gamma-corrected; the ramp they point into is.
    pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 8, 0), {{"gAMA", pngtest::U32(100000)}}, {0, 128}));
    EXPECT_EQ(picture.Header().RowAddress(0)[0], 128);
    EXPECT_EQ(picture.Header().BitmapInfo().colorTable[128].red, table[128]);
}

TEST(PixelFormat, SinglePixelAccess) {
    TPNGObject picture;
    EXPECT_THROW((void)picture.PixelAt(0, 0), EPNGHeaderNotPresent);
    pngtest::ReadPng(
        picture, pngtest::SimplePng(pngtest::Ihdr(2, 2, 8, 6),
                                    {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(picture.PixelAt(1, 0), MakeColor(5, 6, 7));
    EXPECT_EQ(picture.PixelAt(-1, 0), 0u);
    EXPECT_EQ(picture.PixelAt(2, 0), 0u);
    EXPECT_EQ(picture.PixelAt(0, 2), 0u);
    picture.SetPixelAt(2, 0, 0xFFFFFF);
    picture.SetPixelAt(0, -1, 0xFFFFFF);
    picture.SetPixelAt(0, 1, MakeColor(200, 100, 50));
    EXPECT_EQ(picture.PixelAt(0, 1), MakeColor(200, 100, 50));
    EXPECT_EQ(picture.PixelAt(1, 1), MakeColor(13, 14, 15));
    EXPECT_EQ(picture.Header().AlphaPlane(), Bytes({4, 8, 12, 16}));
    // Packed pixels: only the addressed field changes.
    pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(3, 1, 1, 0), {0, 0xA0}));
    picture.SetPixelAt(1, 0, 0xFFFFFF);
    EXPECT_EQ(picture.Header().RowAddress(0)[0], 0xE0);
    EXPECT_EQ(picture.RowAddress(0), picture.Header().RowAddress(0));
}

TEST(HeaderChecks, FieldsAndLimits) {
    TPNGObject picture;
    const Bytes row{0, 0};
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(Bytes(12, 0), row)), EPngInvalidIHDR);
    Bytes longer = pngtest::Ihdr(1, 1, 8, 0);
    longer.push_back(99);
    EXPECT_NO_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(longer, row)));
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(0, 1, 8, 0), row)),
                 EPngInvalidIHDR);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 0, 8, 0), row)),
                 EPngInvalidIHDR);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(65536, 1, 8, 0), row)),
                 EPNGSizeExceeds);
    EXPECT_THROW(
        pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 0x80000000, 8, 0), row)),
        EPNGSizeExceeds);
    Bytes compression = pngtest::Ihdr(1, 1, 8, 0);
    compression[10] = 1;
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(compression, row)),
                 EPNGUnknownCompression);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 8, 0, 2), row)),
                 EPNGUnknownInterlace);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 4, 2), row)),
                 EPNGUnsupportedFormat);
    EXPECT_THROW(pngtest::ReadPng(picture, pngtest::SimplePng(pngtest::Ihdr(1, 1, 1, 6), row)),
                 EPNGUnsupportedFormat);
    // The one combination outside PNG that has storage: 16-bit palette indexes.
    pngtest::ReadPng(
        picture, PngWith(pngtest::Ihdr(1, 1, 16, 3), {{"PLTE", {9, 9, 9, 7, 7, 7}}}, {0, 1, 0xFF}));
    EXPECT_EQ(picture.PixelAt(0, 0), 0x070707u);
    // A full-width row: 65535 pixels is the largest width.
    EXPECT_THROW(
        pngtest::ReadPng(
            picture,
            PngBuilder().Chunk("IHDR", pngtest::Ihdr(65535, 1, 8, 0)).Chunk("IEND", {}).Data()),
        EPNGNoImageData);
    EXPECT_EQ(picture.Header().RowStride(), 65536u);
}

TEST(HeaderChecks, ImageMemoryLimit) {
    // 8-bit grey 16384 wide: 16 KiB per row, so 16384 rows are exactly the 256 MiB limit.
    TPNGObject picture;
    const auto headerOnly = [](std::uint32_t height) {
        return PngBuilder()
            .Chunk("IHDR", pngtest::Ihdr(16384, height, 8, 0))
            .Chunk("IEND", {})
            .Data();
    };
    EXPECT_THROW(pngtest::ReadPng(picture, headerOnly(16383)), EPNGNoImageData);
    EXPECT_THROW(pngtest::ReadPng(picture, headerOnly(16384)), EPNGNoImageData);
    EXPECT_EQ(picture.Header().BitmapInfo().header.height, 16384);
    try {
        pngtest::ReadPng(picture, headerOnly(16385));
        ADD_FAILURE();
    } catch (const EPNGImageTooLarge& error) {
        EXPECT_NE(error.Message().find("256 MB"), std::string::npos);
    }
    EXPECT_EQ(picture.Header().PixelRows(), nullptr);
    // Alpha and low-byte planes count too: 65535 x 65535 RGBA 16-bit is far beyond.
    EXPECT_THROW(
        pngtest::ReadPng(picture,
                         PngBuilder().Chunk("IHDR", pngtest::Ihdr(65535, 65535, 16, 6)).Data()),
        EPNGImageTooLarge);
}

TEST(TextAndMetadataChunks, ParseTheirPayloads) {
    std::vector<std::uint8_t> compressed = pngtest::Zlib({'h', 'e', 'l', 'l', 'o'});
    Bytes ztxt{'K', 'e', 'y', 0, 0};
    ztxt.insert(ztxt.end(), compressed.begin(), compressed.end());
    Bytes wrongMethod = ztxt;
    wrongMethod[4] = 1;
    TPNGObject picture;
    pngtest::ReadPng(picture, PngWith(pngtest::Ihdr(1, 1, 8, 0),
                                      {{"tEXt", {'T', 'i', 't', 'l', 'e', 0, 'Q', 'R'}},
                                       {"tEXt", {'n', 'o', 'z', 'e', 'r', 'o'}},
                                       {"zTXt", ztxt},
                                       {"zTXt", wrongMethod},
                                       {"pHYs", {0, 0, 0x0B, 0x13, 0, 0, 0x0B, 0x13, 1}},
                                       {"tIME", {0x07, 0xEA, 12, 9, 13, 5, 59}}},
                                      {0, 0}));
    const auto& list = picture.ChunkList();
    const auto* title = dynamic_cast<TChunktEXt*>(list.Item(1));
    EXPECT_EQ(title->Keyword, "Title");
    EXPECT_EQ(title->Text, "QR");
    const auto* noZero = dynamic_cast<TChunktEXt*>(list.Item(2));
    EXPECT_EQ(noZero->Keyword, "nozero");
    EXPECT_EQ(noZero->Text, "");
    EXPECT_EQ(dynamic_cast<TChunkzTXt*>(list.Item(3))->Text, "hello");
    EXPECT_EQ(dynamic_cast<TChunkzTXt*>(list.Item(4))->Text, "");
    EXPECT_EQ(dynamic_cast<TChunkzTXt*>(list.Item(4))->Keyword, "Key");
    const auto* physical = list.FindChunkOfKind<TChunkpHYs>();
    EXPECT_EQ(physical->PixelsPerUnitX, 2835u);
    EXPECT_EQ(physical->UnitSpecifier, 1);
    const auto* time = list.FindChunkOfKind<TChunktIME>();
    EXPECT_EQ(time->Year, 2026);
    EXPECT_EQ(time->Second, 59);
    // FindChunkOfKind sees derived classes: the first tEXt-like chunk is the tEXt one.
    EXPECT_EQ(list.FindChunkOfKind<TChunktEXt>(), title);
    EXPECT_EQ(list.FindChunkOfKind<TChunkzTXt>(), list.Item(3));
}

}  // namespace
