#include "skin/ButtonStyle.h"

#include <QPainter>
#include <QPushButton>
#include <cstring>

#include "skin/QtFace.h"
#include "skin/StyleFaces.h"

namespace buttonstyle {

namespace {

constexpr const char* kSection = "BUTTON";

// Only push buttons the class tables give to BUTTON: the skinned controls paint themselves,
// and tool buttons and the parts of complex controls have sections of their own.
bool IsPushButton(const char* section, const QWidget* widget) {
    return section != nullptr && std::strcmp(section, kSection) == 0 &&
           qobject_cast<const QPushButton*>(widget) != nullptr;
}

}  // namespace

int StateOf(const QStyleOption& option) {
    const QStyle::State state = option.state;
    if (state & (QStyle::State_Sunken | QStyle::State_On)) return 2;
    if (!(state & QStyle::State_Enabled)) return 0;
    if (state & (QStyle::State_MouseOver | QStyle::State_HasFocus)) return 1;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option))
        if (button->features & QStyleOptionButton::DefaultButton) return 1;
    return 0;
}

bool DrawPrimitive(TsSkinContent& skin, const char* section, QStyle::PrimitiveElement element,
                   const QStyleOption* option, QPainter* painter, const QWidget* widget) {
    if (element != QStyle::PE_PanelButtonCommand || option == nullptr ||
        !IsPushButton(section, widget))
        return false;
    if (skin.SectionIndex(kSection) < 0) return false;
    const QColor behind = option->palette.color(QPalette::Window);
    const QImage face = stylefaces::SectionFace(skin, kSection, option->rect.size(),
                                                StateOf(*option), FromQColor(behind));
    if (face.isNull()) return false;
    if (!(option->state & QStyle::State_Enabled)) painter->setOpacity(0.5);
    painter->drawImage(option->rect.topLeft(), face);
    painter->setOpacity(1.0);
    return true;
}

std::optional<QStyleOptionButton> LabelOption(const TsSkinContent& skin, const char* section,
                                              QStyle::ControlElement element,
                                              const QStyleOption* option, const QWidget* widget) {
    if (element != QStyle::CE_PushButtonLabel || !IsPushButton(section, widget))
        return std::nullopt;
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button == nullptr || skin.SectionIndex(kSection) < 0) return std::nullopt;
    QStyleOptionButton label = *button;
    const QColor fallback = label.palette.color(QPalette::ButtonText);
    label.palette.setColor(QPalette::ButtonText, stylefaces::SectionFontColour(
                                                     skin, kSection, StateOf(*option), fallback));
    return label;
}

}  // namespace buttonstyle
