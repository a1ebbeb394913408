#include <gtest/gtest.h>

#include <cstdio>

#include "DrawingTestSupport.h"
#include "core/TMemoryStream.h"
#include "platform/raster/BitmapOperations.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/TPicture.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunktRNS.h"

using namespace drawtest;
using pngtest::Bytes;
using pngtest::Ihdr;
using Rows = std::vector<std::vector<TColor>>;

namespace {

std::vector<std::string> TypesOf(const TPNGObject& picture) {
    std::vector<std::string> types;
    for (const auto& chunk : picture.ChunkList()) types.emplace_back(chunk->TypeCode().data(), 4);
    return types;
}

// A graphic of a class the codec does not know.
class TOtherGraphic : public TGraphic {
public:
    std::string ClassName() const override { return "TOtherGraphic"; }
    std::unique_ptr<TGraphic> NewSameKind() const override {
        return std::make_unique<TOtherGraphic>();
    }
    void PaintTo(TCanvas&, const TRect&) const override {}
    bool IsEmpty() const override { return true; }
    std::int32_t PixelHeight() const override { return 0; }
    std::int32_t PixelWidth() const override { return 0; }
    void ChangeHeight(std::int32_t) override {}
    void ChangeWidth(std::int32_t) override {}
    void ReadFromStream(TStream&) override {}
    void WriteToStream(TStream&) override {}
    void ImportClipboardBitmap(const TClipboardBitmap&) override {}
    TClipboardBitmap ExportClipboardBitmap() const override { return {}; }
};

}  // namespace

TEST(PngCopyToBitmap, PixelFormatFollowsStorage) {
    struct Case {
        Bytes bytes;
        TPixelFormat format;
    };
    const std::vector<Case> cases{
        {pngtest::SimplePng(Ihdr(2, 1, 8, 0), {0, 10, 200}), pf24bit},
        {pngtest::SimplePng(Ihdr(8, 1, 1, 0), {0, 0xA5}), pf1bit},
        {pngtest::SimplePng(Ihdr(2, 1, 2, 0), {0, 0x70}), pf4bit},
        {pngtest::SimplePng(Ihdr(1, 1, 8, 6), {0, 1, 2, 3, 4}), pf24bit},
        {pngtest::PngBuilder()
             .Chunk("IHDR", Ihdr(2, 1, 8, 3))
             .Chunk("PLTE", {10, 20, 30, 40, 50, 60})
             .Chunk("IDAT", pngtest::Zlib({0, 1, 0}))
             .Chunk("IEND", {})
             .Data(),
         pf8bit},
    };
    for (const Case& c : cases) {
        TPNGObject picture;
        pngtest::ReadPng(picture, c.bytes);
        TBitmap bitmap;
        picture.CopyTo(bitmap);
        EXPECT_EQ(bitmap.PixelFormat(), c.format);
        EXPECT_EQ(bitmap.Width(), picture.PixelWidth());
        EXPECT_FALSE(bitmap.Transparent());
    }
}

TEST(PngCopyToBitmap, PaletteBitmapKeepsExactColoursAndIndexes) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::PngBuilder()
                                  .Chunk("IHDR", Ihdr(2, 1, 8, 3))
                                  .Chunk("PLTE", {10, 20, 30, 41, 51, 61})
                                  .Chunk("IDAT", pngtest::Zlib({0, 1, 0}))
                                  .Chunk("IEND", {})
                                  .Data());
    TBitmap bitmap;
    bitmap.CopyFrom(&picture);
    ASSERT_EQ(bitmap.PixelFormat(), pf8bit);
    EXPECT_EQ(Pixels(bitmap), (Rows{{MakeColor(41, 51, 61), MakeColor(10, 20, 30)}}));
    EXPECT_EQ(bitmap.Handle()->Bits()[0], 1);
}

