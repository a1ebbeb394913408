#pragma once

#include <QImage>
#include <cstdint>

#include "skin/paint/ButtonFace.h"

class QPushButton;
class TsAlphaImageList;
class TsCommonData;

// What a skinned button shows beside its caption: an image of an image list (the window's),
// and how it looks when disabled, greyed or faded.
struct TsGlyphOptions {
    // Not owned; it outlives the button (the form owns both).
    const TsAlphaImageList* Images = nullptr;
    int ImageIndex = -1;
    // 0..100; 0 draws the glyph at full opacity.
    int Blend = 0;
    bool Grayed = false;
    std::uint8_t DisabledGlyphKind = dgBlended;
    // The images of other states; -1 uses ImageIndex.
    int HotImageIndex = -1;
    int PressedImageIndex = -1;
    int DisabledImageIndex = -1;
    int SelectedImageIndex = -1;
};

// Push buttons painted from the skin: the face of the button's state with its glyph and
// caption, the state from the button (pressed, hot or focused, normal).
namespace skinnedbutton {

// glyph belongs to the button and is read at every rebuild of the face.
void Bind(TsCommonData& skinData, QPushButton& button, const TsGlyphOptions& glyph);
int StateOf(const QPushButton& button);
// The image index for the button's state: the state's own when set, else ImageIndex.
int GlyphIndex(const TsGlyphOptions& glyph, const QPushButton& button, int state);
// The list's image as a Qt picture (premultiplied alpha), for the unskinned look; null when
// there is none.
QImage GlyphImage(const TsGlyphOptions& glyph);

}  // namespace skinnedbutton
