#include "skin/TsSkinStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include "skin/ButtonStyle.h"
#include "skin/ComboPopupStyle.h"
#include "skin/ControlClasses.h"
#include "skin/ScrollBarStyle.h"
#include "skin/TacProvider.h"
#include "skin/TipStyle.h"
#include "skin/TsSkinManager.h"

namespace {

constexpr const char* kSkinnedProperty = "vexmoraSkinned";

// The window whose mark counts for a widget. Drop-down lists, menus and tooltips are windows
// of their own that Qt makes children of the widget they drop from or explain; they take the
// mark of that widget's window.
const QWidget* MarkedWindow(const QWidget* widget) {
    const QWidget* window = widget->window();
    while (window != nullptr && window->parentWidget() != nullptr &&
           (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip))
        window = window->parentWidget()->window();
    return window;
}

}  // namespace

TsSkinStyle::TsSkinStyle(TsSkinManager* manager, QStyle* base)
    : QProxyStyle(base), manager_(manager), menus_(manager) {}

void TsSkinStyle::Install(TsSkinManager* manager) {
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new TsSkinStyle(manager, base));
}

void TsSkinStyle::SetWindowSkinned(QWidget* window, bool skinned) {
    if (window == nullptr) return;
    window->setProperty(kSkinnedProperty, skinned);
    // Sizes the style gives (a scroll bar's thickness) change with the mark.
    QEvent change(QEvent::StyleChange);
    QApplication::sendEvent(window, &change);
    for (QWidget* child : window->findChildren<QWidget*>()) QApplication::sendEvent(child, &change);
}

bool TsSkinStyle::WindowSkinned(const QWidget* window) {
    return window != nullptr && window->property(kSkinnedProperty).toBool();
}

bool TsSkinStyle::SkinsWidget(const QWidget* widget) const {
    if (widget == nullptr || manager_ == nullptr || manager_->Content() == nullptr) return false;
    const QWidget* window = MarkedWindow(widget);
    return window != nullptr && window->property(kSkinnedProperty).toBool();
}

TsSkinContent* TsSkinStyle::SkinFor(const QWidget* widget) const {
    return SkinsWidget(widget) ? manager_->Content() : nullptr;
}

const char* TsSkinStyle::ControlSection(const QWidget* widget) const {
    if (widget == nullptr || manager_ == nullptr) return nullptr;
    if (TacProvider::AutoSkinned(MarkedWindow(widget))) return controlclasses::SectionOf(*widget);
    if (manager_->SkinningRules & srThirdParty)
        return controlclasses::ThirdPartySection(*widget, manager_->ThirdParty);
    return nullptr;
}

void TsSkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    TsSkinContent* skin = SkinFor(widget);
    if (skin != nullptr && scrollbarstyle::Draw(*skin, control, option, painter)) return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect TsSkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl part, const QWidget* widget) const {
    if (const TsSkinContent* skin = SkinFor(widget))
        if (const auto r = scrollbarstyle::PartRect(*skin, control, option, part)) return *r;
    return QProxyStyle::subControlRect(control, option, part, widget);
}

int TsSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    if (const TsSkinContent* skin = SkinFor(widget)) {
        if (const auto value = scrollbarstyle::Metric(*skin, metric, option)) return *value;
        if (const auto value = combopopupstyle::Metric(*skin, metric, widget)) return *value;
    }
    if (const auto menu = menus_.PixelMetric(metric, widget)) return *menu;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

// A combo box's list is a pop-up too: its family goes before the menus'.
void TsSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (TsSkinContent* skin = SkinFor(widget)) {
        if (combopopupstyle::DrawPrimitive(*skin, element, option, painter, widget)) return;
        if (tipstyle::Draw(*skin, element, option, painter, widget)) return;
        if (buttonstyle::DrawPrimitive(*skin, ControlSection(widget), element, option, painter,
                                       widget))
            return;
    }
    if (menus_.DrawPrimitive(element, option, painter, widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TsSkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (TsSkinContent* skin = SkinFor(widget)) {
        if (combopopupstyle::DrawControl(*skin, element, option, painter, widget)) return;
        if (const auto item = combopopupstyle::ItemOption(*skin, element, option, widget))
            return QProxyStyle::drawControl(element, &*item, painter, widget);
        if (const auto label =
                buttonstyle::LabelOption(*skin, ControlSection(widget), element, option, widget))
            return QProxyStyle::drawControl(element, &*label, painter, widget);
    }
    if (menus_.DrawControl(element, option, painter, widget)) return;
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TsSkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (const TsSkinContent* skin = SkinFor(widget)) tipstyle::Polish(*skin, widget);
    menus_.Polish(widget);
}

QSize TsSkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    if (const auto menu = menus_.SizeFromContents(type, option, size, widget)) return *menu;
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TsSkinStyle::unpolish(QWidget* widget) {
    menus_.Unpolish(widget);
    QProxyStyle::unpolish(widget);
}
