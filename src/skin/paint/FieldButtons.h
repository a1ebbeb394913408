#pragma once

#include <vector>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// The buttons inside fields: the drop-down button of a combo box and the spin buttons of a
// number field. Each has a face from its own section and an arrow from the skin's glyph
// pictures; a skin without the section or the picture leaves that part undrawn.

// The picture record of the combo box's arrow: COMBOBOX's GLYPHMASK, else COMBOBTN's; -1
// when the skin has neither.
int ComboArrowIndex(const TsSkinContent& skin);
// The spin buttons' arrow: UPDOWNBTN's GLYPHMASK, else the combo box's arrow. The picture
// points down; the up button shows it mirrored top to bottom.
int SpinArrowIndex(const TsSkinContent& skin);

struct TsFieldButton {
    TRect Rect{};
    // COMBOBTN or UPDOWNBTN.
    int SectionIndex = -1;
    int ArrowIndex = -1;
    bool Upward = false;
    int State = 0;
};

// Draws each button onto the field's face: its section's face over what the field shows
// there, then the arrow's cell of the button's state centred in it. Never raises.
void PaintFieldButtons(const TsFaceBinding& field, TBitmap& face,
                       const std::vector<TsFieldButton>& buttons);

// The state cell of a glyph picture centred in the rectangle (cut to it when larger), drawn
// by its kind: through its mask row, with its own alpha (pictures of their own: PNG files),
// or with magenta transparent (master-bitmap pieces). Upward mirrors it top to bottom.
void DrawArrowGlyph(const TsSkinContent& skin, TBitmap& target, const TRect& rect,
                    const TsMaskData& glyph, int state, bool upward);
