#include "skin/TsMemo.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent), SkinData(*this, QStringLiteral("EDIT")) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (OnChange) OnChange();
    });
}

void TsMemo::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPlainTextEdit::paintEvent(event);
}