TEST(PngCopyToBitmap, ColorKeyPictureMarksBitmapTransparent) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::PngBuilder()
                                  .Chunk("IHDR", Ihdr(2, 1, 8, 2))
                                  .Chunk("tRNS", {0, 1, 0, 2, 0, 3})
                                  .Chunk("IDAT", pngtest::Zlib({0, 1, 2, 3, 9, 9, 9}))
                                  .Chunk("IEND", {})
                                  .Data());
    TBitmap bitmap;
    picture.CopyTo(bitmap);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), MakeColor(1, 2, 3));
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), MakeColor(9, 9, 9));
}

TEST(PngCopyToBitmap, UnsupportedDepthAndForeignGraphicsFail) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(Ihdr(1, 1, 8, 0), {0, 5}));
    picture.Header().BitDepth = 3;
    TBitmap bitmap;
    try {
        picture.CopyTo(bitmap);
        ADD_FAILURE();
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "");
    }
    TOtherGraphic other;
    try {
        picture.CopyTo(other);
        ADD_FAILURE();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TPNGObject to a TOtherGraphic");
    }
    try {
        picture.CopyFrom(static_cast<const TGraphic*>(&other));
        ADD_FAILURE();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TOtherGraphic to a TPNGObject");
    }
    TPNGObject empty;
    EXPECT_THROW(empty.CopyTo(bitmap), EConvertError);
}

TEST(PngFromBitmap, ScreenBitmapBecomesRgbWithoutAlpha) {
    auto bitmap = MakeCanvas(2, 1, kRed);
    bitmap->Canvas().SetPixel(1, 0, MakeColor(1, 2, 3));
    TPNGObject picture;
    picture.CopyFrom(bitmap.get());
    EXPECT_EQ(TypesOf(picture), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(picture.Header().ColorType, 2);
    EXPECT_EQ(picture.Header().BitDepth, 8);
    EXPECT_EQ(picture.TransparencyKind(), tkNone);
    EXPECT_EQ(picture.PixelAt(0, 0), kRed);
    EXPECT_EQ(picture.PixelAt(1, 0), MakeColor(1, 2, 3));
    // It writes and reads back as the same picture.
    TMemoryStream stream;
    picture.WriteToStream(stream);
    stream.SetPosition(0);
    TPNGObject reread;
    reread.ReadFromStream(stream);
    EXPECT_EQ(reread.PixelAt(1, 0), MakeColor(1, 2, 3));
}

TEST(PngFromBitmap, EightBitBitmapBecomesPaletteWithAllEntriesAndKey) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf8bit);
    bitmap.SetSize(3, 2);
    bitmap.Canvas().SetPixel(0, 0, kRed);
    bitmap.SetTransparentColor(kRed);
    bitmap.SetTransparent(true);
    TPNGObject picture;
    picture.CopyFrom(&bitmap);
    EXPECT_EQ(TypesOf(picture), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
    EXPECT_EQ(picture.Header().ColorType, 3);
    EXPECT_EQ(picture.Header().BitDepth, 8);
    EXPECT_EQ(picture.ChunkList().FindChunkOfKind<TChunkPLTE>()->EntryCount, 256u);
    EXPECT_EQ(picture.TransparencyKind(), tkColorKey);
    EXPECT_EQ(picture.TransparentKeyColor(), kRed);
    EXPECT_EQ(picture.PixelAt(0, 0), kRed);
    EXPECT_EQ(picture.PixelAt(2, 1), kWhite);
    // Drawn by key, the red pixel lets the background through.
    auto canvas = MakeCanvas(3, 2, kBlue);
    picture.PaintTo(canvas->Canvas(), TRect{0, 0, 3, 2});
    EXPECT_EQ(Pixels(*canvas), (Rows{{kBlue, kWhite, kWhite}, {kWhite, kWhite, kWhite}}));
}

