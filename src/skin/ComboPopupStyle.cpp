#include "skin/ComboPopupStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <algorithm>

#include "skin/QtFace.h"
#include "skin/StyleFaces.h"
#include "skin/paint/FacePictures.h"

namespace combopopupstyle {

namespace {

constexpr const char* kList = "COMBOBOX";
constexpr const char* kSelection = "SELECTION";
// The list's border takes the look of a field that has the focus, as the open box has.
constexpr int kListState = 1;

// The list's window: a popup made a child of its combo box.
const QWidget* ListWindow(const QWidget* widget) {
    const QWidget* window = widget == nullptr ? nullptr : widget->window();
    return window != nullptr && window->windowType() == Qt::Popup ? window : nullptr;
}

bool IsView(const QWidget* widget) {
    return qobject_cast<const QAbstractItemView*>(widget) != nullptr && ComboOf(widget) != nullptr;
}

QImage ListFace(TsSkinContent& skin, const QWidget& window) {
    const QColor colour = stylefaces::SectionColour(skin, kList, window.palette().base().color());
    return stylefaces::SectionFace(skin, kList, window.size(), kListState, FromQColor(colour));
}

}  // namespace

const QComboBox* ComboOf(const QWidget* widget) {
    const QWidget* window = ListWindow(widget);
    return window == nullptr ? nullptr : qobject_cast<const QComboBox*>(window->parentWidget());
}

bool DrawPrimitive(TsSkinContent& skin, QStyle::PrimitiveElement element,
                   const QStyleOption* option, QPainter* painter, const QWidget* widget) {
    if (option == nullptr || painter == nullptr || ComboOf(widget) == nullptr) return false;
    switch (element) {
        case QStyle::PE_PanelMenu: {
            if (!widget->isWindow()) return false;
            const QImage face = ListFace(skin, *widget);
            if (face.isNull()) return false;
            painter->drawImage(QPoint(0, 0), face);
            return true;
        }
        // The face carries the border, and the chosen line shows where the keyboard is.
        case QStyle::PE_Frame:
            return widget->isWindow();
        case QStyle::PE_FrameFocusRect:
            return IsView(widget);
        case QStyle::PE_PanelItemViewItem: {
            if (!IsView(widget)) return false;
            if (!(option->state & (QStyle::State_Selected | QStyle::State_MouseOver))) return true;
            const QColor colour = stylefaces::SectionColour(skin, kList, Qt::black);
            const QImage face = stylefaces::SectionFace(skin, kSelection, option->rect.size(), 0,
                                                        FromQColor(colour));
            if (!face.isNull()) painter->drawImage(option->rect.topLeft(), face);
            return true;
        }
        default:
            return false;
    }
}

bool DrawControl(TsSkinContent& skin, QStyle::ControlElement element, const QStyleOption* option,
                 QPainter* painter, const QWidget* widget) {
    // The view's empty area shows the part of the list's face that lies behind it.
    if (element != QStyle::CE_MenuEmptyArea || option == nullptr || painter == nullptr ||
        !IsView(widget))
        return false;
    const auto* view = static_cast<const QAbstractItemView*>(widget);
    const QWidget* window = ListWindow(widget);
    const QImage face = ListFace(skin, *window);
    if (face.isNull()) return false;
    const QPoint origin = view->viewport()->mapTo(window, QPoint(0, 0));
    painter->drawImage(option->rect.topLeft(), face,
                       QRect(origin + option->rect.topLeft(), option->rect.size()));
    return true;
}

std::optional<int> Metric(const TsSkinContent& skin, QStyle::PixelMetric metric,
                          const QWidget* widget) {
    if (metric != QStyle::PM_DefaultFrameWidth || widget == nullptr || !widget->isWindow() ||
        ComboOf(widget) == nullptr)
        return std::nullopt;
    const int section = skin.SectionIndex(kList);
    const TsMaskData* border =
        skinpaint::MaskAt(skin, skin.FindMaskIndex(section, kList, "BORDERSMASK"));
    return std::clamp(border == nullptr ? 0 : border->MarginLeft / 2, 1, 4);
}

std::optional<QStyleOptionViewItem> ItemOption(const TsSkinContent& skin,
                                               QStyle::ControlElement element,
                                               const QStyleOption* option, const QWidget* widget) {
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (element != QStyle::CE_ItemViewItem || item == nullptr || !IsView(widget))
        return std::nullopt;
    QStyleOptionViewItem skinned(*item);
    const QColor text = stylefaces::SectionFontColour(skin, kList, 0, item->palette.text().color());
    const QColor chosen =
        stylefaces::SectionFontColour(skin, kSelection, 0, item->palette.highlightedText().color());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        skinned.palette.setColor(group, QPalette::Text, text);
        skinned.palette.setColor(group, QPalette::HighlightedText, chosen);
    }
    // A hovered line is drawn like the chosen one, text included.
    if (skinned.state & QStyle::State_MouseOver) skinned.state |= QStyle::State_Selected;
    return skinned;
}

}  // namespace combopopupstyle
