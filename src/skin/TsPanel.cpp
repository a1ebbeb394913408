#include "skin/TsPanel.h"

TsPanel::TsPanel(QWidget* parent) : QFrame(parent), SkinData(*this, QStringLiteral("PANEL")) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    SkinData.PaintsFace = true;
}

void TsPanel::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QFrame::paintEvent(event);
}

void TsPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (OnResize) OnResize();
}
