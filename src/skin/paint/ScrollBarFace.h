#pragma once

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
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
    // The shortest thumb; taken as at least 1.
    int ThumbMinimum = 8;
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

// The bar's thickness and shortest thumb as a skin's pictures want them: room for the arrow
// glyphs with a margin around them, and for the thumb's border pieces. Pictures of a hostile
// skin may be of any size, so both are kept within sensible bounds.
inline constexpr int kScrollExtentMinimum = 12;
inline constexpr int kScrollExtentMaximum = 40;
inline constexpr int kScrollThumbMaximum = 64;
inline constexpr int kScrollArrowPadding = 3;
struct TsScrollBarMetrics {
    int Extent = 16;
    int ThumbMinimum = kScrollThumbMinimum;
};
TsScrollBarMetrics ScrollBarMetrics(const TsSkinContent& skin, bool vertical);

// The parts of a bar of width by height pixels. Never raises; nonsense ranges give no thumb.
TsScrollBarParts ScrollBarParts(int width, int height, const TsScrollBarState& state);

// Paints the whole bar into face (sized as the bar). Missing sections paint nothing for their part;
// an arrow button whose section has no GLYPHMASK shows no arrow.
void PaintScrollBar(const TsFaceBinding& owner, const BackgroundInfo& parent, TBitmap& face,
                    const TsScrollBarState& state);
