#include <gtest/gtest.h>

#include <cstdio>

#include "RasterTestUtil.h"
#include "core/TMemoryStream.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/TBitmap.h"
#include "platform/raster/TPicture.h"

using Rows = std::vector<std::vector<TColor>>;

namespace {

Rows PixelsOf(TBitmap& bitmap) {
    Rows rows(static_cast<std::size_t>(bitmap.Height()),
              std::vector<TColor>(static_cast<std::size_t>(bitmap.Width())));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            rows[y][x] = bitmap.Canvas().Pixel(static_cast<int>(x), static_cast<int>(y));
    }
    return rows;
}

void Paint(TBitmap& bitmap, const Rows& rows) {
    bitmap.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            bitmap.Canvas().SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
    }
}

}  // namespace

TEST(BitmapTest, ResizeKeepsTopLeftAndNewAreaIsWhite) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    Paint(bitmap, {{kRed, kGreen}, {kBlue, kBlack}});
    EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
    EXPECT_EQ(bitmap.Handle()->BitCount(), 32);
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    bitmap.SetSize(3, 1);
    EXPECT_EQ(PixelsOf(bitmap), (Rows{{kRed, kGreen, kWhite}}));
    EXPECT_EQ(changes, 1);
    bitmap.ChangeHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
}

TEST(BitmapTest, PixelFormatConversionsAndPalettes) {
    TBitmap bitmap;
    Paint(bitmap, {{kRed, MakeColor(250, 250, 250), kBlack}});
    bitmap.SetPixelFormat(pf1bit);
    ASSERT_EQ(bitmap.Handle()->BitCount(), 1);
    EXPECT_EQ(PixelsOf(bitmap), (Rows{{kBlack, kWhite, kBlack}}));
    ASSERT_NE(bitmap.CurrentPalette(), nullptr);
    EXPECT_EQ(bitmap.CurrentPalette()->EntryCount(), 2u);

    TBitmap indexed;
    indexed.SetPixelFormat(pf8bit);
    indexed.ReplacePalette(
        std::make_unique<TPalette>(std::vector<TPaletteEntry>{{1, 2, 3, 0}, {200, 100, 50, 0}}));
    indexed.SetSize(2, 1);
    indexed.Canvas().SetPixel(1, 0, MakeColor(199, 99, 49));
    EXPECT_EQ(indexed.Canvas().Pixel(1, 0), MakeColor(200, 100, 50));
    indexed.SetPixelFormat(pf24bit);
    EXPECT_EQ(indexed.Handle()->BitCount(), 24);
    EXPECT_EQ(indexed.Canvas().Pixel(1, 0), MakeColor(200, 100, 50));
    EXPECT_EQ(indexed.CurrentPalette(), nullptr);
}

TEST(BitmapTest, TransparentDrawingLeavesOutTheTransparentColour) {
    TBitmap sprite;
    Paint(sprite, {{kRed, kGreen}, {kGreen, kBlue}});
    // Automatic transparent colour: the bottom-left pixel.
    EXPECT_EQ(sprite.TransparentColor(), kGreen);
    sprite.SetTransparent(true);
    TBitmap target;
    Paint(target, Rows(4, std::vector<TColor>(4, kBlack)));
    sprite.PaintTo(target.Canvas(), TRect{0, 0, 4, 4});
    EXPECT_EQ(PixelsOf(target), (Rows{{kRed, kRed, kBlack, kBlack},
                                      {kRed, kRed, kBlack, kBlack},
                                      {kBlack, kBlack, kBlue, kBlue},
                                      {kBlack, kBlack, kBlue, kBlue}}));
    sprite.SetTransparentColor(kRed);
    sprite.PaintTo(target.Canvas(), TRect{0, 0, 2, 2});
    EXPECT_EQ(target.Canvas().Pixel(0, 0), kRed);  // kept from the first drawing
    EXPECT_EQ(target.Canvas().Pixel(1, 0), kGreen);
}

TEST(BitmapTest, CopiesAreIndependentAndAssignmentErrorsNameClasses) {
    TBitmap original;
    Paint(original, {{kRed, kBlue}});
    TBitmap copy;
    copy.CopyFrom(&original);
    original.Canvas().SetPixel(0, 0, kGreen);
    EXPECT_EQ(PixelsOf(copy), (Rows{{kRed, kBlue}}));
    copy.CopyFrom(nullptr);
    EXPECT_TRUE(copy.Empty());

    try {
        TBitmap bitmap;
        static_cast<TGraphic&>(bitmap).CopyTo(original);
        ADD_FAILURE();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TBitmap to a TBitmap");
    }
}

