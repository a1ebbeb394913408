#include "skin/TsBitBtn.h"

TsBitBtn::TsBitBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {}

void TsBitBtn::SetGlyph(const QIcon& glyph, QSize size) {
    setIcon(glyph);
    setIconSize(size);
}

void TsBitBtn::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
