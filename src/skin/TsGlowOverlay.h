#pragma once

#include <QImage>
#include <QWidget>

// A control's glow, drawn in its window: a child of the window laid over the control and its
// neighbours, showing a picture with its own alpha. It never takes the mouse, so everything
// under the glow stays as clickable as without it, and it needs no compositor.
class TsGlowOverlay : public QWidget {
public:
    explicit TsGlowOverlay(QWidget& window);

    // Shows the picture at that place of the window, above every other child.
    void ShowPicture(const QRect& place, const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
