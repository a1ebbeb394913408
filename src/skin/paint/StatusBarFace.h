#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/raster/TBitmap.h"
#include "skin/paint/FaceDetails.h"

// The panels of a skinned status bar drawn into the bar's face: the skin's panel picture or
// dividers, then each panel's text (or its owner's drawing), and the size grip.

struct TsStatusPanelContent {
    // The panel's rectangle in the bar.
    TRect Rect{};
    std::string Text;
    // The caller's alignment flags for the text.
    std::uint32_t TextFormat = 0;
    bool OwnerDraw = false;
};

struct TsStatusBarContent {
    std::vector<TsStatusPanelContent> Panels;
    bool SimplePanel = false;
    bool Enabled = true;
    bool Grip = true;
    // Called for owner-drawn panels with the panel's shrunk rectangle.
    std::function<void(int panel, const TRect& rect)> DrawPanel;
};

// Width of a divider: the left plus right margins of DIVIDER's border mask, at least 2, and
// never wider than the bar.
int StatusDividerWidth(const TsSkinContent& skin, int barWidth);
// The x of the divider after a panel whose rectangle shrunk by one pixel is r.
int StatusDividerX(const TRect& r, int dividerWidth);

// face holds the bar's own face; bar is its binding. Never raises.
void PaintStatusPanels(ISkinTextRenderer& renderer, const TsFaceBinding& bar, TBitmap& face,
                       const TsStatusBarContent& content);
