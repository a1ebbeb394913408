#pragma once

#include "ArtCanvas.h"

// The pictures of the internal skin, drawn from code: calm dark greys with one azure accent.
// Rectangles and sizes match the references in src/skin/data/internal/Options.dat.
namespace skingen {

TArtCanvas DrawMasterBitmap();  // 306 x 102, opaque, magenta where nothing is drawn
TArtCanvas DrawButtonHuge();    // 288 x 192: three 96 x 96 cells above their mask row
enum class TCaptionGlyph { Close, Maximize, Minimize, Restore };
TArtCanvas DrawCaptionGlyph(TCaptionGlyph glyph);  // 30 x 30 RGBA
// 90 x 30 RGBA: the glyph in its normal, hot and pressed cells.
TArtCanvas DrawCaptionButton(TCaptionGlyph glyph);
// 6 x 3 opaque: the plain frame's outline, inactive and active cells of 3 x 3.
TArtCanvas DrawFormBorder();
TArtCanvas DrawComboArrow();      // 13 x 13 RGBA
TArtCanvas DrawGlow();            // 32 x 32 RGBA, the button edge 8 pixels in
TArtCanvas DrawExtendedBorder();  // 928 x 295 RGBA: inactive and active cells

}  // namespace skingen
