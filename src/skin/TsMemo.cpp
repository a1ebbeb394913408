#include "skin/TsMemo.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent), SkinData(*this, QStringLiteral("EDIT")) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    SkinData.PaintsFace = true;
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (OnChange) OnChange();
    });
}

void TsMemo::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
}

bool TsMemo::event(QEvent* event) {
    // The memo's own paint events draw its frame; the text area paints itself on top.
    if (event->type() == QEvent::Paint && SkinData.Paint(static_cast<QPaintEvent*>(event)))
        return true;
    return QPlainTextEdit::event(event);
}
