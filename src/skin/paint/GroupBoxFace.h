#pragma once

#include <cstdint>
#include <string>

#include "platform/raster/TBitmap.h"
#include "skin/paint/FaceDetails.h"

// The face of a group box: the parent's background above the frame, the frame from half the
// caption's height down, and the caption cut into the frame line.

enum TsCaptionLayout : std::uint8_t { clTopLeft, clTopCenter, clTopRight };

struct TsMargin {
    int Left = 2;
    int Top = 0;
    int Right = 2;
    int Bottom = 0;
};

struct TsCaptionGeometry {
    // The group box's width, the caption text's width and the height of "W" in its font.
    int Width = 0;
    int TextWidth = 0;
    int LetterHeight = 0;
    TsCaptionLayout Layout = clTopLeft;
    TsMargin Margin;
    int YOffset = 0;
    // 0: as wide as the caption text.
    int CaptionWidth = 0;
    bool Skinned = false;
    bool RightToLeft = false;
    int BevelWidth = 1;
};

// The caption strip's height H.
int GroupCaptionHeight(const TsCaptionGeometry& geometry);
// The caption strip (CaptionRect).
TRect GroupCaptionRect(const TsCaptionGeometry& geometry);

struct TsGroupBoxContent {
    std::string Caption;
    TsCaptionGeometry Geometry;
    // The format of the caption text (single line, centred vertically, ellipsis, ...).
    std::uint32_t TextFormat = 0;
    bool Enabled = true;
    // The section the caption strip is painted from: CaptionSkin's, else CHECKBOX's; -1 when
    // the skin has neither, and the strip shows the background behind the box.
    int CaptionSection = -1;
};

// Paints the whole face (the face's size is the box's); never raises.
void PaintGroupBoxFace(ISkinTextRenderer& renderer, const TsFaceBinding& box,
                       const BackgroundInfo& parent, TBitmap& face,
                       const TsGroupBoxContent& content);
