#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "OutputTestSupport.h"
#include "core/Exception.h"
#include "output/ImageOutput.h"
#include "platform/BitmapImage.h"
#include "platform/Clipboard.h"
#include "platform/raster/TBitmap.h"
#include "platform/raster/TPicture.h"
#include "png/TPNGObject.h"

namespace {

class CopyImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::clipboard()->setText(QStringLiteral("what was there before"));
    }
    void TearDown() override { SetClipboardOpener({}); }

    ShowWarningFunction Warnings() {
        return [this](const std::string& text) { warnings_.push_back(text); };
    }
    static QString ClipboardText() { return QApplication::clipboard()->text(); }

    std::vector<std::string> warnings_;
};

TEST_F(CopyImageTest, WithoutAPictureWarnsAndLeavesTheClipboardAlone) {
    TPicture nothing;
    CopyImage(nothing, Warnings());
    EXPECT_EQ(warnings_, std::vector<std::string>{"Firstly please generate a QR code!\r\n"});
    EXPECT_EQ(ClipboardText(), "what was there before");
}

TEST_F(CopyImageTest, ReplacesTheClipboardByOneBitmapOfThePictureOfferedAsPngAndBmp) {
    for (const TestPicture& testPicture : TestPictures()) {
        if (testPicture.image.hasAlphaChannel()) continue;
        const auto picture = PictureOf(testPicture.png);
        CopyImage(*picture, Warnings());
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_FALSE(data->hasText()) << "the earlier contents are gone";
        EXPECT_TRUE(data->hasImage());
        EXPECT_TRUE(data->formats().contains("image/png"))
            << data->formats().join(' ').toStdString();
        EXPECT_TRUE(data->formats().contains("image/bmp"));

        const QImage& expected = testPicture.image;
        const QImage shown = qvariant_cast<QImage>(data->imageData());
        EXPECT_EQ(shown.size(), QSize(picture->Width(), picture->Height())) << testPicture.name;
        EXPECT_EQ(ImageDifference(shown, expected), "") << testPicture.name;
        for (const char* format : {"image/png", "image/bmp"})
            EXPECT_EQ(ImageDifference(QImage::fromData(data->data(format)), expected), "")
                << testPicture.name << " as " << format;
    }
    EXPECT_TRUE(warnings_.empty());
}

// Under transparent parts lies what the new bitmap held: the framework's bitmaps start white.
TEST_F(CopyImageTest, AnAlphaPictureIsBlendedOntoTheNewBitmap) {
    const TestPicture rgba = TestPictureNamed("rgba");
    CopyImage(*PictureOf(rgba.png), Warnings());
    const QImage source = rgba.image.convertToFormat(QImage::Format_ARGB32);
    const auto blend = [](int colour, int alpha) {
        return (colour * alpha + (255 - alpha) * 255 + 255) / 256;
    };
    QImage expected(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb s = source.pixel(x, y);
            const int a = qAlpha(s);
            expected.setPixel(
                x, y,
                a == 255 ? (s | 0xFF000000U)
                : a == 0 ? qRgb(255, 255, 255)
                         : qRgb(blend(qRed(s), a), blend(qGreen(s), a), blend(qBlue(s), a)));
        }
    EXPECT_EQ(ImageDifference(QApplication::clipboard()->image(), expected), "");
}

TEST_F(CopyImageTest, AClipboardThatCannotBeHadRaisesAndKeepsItsContents) {
    SetClipboardOpener([]() -> QClipboard* { return nullptr; });
    const auto picture = PictureOf(TestPictureNamed("gray8").png);
    try {
        CopyImage(*picture, Warnings());
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot open clipboard");
    }
    SetClipboardOpener({});
    EXPECT_EQ(ClipboardText(), "what was there before");
}

TEST(ClipboardBridgeTest, OnlyBitmapItemsCarryAPicture) {
    TClipboardBitmap palette;
    palette.format = 9;
    EXPECT_THROW(PutBitmapOnClipboard(palette), Exception);
    TClipboardBitmap empty;
    empty.format = CF_BITMAP;
    EXPECT_THROW(PutBitmapOnClipboard(empty), Exception);
}

// Indexed bitmaps of every depth come out in their colour table's colours.
TEST(BitmapImageTest, IndexedAndMonochromeBitmapsBecomeTheirColours) {
    for (const TestPicture& testPicture : TestPictures()) {
        if (testPicture.image.hasAlphaChannel()) continue;
        const auto picture = PictureOf(testPicture.png);
        TBitmap bitmap;
        bitmap.CopyFrom(picture->Graphic());
        ASSERT_TRUE(bitmap.Handle()) << testPicture.name;
        EXPECT_EQ(ImageDifference(ImageOfBitmap(*bitmap.Handle()), testPicture.image), "")
            << testPicture.name;
    }
}

}  // namespace
