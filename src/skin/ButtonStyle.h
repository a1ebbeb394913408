#pragma once

#include <QStyle>
#include <QStyleOptionButton>
#include <optional>

#include "skin/data/TsSkinContent.h"

class QPainter;
class QStyleOption;
class QWidget;

// Skinned push buttons for the application-wide style: the buttons of the toolkit's dialogs
// and of the forms the window hook skins have no skinned class of their own, so the style
// paints their panel from the BUTTON section and their caption in its font colours.
namespace buttonstyle {

// The button's state index: 2 pressed, 1 hot, focused or default, else 0.
int StateOf(const QStyleOption& option);
// section is the one the control's class is painted with (nullptr: none); only BUTTON is this
// family's.
bool DrawPrimitive(TsSkinContent& skin, const char* section, QStyle::PrimitiveElement element,
                   const QStyleOption* option, QPainter* painter, const QWidget* widget);
// The caption's option with the section's font colour of the button's state, or nothing when
// the button is not the style's to skin.
std::optional<QStyleOptionButton> LabelOption(const TsSkinContent& skin, const char* section,
                                              QStyle::ControlElement element,
                                              const QStyleOption* option, const QWidget* widget);

}  // namespace buttonstyle
