#pragma once

#include <QRect>
#include <QVector>
#include <functional>

class QWidget;
class TsCommonData;

// Fields with buttons inside (spin edits, combo boxes): the field's face with the faces of its
// buttons, which come from their own section, and the buttons' arrows from the skin's glyph
// pictures, drawn over it.
namespace skinnedfield {

enum class Buttons {
    // One drop-down button (COMBOBTN) with the combo box's arrow.
    Combo,
    // An up and a down button (UPDOWNBTN), in that order, with the spin arrow.
    Spin
};

void Bind(TsCommonData& skinData, QWidget& field, Buttons kind,
          std::function<QVector<QRect>()> buttonRects);

}  // namespace skinnedfield
