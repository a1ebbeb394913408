#include "skin/TsLabel.h"

#include <QEvent>
#include <QMouseEvent>

TsLabel::TsLabel(const QString& caption, QWidget* parent)
    : QLabel(parent), SkinData(*this, QString()) {
    SkinData.ParentFontColor = true;
    setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

void TsLabel::SetCaption(const QString& caption) {
    setText(caption);
    FitToText();
}

void TsLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToText();
}

void TsLabel::FitToText() {
    if (autoSize_) resize(sizeHint());
}

void TsLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitToText();
}

void TsLabel::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QLabel::paintEvent(event);
}

void TsLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TsLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && OnClick) OnClick();
}
