#include "skin/TsSkinStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QWidget>

#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/ScrollBarFace.h"

namespace {

constexpr const char* kSkinnedProperty = "vexmoraSkinned";

int PartState(const QStyleOptionSlider& bar, QStyle::SubControl part) {
    if (bar.activeSubControls != part) return 0;
    return (bar.state & QStyle::State_Sunken) ? 2 : 1;
}

TsScrollBarState BarState(const QStyleOptionSlider& bar) {
    TsScrollBarState s;
    s.Vertical = bar.orientation == Qt::Vertical;
    s.Minimum = bar.minimum;
    s.Maximum = bar.maximum;
    s.PageStep = bar.pageStep;
    s.Value = bar.sliderPosition;
    s.Enabled = (bar.state & QStyle::State_Enabled) != 0;
    s.FirstArrowState = PartState(bar, QStyle::SC_ScrollBarSubLine);
    s.SecondArrowState = PartState(bar, QStyle::SC_ScrollBarAddLine);
    s.ThumbState = PartState(bar, QStyle::SC_ScrollBarSlider);
    return s;
}

}  // namespace

TsSkinStyle::TsSkinStyle(TsSkinManager* manager, QStyle* base)
    : QProxyStyle(base), manager_(manager), menus_(manager) {}

void TsSkinStyle::Install(TsSkinManager* manager) {
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new TsSkinStyle(manager, base));
}

void TsSkinStyle::SetWindowSkinned(QWidget* window, bool skinned) {
    if (window != nullptr) window->setProperty(kSkinnedProperty, skinned);
}

bool TsSkinStyle::WindowSkinned(const QWidget* window) {
    return window != nullptr && window->property(kSkinnedProperty).toBool();
}

bool TsSkinStyle::SkinsWidget(const QWidget* widget) const {
    if (widget == nullptr || manager_ == nullptr || manager_->Content() == nullptr) return false;
    const QWidget* window = widget->window();
    return window != nullptr && window->property(kSkinnedProperty).toBool();
}

void TsSkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr || !SkinsWidget(widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    auto face = skinpaint::NewFacePicture(r.width(), r.height());
    if (face->IsEmpty()) return;
    TsFaceBinding owner;
    owner.Skin = manager_->Content();
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::PlainColor;
    behind.Color = FromQColor(option->palette.color(QPalette::Window));
    PaintScrollBar(owner, behind, *face, BarState(*bar));
    painter->drawImage(r.topLeft(), FaceImage(*face));
}

void TsSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (menus_.DrawPrimitive(element, option, painter, widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TsSkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (menus_.DrawControl(element, option, painter, widget)) return;
    QProxyStyle::drawControl(element, option, painter, widget);
}

int TsSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    if (const auto menu = menus_.PixelMetric(metric, widget)) return *menu;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TsSkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    if (const auto menu = menus_.SizeFromContents(type, option, size, widget)) return *menu;
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TsSkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    menus_.Polish(widget);
}

void TsSkinStyle::unpolish(QWidget* widget) {
    menus_.Unpolish(widget);
    QProxyStyle::unpolish(widget);
}
