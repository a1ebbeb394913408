#include "skin/TsStatusBar.h"

#include <QPainter>
#include <QSizeGrip>
#include <QStyleOption>

TsStatusBar::TsStatusBar(QWidget* parent)
    : QWidget(parent), SkinData(*this, QStringLiteral("STATUSBAR")) {
    setAutoFillBackground(true);
    sizeGrip_ = new QSizeGrip(this);
    sizeGrip_->setObjectName(QStringLiteral("SizeGrip"));
}

void TsStatusBar::SetPanelWidths(std::vector<int> widths) {
    panelWidths_ = std::move(widths);
    update();
}

void TsStatusBar::SetPanelWidth(int index, int width) {
    panelWidths_.at(static_cast<std::size_t>(index)) = width;
    update();
}

QRect TsStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i) left += PanelWidth(i);
    const int right = index + 1 == PanelCount() ? width() : left + PanelWidth(index);
    return QRect(left, 0, std::max(0, right - left), height());
}

void TsStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize grip = sizeGrip_->sizeHint();
    sizeGrip_->setGeometry(width() - grip.width(), height() - grip.height(), grip.width(),
                           grip.height());
    sizeGrip_->raise();
}

void TsStatusBar::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) PaintStandard();
}

void TsStatusBar::PaintStandard() {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    for (int i = 0; i < PanelCount(); ++i) {
        option.rect = PanelRect(i).adjusted(0, 2, -2, 0);
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &option, &painter, this);
        // Fusion draws no frame for status items; a sunken divider keeps the panels apart.
        if (i + 1 < PanelCount()) {
            const int x = PanelRect(i).right() - 1;
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawLine(x, 3, x, height() - 3);
            painter.setPen(palette().color(QPalette::Light));
            painter.drawLine(x + 1, 3, x + 1, height() - 3);
        }
    }
}
