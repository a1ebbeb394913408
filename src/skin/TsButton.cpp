#include "skin/TsButton.h"

TsButton::TsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {}

void TsButton::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
