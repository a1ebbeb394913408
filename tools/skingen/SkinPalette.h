#pragma once

#include "ArtCanvas.h"

// The colours of the internal skin's artwork; they match the colours of its skin file.
namespace skingen {

inline const TArtColor kKey = Rgb(255, 0, 255);
inline const TArtColor kClear = Rgb(0, 0, 0, 0);
inline const TArtColor kPanel = Rgb(47, 47, 47);  // PANEL and FORM: 3092271
inline const TArtColor kEdit = Rgb(26, 26, 26);   // EDIT and COMBOBOX: 1710618
inline const TArtColor kText = Rgb(222, 222, 222);
inline const TArtColor kTitle = Rgb(38, 38, 38);
inline const TArtColor kAccent = Rgb(59, 142, 234);
inline const TArtColor kAccentDark = Rgb(40, 104, 180);
inline const TArtColor kShine = Rgb(255, 255, 255);

// One cell of a border mask with a mask row below it, size x size.
void PlaceMaskedCell(TArtCanvas& target, int ox, int oy, int size, double radius, TArtColor border);

}  // namespace skingen
