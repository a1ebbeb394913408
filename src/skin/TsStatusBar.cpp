#include "skin/TsStatusBar.h"

#include <QEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyleOption>

#include "skin/QtFace.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"
#include "skin/paint/StatusBarFace.h"
#include "skin/paint/TextFormat.h"

TsStatusBar::TsStatusBar(QWidget* parent)
    : QWidget(parent), SkinData(*this, QStringLiteral("STATUSBAR")) {
    setAutoFillBackground(true);
    SkinData.PaintsFace = true;
    SkinData.BuildFace = [this](int) { return BuildFace(); };
    sizeGrip_ = new QSizeGrip(this);
    sizeGrip_->setObjectName(QStringLiteral("SizeGrip"));
    sizeGrip_->installEventFilter(this);
}

void TsStatusBar::SetPanelWidths(std::vector<int> widths) {
    panels_.clear();
    for (const int width : widths)
        panels_.push_back(TsStatusPanel{width, {}, Qt::AlignLeft, false});
    PanelsChanged();
}

void TsStatusBar::SetPanelWidth(int index, int width) {
    panels_.at(static_cast<std::size_t>(index)).Width = width;
    PanelsChanged();
}

void TsStatusBar::SetPanelText(int index, const QString& text) {
    panels_.at(static_cast<std::size_t>(index)).Text = text;
    PanelsChanged();
}

QString TsStatusBar::PanelText(int index) const {
    return panels_.at(static_cast<std::size_t>(index)).Text;
}

void TsStatusBar::SetPanelAlignment(int index, Qt::Alignment alignment) {
    panels_.at(static_cast<std::size_t>(index)).Alignment = alignment;
    PanelsChanged();
}

void TsStatusBar::SetPanelOwnerDraw(int index, bool ownerDraw) {
    panels_.at(static_cast<std::size_t>(index)).OwnerDraw = ownerDraw;
    PanelsChanged();
}

void TsStatusBar::SetSimplePanel(bool simple) {
    simplePanel_ = simple;
    PanelsChanged();
}

void TsStatusBar::PanelsChanged() {
    SkinData.Invalidate();
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

bool TsStatusBar::eventFilter(QObject* watched, QEvent* event) {
    // Under a skin the grip is part of the bar's face; the grip control only takes the mouse.
    if (watched == sizeGrip_ && event->type() == QEvent::Paint && SkinData.Skinned()) return true;
    return QWidget::eventFilter(watched, event);
}

std::shared_ptr<TBitmap> TsStatusBar::BuildFace() {
    const int w = std::max(1, width()), h = std::max(1, height());
    auto face = skinpaint::NewFacePicture(w, h);
    const TsFaceBinding binding = SkinData.Binding();
    PaintControlFace(binding, SkinData.ParentBackground(), true, *face, TRect{0, 0, w, h}, 0);
    TsStatusBarContent content;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < PanelCount(); ++i) {
        const TsStatusPanel& panel = panels_[static_cast<std::size_t>(i)];
        const QRect r = PanelRect(i);
        const int alignment = rtl ? int(Qt::AlignRight) : int(panel.Alignment);
        content.Panels.push_back(TsStatusPanelContent{
            TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()},
            panel.Text.toLocal8Bit().toStdString(),
            static_cast<std::uint32_t>(alignment | int(Qt::TextSingleLine) |
                                       int(Qt::AlignVCenter)) |
                kTextEndEllipsis,
            panel.OwnerDraw});
    }
    content.SimplePanel = simplePanel_;
    content.Enabled = isEnabled();
    content.Grip = !sizeGrip_->isHidden();
    ownerDrawn_.clear();
    content.DrawPanel = [this](int panel, const TRect& r) {
        ownerDrawn_.emplace_back(panel, QRect(r.left, r.top, r.Width(), r.Height()));
    };
    TQtSkinText renderer(font());
    PaintStatusPanels(renderer, binding, *face, content);
    return face;
}

void TsStatusBar::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) {
        PaintStandard();
        return;
    }
    if (!OnDrawPanel || ownerDrawn_.empty()) return;
    QPainter painter(this);
    for (const auto& [panel, rect] : ownerDrawn_) {
        painter.save();
        OnDrawPanel(painter, panel, rect);
        painter.restore();
    }
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
        const TsStatusPanel& panel = panels_[static_cast<std::size_t>(i)];
        const QRect inner = PanelRect(i).adjusted(3, 2, -5, -1);
        if (panel.OwnerDraw) {
            if (OnDrawPanel) OnDrawPanel(painter, i, PanelRect(i).adjusted(1, 1, -1, -1));
        } else if (!panel.Text.isEmpty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(
                inner, int(panel.Alignment | Qt::AlignVCenter),
                painter.fontMetrics().elidedText(panel.Text, Qt::ElideRight, inner.width()));
        }
    }
}
