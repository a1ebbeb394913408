#pragma once

#include "skin/data/TsSkinContent.h"

namespace skin {

// Gives a loaded skin the manager's hue offset (degrees) and saturation shift (percent): every
// picture (the master bitmap, pictures of their own, JPEG patterns) and every colour of every
// section state (colour, font colour, text outlines, glow colour, gradient colours) is turned
// by ShiftHueSaturation. Mask rows stay as they are (they are blend weights, not colours), and
// so do the key colour (transparency in pictures, "no colour" in colour fields) and colour
// fields of -1 (none). Both values 0 leave the skin untouched.
void ApplyHueSaturation(TsSkinContent& skin, int hueOffset, int saturation);

}  // namespace skin
