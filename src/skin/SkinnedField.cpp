#include "skin/SkinnedField.h"

#include <QWidget>

#include "skin/TsCommonData.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/FieldButtons.h"
#include "skin/paint/PaintFace.h"

namespace skinnedfield {

namespace {

std::vector<TsFieldButton> FieldButtons(const TsSkinContent& skin, Buttons kind,
                                        const QVector<QRect>& rects) {
    const bool combo = kind == Buttons::Combo;
    const int section = skin.SectionIndex(combo ? "COMBOBTN" : "UPDOWNBTN");
    const int arrow = combo ? ComboArrowIndex(skin) : SpinArrowIndex(skin);
    std::vector<TsFieldButton> buttons;
    for (qsizetype i = 0; i < rects.size(); ++i) {
        const QRect& r = rects[i];
        TsFieldButton button;
        button.Rect = TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
        button.SectionIndex = section;
        button.ArrowIndex = arrow;
        button.Upward = !combo && i == 0;
        buttons.push_back(button);
    }
    return buttons;
}

}  // namespace

void Bind(TsCommonData& skinData, QWidget& field, Buttons kind,
          std::function<QVector<QRect>()> buttonRects) {
    skinData.PaintsFace = true;
    skinData.State = [&field] { return field.hasFocus() || field.underMouse() ? 1 : 0; };
    skinData.BuildFace = [&skinData, &field, kind, buttonRects](int state) {
        const int width = std::max(1, field.width()), height = std::max(1, field.height());
        auto face = skinpaint::NewFacePicture(width, height);
        const TsFaceBinding binding = skinData.Binding();
        PaintControlFace(binding, skinData.ParentBackground(), true, *face,
                         TRect{0, 0, width, height}, state);
        if (binding.Skin != nullptr)
            PaintFieldButtons(binding, *face, FieldButtons(*binding.Skin, kind, buttonRects()));
        return face;
    };
}

}  // namespace skinnedfield
