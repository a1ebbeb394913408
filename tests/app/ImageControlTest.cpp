#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QTest>

#include "core/TMemoryStream.h"
#include "platform/BitmapImage.h"
#include "platform/TImage.h"
#include "platform/raster/TBitmap.h"
#include "png/TPNGObject.h"

namespace {

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A PNG picture of the image, decoded by the program's own reader.
std::unique_ptr<TPNGObject> PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    TMemoryStream stream;
    stream.WriteBuffer(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    stream.SetPosition(0);
    auto png = std::make_unique<TPNGObject>();
    png->ReadFromStream(stream);
    return png;
}

QImage Rendered(TImage& control) {
    QImage shot(control.size(), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    control.render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
    return shot;
}

TEST(ImageControl, PaintsThePictureAtItsOwnSizeFromTheCorner) {
    TImage control;
    control.resize(40, 30);
    control.SetGraphic(BitmapOfImage(Filled({10, 8}, Qt::red)));
    EXPECT_EQ(control.PictureWidth(), 10);
    EXPECT_EQ(control.PictureHeight(), 8);
    EXPECT_EQ(control.size(), QSize(40, 30));
    const QImage shot = Rendered(control);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(9, 7), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(10, 7), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(9, 8), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(20, 15), QColor(Qt::white)) << "no centring";
}

TEST(ImageControl, LargerPicturesAreCutOffNotShrunk) {
    TImage control;
    control.resize(10, 10);
    QImage picture = Filled({30, 30}, Qt::blue);
    picture.setPixelColor(9, 9, Qt::green);
    control.SetGraphic(BitmapOfImage(picture));
    EXPECT_EQ(Rendered(control).pixelColor(9, 9), QColor(Qt::green));
}

// Transparent parts of a PNG picture show the parent's background, half-transparent ones a
// blend with it.
TEST(ImageControl, APngPictureIsDrawnOverTheParentsBackground) {
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(parent.backgroundRole(), QColor(0, 0, 200));
    parent.setPalette(palette);
    auto* control = new TImage(&parent);
    control->resize(4, 1);
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(255, 0, 0, 0));
    picture.setPixel(2, 0, qRgba(0, 255, 0, 128));
    picture.setPixel(3, 0, qRgba(0, 0, 0, 255));
    control->SetGraphic(PngOf(picture));
    const QImage shown = control->RenderedPicture();
    ASSERT_EQ(shown.size(), QSize(4, 1));
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(0, 0, 200));
    // (c * a + (255 - a) * d + 255) div 256 per component.
    EXPECT_EQ(shown.pixel(2, 0), qRgb(0, (255 * 128 + 255) / 256, (127 * 200 + 255) / 256));
    EXPECT_EQ(shown.pixel(3, 0), qRgb(0, 0, 0));
    EXPECT_EQ(Rendered(*control).pixel(1, 0), qRgb(0, 0, 200));
}

TEST(ImageControl, ClearingLeavesAnEmptyPictureAndTheControlInPlace) {
    TImage control;
    control.setGeometry(5, 6, 40, 30);
    control.SetGraphic(BitmapOfImage(Filled({10, 8}, Qt::red)));
    control.Clear();
    EXPECT_TRUE(control.PictureEmpty());
    EXPECT_EQ(control.Graphic(), nullptr);
    EXPECT_EQ(control.PictureWidth(), 0);
    EXPECT_EQ(control.geometry(), QRect(5, 6, 40, 30));
    EXPECT_EQ(Rendered(control).pixelColor(0, 0), QColor(Qt::white));
    EXPECT_TRUE(control.RenderedPicture().isNull());

    control.SetGraphic(BitmapOfImage(QImage()));
    EXPECT_TRUE(control.PictureEmpty());
    control.SetGraphic(std::make_unique<TPNGObject>());
    EXPECT_TRUE(control.PictureEmpty());
}

TEST(ImageControl, HoldsItsOwnCopyOfTheSameClass) {
    TImage control;
    auto source = PngOf(Filled({4, 4}, Qt::red));
    control.Assign(source.get());
    source->Clear();
    EXPECT_EQ(control.PictureWidth(), 4);
    EXPECT_EQ(control.Graphic()->ClassName(), "TPNGObject");
    EXPECT_EQ(control.RenderedPicture().pixel(3, 3), qRgb(255, 0, 0));
}

TEST(ImageControl, ClickNeedsPressAndReleaseInside) {
    TImage control;
    control.resize(20, 20);
    int clicks = 0;
    control.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
