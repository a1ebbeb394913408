#pragma once

#include "skin/TsGlyphButton.h"

// A push button showing an image of an image list beside its caption.
class TsBitBtn : public TsGlyphButton {
public:
    using TsGlyphButton::TsGlyphButton;
};
