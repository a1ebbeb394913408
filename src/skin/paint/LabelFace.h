#pragma once

#include <cstdint>
#include <string>

#include "platform/raster/TBitmap.h"
#include "skin/paint/FaceDetails.h"
#include "skin/paint/ShadowValues.h"
#include "skin/paint/TsShadowMask.h"

// What a TsLabelFX draws: its caption with a soft shadow. The face already shows what lies
// under the label (transparent) or nothing yet (opaque: it is filled with LabelColor).
struct TsLabelFXContent {
    std::string Text;
    // The text rectangle in the face, and the caller's text-format flags.
    TRect Rect{};
    std::uint32_t Format = 0;
    TsShadowValues Shadow;
    TColor TextColor = 0xFFFFFF;
    bool Enabled = true;
    bool Transparent = true;
    TColor LabelColor = 0xFFFFFF;
    // The label's SkinSection; SectionIndex -1 when it names none.
    TsFaceBinding Section;
    // A disabled label draws its text twice: moved one pixel right and down in the light
    // colour, then in place in the dark one.
    TColor DisabledLight = 0xFFFFFF;
    TColor DisabledDark = 0x808080;
};

// Shadow (mask, blur, composition) and text; never raises. The mask keeps its buffers between
// paints.
void PaintLabelFX(ISkinTextRenderer& renderer, TBitmap& face, const TsLabelFXContent& content,
                  TsShadowMask& mask);
