#pragma once

#include <QStyle>
#include <QStyleOptionViewItem>
#include <optional>

#include "skin/data/TsSkinContent.h"

class QComboBox;
class QPainter;
class QStyleOption;
class QWidget;

// The dropped-down list of a combo box for the application-wide style: the list's window shows
// the COMBOBOX face (its border included), the chosen or hovered line the SELECTION face, and
// the lines take those sections' font colours. The list's window is a popup whose parent is
// the combo box, so it counts as skinned when the combo box's window is.
namespace combopopupstyle {

// The combo box whose list the widget is part of (the list's window, its view or the view's
// viewport); nullptr for any other widget.
const QComboBox* ComboOf(const QWidget* widget);

bool DrawPrimitive(TsSkinContent& skin, QStyle::PrimitiveElement element,
                   const QStyleOption* option, QPainter* painter, const QWidget* widget);
bool DrawControl(TsSkinContent& skin, QStyle::ControlElement element, const QStyleOption* option,
                 QPainter* painter, const QWidget* widget);
// The list window's frame: half the COMBOBOX border's left margin (at least 1, at most 4), so
// that the lines keep clear of the border's rounded corners.
std::optional<int> Metric(const TsSkinContent& skin, QStyle::PixelMetric metric,
                          const QWidget* widget);
// A list line's option with the skin's text colours, for the plain style to lay out and draw
// its text; nullopt for anything but a line of a combo box's list.
std::optional<QStyleOptionViewItem> ItemOption(const TsSkinContent& skin,
                                               QStyle::ControlElement element,
                                               const QStyleOption* option, const QWidget* widget);

}  // namespace combopopupstyle
