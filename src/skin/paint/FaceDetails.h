#pragma once

#include <cstdint>
#include <string>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// How a disabled control looks: its face turned grey, or blended into its parent's background.
enum TsDisabledKind { dkBlended, dkGrayed };

// Blended: the parent's background takes 60 % (its picture when there is one, else its colour
// at 50 %). Grey: the face's colours turned grey.
void ApplyDisabledLook(TBitmap& face, TsDisabledKind kind, const CacheInfo& parent);

// Text drawing is the window system's; the painter says what to draw where, in which colour.
class ISkinTextRenderer {
public:
    virtual ~ISkinTextRenderer() = default;
    // Draws the text into the rectangle of the face (clipped to it, background transparent),
    // shifted by (dx, dy). format holds the alignment flags of the caller.
    virtual void DrawText(TBitmap& face, const std::string& text, const TRect& rect, TColor colour,
                          int dx, int dy, std::uint32_t format, bool underline) = 0;
    // The width the text takes on one line, in pixels.
    virtual int TextWidth(const std::string& text) = 0;
    // A soft glow of the given size around the text.
    virtual void DrawGlow(TBitmap& face, const std::string& text, const TRect& rect, TColor colour,
                          int size, std::uint32_t format) = 0;
};

// The caption in the section's colours for the state: glow, the one-pixel outlines, then the
// text; a disabled text mixes FONTCOLOR with GLOBALINFO's COLOR. Never raises.
void DrawSkinText(ISkinTextRenderer& renderer, TBitmap& face, const std::string& text, bool enabled,
                  int state, const TsFaceBinding& binding, std::uint32_t format, const TRect& rect,
                  bool customFont = false, TColor fontColour = 0);

// The text colour DrawSkinText uses last for a skinned binding.
TColor SkinTextColor(const TsFaceBinding& binding, bool enabled, int state);
