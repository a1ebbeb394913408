#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceDetails.h"
#include "skin/paint/FaceTypes.h"

// Skinned menus: the pop-up's background and border, one item on it, and the menu bar's strip
// with its top-level items, all from the skin's menu sections. Qt-free: text comes in through
// the renderer, icons as premultiplied 32-bit pictures. Nothing here raises; a skin without a
// section leaves that layer undrawn.

// The border of a pop-up whose mask names no uniform margin.
inline constexpr int kMenuDefaultBorder = 3;
// Border widths from a skin are cut to this: the field is a 16-bit number, and a wider border
// would leave a pop-up no room for its items.
inline constexpr int kMenuMaxBorder = 16;
// The item images of our menus, and the room the icon strip gives them on either side
// (the menu's Margin and Spacing).
inline constexpr int kMenuIconSize = 16;
inline constexpr int kMenuIconMargin = 4;
inline constexpr int kMenuIconSpacing = 4;

// The width of a pop-up's skinned border: the MAINMENU border mask's UniformMargin, 3 when that
// is 0 or less, 0 when the section or its mask is missing; never above kMenuMaxBorder.
int PopupBorderWidth(const TsSkinContent& skin);
// The icon strip for item images iconWidth wide (kept between 0 and 256).
int IconStripWidth(int iconWidth = kMenuIconSize);

struct TsPopupLayout {
    int BorderWidth = 0;
    int IconStripWidth = 0;
    bool RightToLeft = false;
    // The background of a skin without MAINMENU.
    TColor PlainColor = 0xF0F0F0;
    // The section of the icon strip (the manager's IcoLineSkin).
    std::string IconLineSection = "ICOLINE";
};

// The whole pop-up's picture: MAINMENU's background of state 0, the icon strip (left, or none
// right to left) and MAINMENU's border mask over everything. Empty for a size of 0 or less.
std::shared_ptr<TBitmap> PaintPopupBackground(const TsSkinContent& skin, int width, int height,
                                              const TsPopupLayout& layout);

// The pixels of a pop-up of that size that lie outside its shape: where the corners of
// MAINMENU's border mask hold the key colour. One rectangle per run of such pixels in a row.
std::vector<TRect> PopupCutOuts(const TsSkinContent& skin, int width, int height);

enum class TsMenuCheck : std::uint8_t { None, Check, Radio };

// One item of a pop-up, as the style sees it.
struct TsMenuItem {
    bool Separator = false;
    bool Enabled = true;
    bool Selected = false;
    bool Checked = false;
    bool SubMenu = false;
    TsMenuCheck CheckKind = TsMenuCheck::None;
    std::string Caption;
    std::string Shortcut;
    // Alignment flags for the renderer; the painter adds none.
    std::uint32_t CaptionFormat = 0;
    std::uint32_t ShortcutFormat = 0;
    // Premultiplied 32-bit picture, or null.
    std::shared_ptr<TBitmap> Icon;
};

// The picture record of the check mark: RADIOCHECKED for radio items, else CHECK, else
// BOXCHECKED; -1 when the skin has none of them.
int CheckGlyphIndex(const TsSkinContent& skin, TsMenuCheck kind);

// The part of an item right of the icon strip (left of it, right to left), in pop-up
// coordinates; popupWidth is the pop-up's.
TRect MenuTextArea(const TRect& item, int popupWidth, const TsPopupLayout& layout);

// One item: a picture of rect's size built on the pop-up's background at rect (pop-up
// coordinates). text may be null (no caption).
std::shared_ptr<TBitmap> PaintMenuItem(const TsSkinContent& skin, TBitmap& popup, const TRect& rect,
                                       const TsPopupLayout& layout, const TsMenuItem& item,
                                       ISkinTextRenderer* text);

// The menu bar's strip, from MENULINE (or lineSection) over the colour behind the bar.
std::shared_ptr<TBitmap> PaintMenuBarStrip(const TsSkinContent& skin, int width, int height,
                                           TColor behind,
                                           const std::string& lineSection = "MENULINE");

// A top-level item on the strip at rect: MENUITEM's face in state 1 while it is hot or open
// (the strip shows through otherwise), the caption in MENUITEM's colours of that state.
std::shared_ptr<TBitmap> PaintMenuBarItem(const TsSkinContent& skin, TBitmap& strip,
                                          const TRect& rect, const std::string& caption,
                                          std::uint32_t format, bool enabled, bool hot,
                                          ISkinTextRenderer* text);

// The colour of an item's caption, and of glyphs drawn like text: MENUITEM's font colour of
// the state.
TColor MenuTextColor(const TsSkinContent& skin, bool enabled, bool selected);
