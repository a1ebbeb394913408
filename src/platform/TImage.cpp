#include "platform/TImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <exception>

#include "platform/BitmapImage.h"
#include "platform/raster/TBitmap.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {
    picture_.OnChange = [this] { update(); };
}

TImage::~TImage() = default;

void TImage::Assign(const TGraphic* graphic) {
    picture_.Assign(graphic);
}

void TImage::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    picture_.SetGraphic(std::move(graphic));
}

void TImage::Clear() {
    picture_.SetGraphic(nullptr);
}

QColor TImage::BackgroundColor() const {
    const QWidget* below = parentWidget() ? parentWidget() : this;
    return below->palette().color(below->backgroundRole());
}

// Transparent parts of a picture show what lies under the control, so the drawing starts
// from the parent's background rather than from the new bitmap's white.
QImage TImage::RenderedPicture() const {
    const TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr || graphic->Empty() || PictureEmpty()) return {};
    try {
        TBitmap canvas;
        canvas.SetSize(PictureWidth(), PictureHeight());
        const QColor background = BackgroundColor();
        canvas.Canvas().SetBrushColor(MakeColor(static_cast<std::uint8_t>(background.red()),
                                                static_cast<std::uint8_t>(background.green()),
                                                static_cast<std::uint8_t>(background.blue())));
        const TRect area = MakeRect(0, 0, PictureWidth(), PictureHeight());
        canvas.Canvas().FillRect(area);
        graphic->PaintTo(canvas.Canvas(), area);
        return canvas.Handle() ? ImageOfBitmap(*canvas.Handle()) : QImage();
    } catch (const std::exception&) {
        // Painting never raises: a picture that cannot be drawn leaves the control blank.
        return {};
    }
}

void TImage::paintEvent(QPaintEvent*) {
    const QImage shown = RenderedPicture();
    if (shown.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shown);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

// A click is a left press and release over the control, like a button's.
void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click && OnClick) OnClick();
}
