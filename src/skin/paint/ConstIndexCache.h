#pragma once

#include "skin/data/TsSkinContent.h"

// Picture and section indexes the painters look up often, resolved once after every load;
// -1 where the skin has none.
struct TsConstIndexCache {
    int GlobalInfo = -1;
    int ExBorder = -1;
    int GripImage = -1;
    int ComboBtn = -1;
    int ComboBtnBorder = -1;
    int ComboBtnGlyph = -1;
    int ComboArrow = -1;
    int UpDownBtn = -1;
    int WebButton = -1;
    // The skinned pop-ups' border width (PopupBorderWidth), known again after every load.
    int MenuBorderWidth = 0;
};

// Fills the cache and every section's own border-mask, corner-picture and texture indexes.
TsConstIndexCache BuildConstIndexCache(TsSkinContent& skin);
