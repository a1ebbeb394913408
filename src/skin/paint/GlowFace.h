#pragma once

#include <memory>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/GlowGeometry.h"

// The glow a control's section gives while the mouse is over the control: its picture, the
// key "GLOW" with the cell number 0, and how far into the picture the control's edge lies.
struct TsGlowSource {
    const TsMaskData* Picture = nullptr;
    int GlowMargin = 0;

    bool Exists() const { return Picture != nullptr; }
    GlowMargins Margins() const;
};

// The section's glow; none when the section has no 32-bit GLOW0 picture or its GLOWMARGIN is
// not above 0.
TsGlowSource FindControlGlow(const TsSkinContent& skin, int sectionIndex);

// The glow picture nine-sliced to placement.Full, of which only placement.Visible is painted:
// a picture of Visible's size with premultiplied alpha in the fourth byte, Visible's top-left
// corner at its origin. Null for an empty placement or no glow; never raises.
std::shared_ptr<TBitmap> PaintGlowFace(const TsSkinContent& skin, const TsGlowSource& glow,
                                       const GlowPlacement& placement);
