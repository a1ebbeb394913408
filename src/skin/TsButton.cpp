#include "skin/TsButton.h"

#include "skin/SkinnedButton.h"

TsButton::TsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {
    skinnedbutton::Bind(SkinData, *this);
}

void TsButton::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
