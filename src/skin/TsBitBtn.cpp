#include "skin/TsBitBtn.h"

#include "skin/SkinnedButton.h"

TsBitBtn::TsBitBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {
    skinnedbutton::Bind(SkinData, *this);
}

void TsBitBtn::SetGlyph(const QIcon& glyph, QSize size) {
    setIcon(glyph);
    setIconSize(size);
    SkinData.Invalidate();
}

void TsBitBtn::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
