#pragma once

#include "ArtCanvas.h"

// The pictures of the internal skin, drawn from code: calm dark greys with one azure accent.
// Rectangles and sizes match the references in src/skin/data/internal/Options.dat.
namespace skingen {

TArtCanvas DrawMasterBitmap();  // 306 x 128, opaque, magenta where nothing is drawn
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

// The pop-up border and the menu separator, drawn into the master bitmap.
void DrawMenuArt(TArtCanvas& master);
// The scroll-bar arrows in the master bitmap: up, down, left and right strips of three 11 x 11
// cells each, side by side from (172, 80), their mask row below them.
inline constexpr int kScrollArrowLeft = 172;
inline constexpr int kScrollArrowTop = 80;
inline constexpr int kScrollArrowCell = 11;
void DrawScrollArrows(TArtCanvas& master);
// The tooltips' frame in the master bitmap: 3 x 3 at (172, 70), a one-pixel border round a
// middle that is left to the tip's colour.
inline constexpr int kHintFrameLeft = 172;
inline constexpr int kHintFrameTop = 70;
void DrawHintFrame(TArtCanvas& master);

}  // namespace skingen
