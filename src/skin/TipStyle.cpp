#include "skin/TipStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include "skin/QtFace.h"
#include "skin/StyleFaces.h"

namespace tipstyle {

namespace {

constexpr const char* kHint = "HINT";

}  // namespace

bool IsTip(const QWidget* widget) {
    return widget != nullptr && widget->isWindow() && widget->inherits("QTipLabel");
}

void Polish(const TsSkinContent& skin, QWidget* widget) {
    if (!IsTip(widget)) return;
    QPalette palette = widget->palette();
    const QColor fallback = palette.color(QPalette::ToolTipText);
    palette.setColor(QPalette::ToolTipText,
                     stylefaces::SectionFontColour(skin, kHint, 0, fallback));
    widget->setPalette(palette);
}

bool Draw(TsSkinContent& skin, QStyle::PrimitiveElement element, const QStyleOption* option,
          QPainter* painter, const QWidget* widget) {
    if (element != QStyle::PE_PanelTipLabel || option == nullptr || painter == nullptr ||
        !IsTip(widget))
        return false;
    // Nothing of the window lies behind a tip; its own colour stands in where the border
    // pieces are open.
    const QColor colour =
        stylefaces::SectionColour(skin, kHint, option->palette.toolTipBase().color());
    const QImage face =
        stylefaces::SectionFace(skin, kHint, option->rect.size(), 0, FromQColor(colour));
    if (face.isNull()) return false;
    painter->drawImage(option->rect.topLeft(), face);
    return true;
}

}  // namespace tipstyle
