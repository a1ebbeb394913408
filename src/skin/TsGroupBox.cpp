#include "skin/TsGroupBox.h"

TsGroupBox::TsGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), SkinData(*this, QStringLiteral("GROUPBOX")) {}

void TsGroupBox::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QGroupBox::paintEvent(event);
}
