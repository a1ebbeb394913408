#pragma once

#include "skin/TsGlyphButton.h"

// A push button; it may carry an image of an image list beside its caption, with images of
// its own for the hot, pressed, disabled and selected states.
class TsButton : public TsGlyphButton {
public:
    using TsGlyphButton::TsGlyphButton;
};