TEST(BitmapTest, ClipboardExportIsAScreenBitmapCopyWithPaletteCopy) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf4bit);
    Paint(bitmap, {{kRed, kBlue}});
    const TClipboardBitmap item = bitmap.ExportClipboardBitmap();
    EXPECT_EQ(item.format, CF_BITMAP);
    ASSERT_TRUE(item.data);
    EXPECT_EQ(item.data->Kind(), TBitmapKind::Device);
    EXPECT_NE(item.data, bitmap.Handle());
    ASSERT_TRUE(item.palette);
    EXPECT_EQ(item.palette->EntryCount(), 16u);
    TBitmap back;
    back.ImportClipboardBitmap(item);
    EXPECT_EQ(PixelsOf(back), (Rows{{kRed, kBlue}}));
    EXPECT_THROW(back.ImportClipboardBitmap(TClipboardBitmap{CF_BITMAP, nullptr, nullptr}),
                 EInvalidGraphic);
}

TEST(BitmapTest, BmpStreamsRoundTripEveryDepth) {
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
        SCOPED_TRACE(format);
        TBitmap bitmap;
        bitmap.SetPixelFormat(format);
        Paint(bitmap, {{kBlack, kWhite, kBlack}, {kWhite, kWhite, kBlack}});
        TMemoryStream stream;
        bitmap.WriteToStream(stream);
        stream.SetPosition(0);
        TBitmap back;
        back.ReadFromStream(stream);
        EXPECT_EQ(PixelsOf(back), PixelsOf(bitmap));
        EXPECT_EQ(stream.Position(), stream.Size());
    }
}

TEST(BitmapTest, DamagedBmpStreamsFailCleanly) {
    TBitmap bitmap;
    Paint(bitmap, {{kRed, kBlue}});
    TMemoryStream good;
    bitmap.WriteToStream(good);
    const std::string bytes = good.ToString();
    auto readBack = [](std::string data) {
        TMemoryStream stream;
        stream.WriteBuffer(data.data(), data.size());
        stream.SetPosition(0);
        TBitmap target;
        target.ReadFromStream(stream);
    };
    EXPECT_NO_THROW(readBack(bytes));
    EXPECT_THROW(readBack(bytes.substr(0, bytes.size() - 1)), EInvalidGraphic);  // rows cut short
    std::string notBmp = bytes;
    notBmp[0] = 'X';
    EXPECT_THROW(readBack(notBmp), EInvalidGraphic);
    std::string huge = bytes;
    huge[18] = huge[19] = huge[20] = huge[21] = huge[22] = huge[23] = huge[24] =
        static_cast<char>(0x7F);
    EXPECT_THROW(readBack(huge), EInvalidGraphic);
    std::string compressed = bytes;
    compressed[30] = 1;
    EXPECT_THROW(readBack(compressed), EInvalidGraphic);
    try {
        readBack(bytes.substr(0, 20));
        ADD_FAILURE();
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), "Bitmap image is not valid");
    }
}

TEST(PictureTest, RegistryPicksClassByExtensionAndBuildsTheFilter) {
    EXPECT_EQ(TPicture::GraphicFilter().rfind("Bitmaps (*.bmp)|*.bmp", 0), 0u);
    TPicture::RegisterFileFormat("tst", "Test pictures", "TTestBitmap",
                                 [] { return std::make_unique<TBitmap>(); });
    EXPECT_NE(TPicture::GraphicFilter().find("|Test pictures (*.tst)|*.tst"), std::string::npos);

    TBitmap bitmap;
    Paint(bitmap, {{kRed, kBlue}});
    const std::string path = testing::TempDir() + "picture_test.TST";
    bitmap.WriteToFile(path);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromFile(path);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(changes, 1);
    TPicture::UnregisterGraphicClass("TTestBitmap");
    EXPECT_THROW(picture.LoadFromFile(path), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile("no-extension"), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 2);
    picture.Assign(nullptr);
    EXPECT_EQ(picture.Graphic(), nullptr);
    std::remove(path.c_str());
}
