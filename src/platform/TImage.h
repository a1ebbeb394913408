#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/raster/TPicture.h"

// The image control: it holds one picture in its picture container and paints it at the
// picture's own size from its top-left corner, without stretching or centring; whatever does
// not fit is cut off. The control's own size and place are left alone when the picture
// changes.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;

    // The picture container; every change of its graphic repaints the control.
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // The held graphic, or nullptr when there is none.
    TGraphic* Graphic() const { return picture_.Graphic(); }
    // Holds a copy of the graphic, of the same class; nullptr empties the picture.
    void Assign(const TGraphic* graphic);
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // Empties the picture: width and height 0, nothing is drawn.
    void Clear();

    int PictureWidth() const { return picture_.Width(); }
    int PictureHeight() const { return picture_.Height(); }
    bool PictureEmpty() const { return PictureWidth() <= 0 || PictureHeight() <= 0; }

    // What the control shows of its picture: the picture drawn at its own size onto the
    // parent's background colour, as an opaque 32-bit image. A null image when the picture
    // is empty or cannot be drawn.
    QImage RenderedPicture() const;

    // Kept for the picture classes that honour them; a picture drawn at its own size inside a
    // control at least as large is not affected by either.
    bool Proportional = false;
    bool Transparent = false;

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor BackgroundColor() const;

    TPicture picture_;
    bool pressed_ = false;
};
