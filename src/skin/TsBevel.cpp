#include "skin/TsBevel.h"

#include <qdrawutil.h>

#include <QPainter>

TsBevel::TsBevel(QWidget* parent, Style style)
    : QWidget(parent), SkinData(*this, QString()), style_(style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TsBevel::SetBevelStyle(Style style) {
    if (style_ == style) return;
    style_ = style;
    update();
}

void TsBevel::paintEvent(QPaintEvent* event) {
    if (SkinData.Paint(event)) return;
    QPainter painter(this);
    // A one-pixel light line beside a one-pixel dark one on every side: raised, the light line
    // is outside and the frame stands out; lowered, the dark one is and it sinks in.
    qDrawShadeRect(&painter, rect(), palette(), style_ == Style::Lowered, 1, 0);
}
