#pragma once

#include <vector>

#include "skin/paint/FrameMetrics.h"

// What a point of a skinned window means to the mouse.
enum class TsHitZone {
    Nowhere,  // outside the window, or on a frame edge that does nothing
    Client,
    Caption,  // the title bar: drag to move, double-click to maximize or restore
    SysMenu,  // the title icon
    MinButton,
    MaxButton,
    CloseButton,
    Left,
    Top,
    Right,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// How far into the frame the resize band reaches beyond the shadow, and how far along an edge
// a corner's band reaches.
inline constexpr int kResizeGrip = 4;
inline constexpr int kResizeCorner = 16;

// The zone under (x, y) of a window of that size. Buttons and the icon come first; the
// shadow and a band just inside the frame's edges resize a window that is neither maximized
// nor fixed in size; the rest of the title bar is the caption.
TsHitZone HitTest(const TsFrameLayout& layout, int windowWidth, int windowHeight,
                  const std::vector<TsCaptionButtonPlace>& buttons, const TRect& icon, int x, int y,
                  bool resizable);

// True for the eight resize zones.
bool IsResizeZone(TsHitZone zone);
