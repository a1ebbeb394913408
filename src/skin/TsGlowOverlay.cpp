#include "skin/TsGlowOverlay.h"

#include <QPainter>

TsGlowOverlay::TsGlowOverlay(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("GlowOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TsGlowOverlay::ShowPicture(const QRect& place, const QImage& picture) {
    picture_ = picture;
    setGeometry(place);
    raise();
    show();
    update();
}

void TsGlowOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}
