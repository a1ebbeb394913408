#include "skin/LabelColours.h"

#include <QWidget>

#include "skin/QtFace.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinCommand.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/FaceTypes.h"
#include "skin/paint/ShadowValues.h"

namespace {

// Transparency counts only above half: what shows through decides the colour then.
constexpr int kSeeThroughTransparency = 50;

int SectionOf(QWidget& parent) {
    int index = -1;
    SendSkinCommand(parent, CmdGetSkinIndex, 0, &index);
    return index;
}

}  // namespace

int LabelFontSection(const QWidget& label, const TsSkinContent& skin) {
    QWidget* parent = label.parentWidget();
    while (parent != nullptr) {
        const int index = SectionOf(*parent);
        const TsGeneralData* section = skinpaint::SectionAt(skin, index);
        const bool seeThrough =
            section != nullptr && section->Props[0].Transparency > kSeeThroughTransparency;
        if (seeThrough && !TsCommonData::IsBound(*parent)) {
            parent = parent->parentWidget();
            continue;
        }
        // A bound see-through parent hands the question on from its own parent, so the
        // section asked next is the one above that.
        if (seeThrough && parent->parentWidget() != nullptr) {
            parent = parent->parentWidget()->parentWidget();
            continue;
        }
        return section != nullptr && section->GiveOwnFont ? index : -1;
    }
    return -1;
}

std::optional<TColor> LabelFontColor(const QWidget& label, const TsSkinContent& skin) {
    const TsGeneralData* section = skinpaint::SectionAt(skin, LabelFontSection(label, skin));
    const TColor colour = section != nullptr
                              ? static_cast<TColor>(section->Props[0].FontColor) & 0xFFFFFF
                              : GlobalFontColor(skin);
    if (colour == kKeyColor) return std::nullopt;
    return colour;
}

TColor ParentColor(const QWidget& label) {
    QWidget* parent = label.parentWidget();
    if (parent == nullptr) return FromQColor(label.palette().color(QPalette::Window));
    const TsSkinCommandEvent answer = SendSkinCommand(*parent, CmdGetColor);
    if (answer.Answered) return static_cast<TColor>(answer.Answer) & 0xFFFFFF;
    return FromQColor(parent->palette().color(parent->backgroundRole()));
}
