#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "skin/data/TsSkinContent.h"

// What the application-wide style's families share: a section's face as an image to blit, and
// its text colour. Neither raises; a section the skin lacks gives a null image or the fallback.
namespace stylefaces {

// The section's whole face (background, border mask, corners) of that size and state, over a
// plain background colour.
QImage SectionFace(TsSkinContent& skin, const char* section, QSize size, int state, TColor behind);

// The section's FONTCOLOR (HOTFONTCOLOR for states above 0).
QColor SectionFontColour(const TsSkinContent& skin, const char* section, int state,
                         const QColor& fallback);

// The section's normal COLOR.
QColor SectionColour(const TsSkinContent& skin, const char* section, const QColor& fallback);

}  // namespace stylefaces
