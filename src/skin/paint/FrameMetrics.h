#pragma once

#include <vector>

#include "platform/raster/TRect.h"
#include "skin/data/TsSkinContent.h"

// The geometry of a skinned window frame: how far the frame and the extended border's shadow
// reach around the client area, and where the caption buttons, the icon and the caption text
// lie. Everything here is plain arithmetic over skin values, so that it is checked without a
// display.

// What the system would draw around a sizeable window on the desktop the forms were designed
// on: the notional frame that a form's outer size includes, whoever draws the real frame.
struct TsSystemFrame {
    int FrameWidth = 8;
    int CaptionHeight = 23;
};
inline constexpr TsSystemFrame kStandardFrame{};

struct TsMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const TsMargins&, const TsMargins&) = default;
};

// Skin values are untrusted: each frame value is held within this many pixels, so that a
// hostile skin cannot make a window larger than any screen or overflow the sums below.
inline constexpr int kMaxFrameValue = 512;

// The GLOBALINFO values a frame is laid out by; a value the skin lacks takes the standard
// frame's.
struct TsFrameSkinValues {
    int BorderWidth = kStandardFrame.FrameWidth;
    int TitleHeight = kStandardFrame.FrameWidth + kStandardFrame.CaptionHeight;
    int MaxHeight = kStandardFrame.CaptionHeight + 4;
    int FormOffset = 0;
    int BorderMode = 0;
    int AlignOffset = 0;
    int CenterOffset = 0;
    int BiTop = 0;
    int BiLeft = 0;
    int BiRight = 0;
    int BiSpace = 0;
    int BiVAlign = 0;
};
TsFrameSkinValues ReadFrameSkinValues(const TsSkinContent& skin);

// How far the extended border's picture reaches beyond the frame on each side. exBorder is the
// index of GLOBALINFO's EXBORDER record, -1 when the skin has none.
TsMargins ShadowSize(const TsSkinContent& skin, int exBorder, const TsFrameSkinValues& values);
// The shadow of the built-in pictures that stand in for a missing EXBORDER.
inline constexpr int kFallbackShadowSize = 9;

// The title bar's height: the skin's with an extended border (at least the system caption and
// 4 while maximized), else the system caption's.
int TitleHeight(const TsFrameSkinValues& values, bool extended, bool maximized,
                TsSystemFrame system = kStandardFrame);

// Where the frame lies in the window. The window is the client area grown by Frame, grown
// again by Shadow; the title bar is the top Frame.Top rows of the frame.
struct TsFrameLayout {
    bool Extended = false;
    bool Maximized = false;
    TsMargins Shadow;
    TsMargins Frame;

    // The client area's distance from each side of the window: shadow and frame together.
    TsMargins Outside() const;
    // The frame's outer rectangle within a window of that size.
    TRect FrameRect(int windowWidth, int windowHeight) const;
};
TsFrameLayout LayoutFrame(const TsFrameSkinValues& values, const TsMargins& shadow, bool extended,
                          bool maximized, TsSystemFrame system = kStandardFrame);

// The caption buttons, each with the GLOBALINFO picture it is drawn from.
enum class TsCaptionButtonKind { Minimize, Maximize, Close };
struct TsCaptionButtonPlace {
    TsCaptionButtonKind Kind = TsCaptionButtonKind::Close;
    // The picture record, -1 when the skin has none (the button then still answers clicks).
    int MaskIndex = -1;
    // The picture key: the glow picture is this key + "GLOW" + "0".
    const char* Key = "";
    TRect Rect{};
};

// Which buttons a window shows: close always; minimize and maximize as its system menu has them.
struct TsCaptionButtonSet {
    bool Minimize = true;
    bool Maximize = true;
};

// The buttons from right to left (close, maximize or restore, minimize), BIRIGHT from the
// frame's right edge and BISPACE apart, BITOP below the frame's top (centred in the title bar
// when BIVALIGN is 1), kept inside the title bar. globalInfo is GLOBALINFO's section index.
std::vector<TsCaptionButtonPlace> PlaceCaptionButtons(const TsSkinContent& skin, int globalInfo,
                                                      const TsFrameSkinValues& values,
                                                      const TsFrameLayout& layout, int windowWidth,
                                                      const TsCaptionButtonSet& shown);

// The window icon's place: a square of that side at the title bar's left, centred in it.
TRect PlaceTitleIcon(const TsFrameSkinValues& values, const TsFrameLayout& layout, int side);
// Room left between the icon, the caption text and the buttons.
inline constexpr int kCaptionGap = 6;
// What is left for the caption text between the icon and the leftmost button.
TRect PlaceCaptionText(const TsFrameLayout& layout, int windowWidth, const TRect& icon,
                       const std::vector<TsCaptionButtonPlace>& buttons);
