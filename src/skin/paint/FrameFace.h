#pragma once

#include <memory>
#include <vector>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FrameMetrics.h"

// The picture of a skinned window's frame, the size of the whole window: the extended border
// with its shadow (premultiplied alpha, transparent outside the frame), or the plain frame from
// the FORM and FORMTITLE sections (opaque), with the caption buttons in their states and the
// glow of a hot button. The caption text and the icon are left to the window, which draws text
// with its own fonts; the client area shows the frame's middle until the controls cover it.
struct TsFrameFaceInput {
    TsSkinContent* Skin = nullptr;
    int GlobalInfo = -1;
    // GLOBALINFO's EXBORDER record; -1 draws the built-in shadow pictures instead.
    int ExBorder = -1;
    int FormSection = -1;
    int TitleSection = -1;
    int Width = 0;
    int Height = 0;
    TsFrameLayout Layout;
    // The shadow the template's margins give; a maximized window shows none of it.
    TsMargins TemplateShadow;
    bool Active = true;
    std::vector<TsCaptionButtonPlace> Buttons;
    // One per button: 0 normal, 1 hot, 2 pressed.
    std::vector<int> ButtonStates;
    // Glows are drawn only where translucent windows can show them.
    bool Glowing = false;
};

// Nothing is raised: a missing section or picture leaves its part undrawn. An empty picture
// for a size of 0 or less.
std::shared_ptr<TBitmap> PaintFrameFace(const TsFrameFaceInput& input);

// The stand-ins for a skin without EXBORDER: 33 x 33 black, premultiplied, alpha 128 (active)
// or 77 (inactive) at the centre, falling off over the outer kFallbackShadowSize pixels.
std::shared_ptr<TBitmap> FallbackShadowTemplate(bool active);
inline constexpr int kFallbackTemplateSide = 33;