TEST(PngClipboard, ExportGivesBitmapOfShownPictureAndImportReadsItBack) {
    TPNGObject picture;
    pngtest::ReadPng(picture,
                     pngtest::SimplePng(Ihdr(2, 1, 8, 6), {0, 255, 0, 0, 255, 0, 0, 255, 0}));
    const TClipboardBitmap item = picture.ExportClipboardBitmap();
    EXPECT_EQ(item.format, CF_BITMAP);
    ASSERT_TRUE(item.data);
    EXPECT_FALSE(item.palette);
    EXPECT_EQ(GetObject(*item.data).width, 2);
    TPNGObject back;
    back.ImportClipboardBitmap(item);
    EXPECT_EQ(back.PixelAt(0, 0), kRed);
    // Under the transparent pixel lies the new bitmap's first content: white.
    EXPECT_EQ(back.PixelAt(1, 0), kWhite);
    EXPECT_EQ(back.TransparencyKind(), tkNone);
    EXPECT_THROW(back.ImportClipboardBitmap(TClipboardBitmap{8, item.data, nullptr}),
                 EInvalidGraphic);
}

TEST(PngResize, KeepsTopLeftAndFillsNewAlphaOpaque) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(Ihdr(2, 2, 8, 6), {0, 1, 1, 1, 10, 2, 2, 2, 20, 0,
                                                                    3, 3, 3, 30, 4, 4, 4, 40}));
    picture.Resize(3, 1);
    EXPECT_EQ(picture.PixelWidth(), 3);
    EXPECT_EQ(picture.PixelHeight(), 1);
    EXPECT_EQ(picture.PixelAt(0, 0), MakeColor(1, 1, 1));
    EXPECT_EQ(picture.PixelAt(1, 0), MakeColor(2, 2, 2));
    EXPECT_EQ(picture.PixelAt(2, 0), kBlack);
    const auto& alpha = picture.Header().AlphaPlane();
    EXPECT_EQ(alpha, (std::vector<std::uint8_t>{10, 20, 255}));
    EXPECT_EQ(picture.Header().RowStride(), 12u);
    EXPECT_EQ(picture.Header().BitmapInfo().header.width, 3);
    picture.ChangeHeight(2);
    EXPECT_EQ(picture.PixelAt(0, 1), kBlack);
    EXPECT_EQ(picture.PixelAt(1, 0), MakeColor(2, 2, 2));
}

TEST(PngResize, SizeBelowOneIsRefusedAndChangesNothing) {
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::SimplePng(Ihdr(2, 1, 8, 0), {0, 10, 200}));
    try {
        picture.ChangeWidth(0);
        ADD_FAILURE();
    } catch (const EPNGInvalidNewSize& error) {
        EXPECT_EQ(error.Message(), "The new size provided for image resizing is invalid.");
    }
    EXPECT_THROW(picture.ChangeHeight(-1), EPNGInvalidNewSize);
    EXPECT_THROW(picture.Resize(65536, 1), EPNGInvalidNewSize);
    picture.Resize(1, 1);
    EXPECT_EQ(picture.PixelWidth(), 1);
    EXPECT_EQ(picture.PixelAt(0, 0), MakeColor(10, 10, 10));
    TPNGObject empty;
    EXPECT_THROW(empty.Resize(1, 1), EPNGHeaderNotPresent);
}

TEST(PngPictureFormat, PictureContainerPicksPngByExtension) {
    const std::string filter = TPicture::GraphicFilter();
    EXPECT_NE(filter.find("Portable Network Graphics (*.png)|*.png"), std::string::npos);
    TPicture holder;
    holder.LoadFromFile(pngtest::SuitePath("basn2c08.png"));
    ASSERT_NE(holder.Graphic(), nullptr);
    EXPECT_EQ(holder.Graphic()->ClassName(), "TPNGObject");
    EXPECT_EQ(holder.Width(), 32);
    // An assigned copy is a picture of its own.
    TPicture copy;
    copy.Assign(holder.Graphic());
    EXPECT_EQ(copy.Graphic()->ClassName(), "TPNGObject");
    EXPECT_NE(copy.Graphic(), holder.Graphic());
    EXPECT_EQ(dynamic_cast<TPNGObject*>(copy.Graphic())->PixelAt(5, 5),
              dynamic_cast<TPNGObject*>(holder.Graphic())->PixelAt(5, 5));
    try {
        holder.LoadFromFile("picture.xyz");
        ADD_FAILURE();
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_EQ(holder.Width(), 32);
}
