#pragma once

#include <memory>
#include <string>

#include "skin/paint/FaceDetails.h"

// Glyph options of a skinned button.
enum TsDisabledGlyphKind : std::uint8_t { dgBlended = 1, dgGrayed = 2 };

// What a push button shows on its face.
struct TsButtonContent {
    std::string Caption;
    std::uint32_t TextFormat = 0;
    bool Enabled = true;
    bool Focused = false;
    bool ShowCaption = true;
    bool DrawOverBorder = true;
    TsDisabledKind DisabledKind = dkBlended;
    // A 32-bit picture with premultiplied alpha, or null.
    std::shared_ptr<TBitmap> Glyph;
    int Blend = 0;
    bool Grayed = false;
    std::uint8_t DisabledGlyphKind = dgBlended;
    int FocusMargin = 1;
    // Space between glyph and caption.
    int Spacing = 4;
};

// The whole face of a push button of that size in the state (0 normal, 1 hot, focused or
// default, 2 pressed): background, border mask, glyph, caption (one pixel down and right when
// pressed), focus rectangle and the disabled look. text may be null (no caption drawn).
// Never raises; an unusable binding gives an empty picture.
std::shared_ptr<TBitmap> PaintButtonFace(const TsFaceBinding& binding, const BackgroundInfo& parent,
                                         int width, int height, int state,
                                         const TsButtonContent& content, ISkinTextRenderer* text);

// The glyph alpha-blended onto the face with its top-left at (x, y): grey when disabled with
// dgGrayed or when Grayed in state 0, faded to GlyphOpacity (every premultiplied byte times
// the percentage, integer) when that is below 100. Nothing without a glyph.
void DrawButtonGlyph(TBitmap& face, const TsButtonContent& content, int state, int x, int y);

// The glyph's opacity in percent for the state: Blend, at least 50 when disabled and blended;
// 100 outside state 0.
int GlyphOpacity(const TsButtonContent& content, int state);
