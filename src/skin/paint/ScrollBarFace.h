#pragma once

#include "platform/raster/TBitmap.h"
#include "skin/paint/FaceTypes.h"

// A skinned scroll bar: where its arrows, track and thumb lie, and their faces painted from the
// skin's scroll-bar sections. Qt-free, so the style only blits the result.

struct TsScrollBarState {
    bool Vertical = true;
    int Minimum = 0;
    int Maximum = 0;
    int PageStep = 0;
    int Value = 0;
    // Per part: 0 normal, 1 hot, 2 pressed.
    int FirstArrowState = 0;
    int SecondArrowState = 0;
    int ThumbState = 0;
    bool Enabled = true;
};

struct TsScrollBarParts {
    TRect FirstArrow{};
    TRect SecondArrow{};
    TRect Track{};
    // Empty when the range is empty or the track too short to hold a thumb.
    TRect Thumb{};
};

// Shortest thumb; arrows are square with the bar's thickness but never longer than half the bar.
inline constexpr int kScrollThumbMinimum = 8;

// The parts of a bar of width by height pixels. Never raises; nonsense ranges give no thumb.
TsScrollBarParts ScrollBarParts(int width, int height, const TsScrollBarState& state);

// Paints the whole bar into face (sized as the bar). Missing sections paint nothing for their part.
void PaintScrollBar(const TsFaceBinding& owner, const BackgroundInfo& parent, TBitmap& face,
                    const TsScrollBarState& state);
