#include "skin/TsMemo.h"

#include <QTextDocument>

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

QString TsMemo::Text() const {
    QString text = document()->toRawText();
    // The editor keeps every line break it was given (LF, CR, CR LF or U+2029) as a paragraph
    // break, and the raw text shows each one as U+2029; nothing else in it stands for a break.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
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
