#include "skin/paint/MenuFace.h"

#include <algorithm>
#include <cstdint>

#include "platform/raster/PixelView.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/FieldButtons.h"
#include "skin/paint/PaintFace.h"

namespace {

// Room between the icon strip and the caption, and at the item's right end for the submenu
// arrow.
constexpr int kTextMargin = 6;
constexpr int kArrowRoom = 14;

const TsMaskData* SectionMask(const TsSkinContent& skin, const char* name, const char* key) {
    const int index = skin.SectionIndex(name);
    if (skinpaint::SectionAt(skin, index) == nullptr) return nullptr;
    return skinpaint::MaskAt(skin, skin.FindMaskIndex(index, name, key));
}

TsFaceBinding Binding(const TsSkinContent& skin, const std::string& section) {
    TsFaceBinding binding;
    binding.Skin = const_cast<TsSkinContent*>(&skin);
    binding.SectionIndex = skin.SectionIndex(section);
    return binding;
}

bool HasSection(const TsFaceBinding& binding) {
    return binding.Skin != nullptr && skinpaint::SectionAt(*binding.Skin, binding.SectionIndex);
}

// The picture as a parent's background, without taking it over: the caller keeps it alive.
BackgroundInfo Behind(TBitmap& picture, int x, int y) {
    BackgroundInfo info;
    info.BgType = BackgroundInfo::Picture;
    info.Bmp = std::shared_ptr<TBitmap>(std::shared_ptr<TBitmap>{}, &picture);
    info.OffsetX = x;
    info.OffsetY = y;
    return info;
}

TRect Moved(const TRect& r, int dx, int dy) {
    return TRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// A section's face painted apart at area of target, over what target shows there, then copied
// in: the face's transparency and border corners see the target as their parent.
void PaintSectionOnto(const TsFaceBinding& binding, TBitmap& target, const TRect& area, int state) {
    if (!HasSection(binding) || area.Width() <= 0 || area.Height() <= 0) return;
    auto piece = skinpaint::NewFacePicture(area.Width(), area.Height());
    if (piece->IsEmpty()) return;
    const TRect all{0, 0, area.Width(), area.Height()};
    const BackgroundInfo behind = Behind(target, area.left, area.top);
    skinpaint::FillFromParent(*piece, all, ToCacheInfo(behind));
    PaintControlFace(binding, behind, false, *piece, all, state);
    skinpaint::CopyPiece(target, area.left, area.top, all.right, all.bottom, *piece, all);
}

std::shared_ptr<TBitmap> Snapshot(TBitmap& picture) {
    const int w = picture.PixelWidth(), h = picture.PixelHeight();
    auto copy = skinpaint::NewFacePicture(w, h);
    if (!copy->IsEmpty()) skinpaint::CopyPiece(*copy, 0, 0, w, h, picture, TRect{0, 0, w, h});
    return copy;
}

// Runs of key-coloured pixels in one corner of the mask's first cell, placed at (x, y).
void CornerCutOuts(TBitmap& picture, const TRect& source, int x, int y, std::vector<TRect>& out) {
    const TRect bounds{0, 0, picture.PixelWidth(), picture.PixelHeight()};
    if (source.Width() <= 0 || source.Height() <= 0 || source.left < bounds.left ||
        source.top < bounds.top || source.right > bounds.right || source.bottom > bounds.bottom)
        return;
    const raster::TPixelView view = raster::ViewOf(*picture.Handle());
    const auto w = static_cast<std::uint32_t>(source.Width());
    std::vector<std::uint32_t> row(w);
    const std::uint32_t key = raster::ColorWord(kKeyColor);
    for (int j = 0; j < source.Height(); ++j) {
        raster::ReadRow(view, static_cast<std::uint32_t>(source.top + j),
                        static_cast<std::uint32_t>(source.left), w, row.data());
        for (std::uint32_t i = 0; i < w;) {
            if ((row[i] & raster::kColorMask) != key) {
                ++i;
                continue;
            }
            const std::uint32_t start = i;
            while (i < w && (row[i] & raster::kColorMask) == key) ++i;
            out.push_back(
                TRect{x + static_cast<int>(start), y + j, x + static_cast<int>(i), y + j + 1});
        }
    }
}

// The cell of the icon, kMenuIconSize wide, inside the strip.
TRect IconCell(const TRect& item, int popupWidth, const TsPopupLayout& layout) {
    const int left = layout.RightToLeft
                         ? popupWidth - layout.BorderWidth - kMenuIconMargin - kMenuIconSize
                         : layout.BorderWidth + kMenuIconMargin;
    return TRect{left, item.top, left + kMenuIconSize, item.bottom};
}

void DrawIcon(const TsSkinContent& skin, TBitmap& face, const TRect& cell, const TsMenuItem& item) {
    TBitmap& icon = *item.Icon;
    const int w = icon.PixelWidth(), h = icon.PixelHeight();
    const int x = cell.left + (cell.Width() - w) / 2, y = cell.top + (cell.Height() - h) / 2;
    if (item.Checked)
        PaintSectionOnto(Binding(skin, "SPEEDBUTTON_SMALL"), face,
                         TRect{x - 1, y - 1, x + w + 1, y + h + 1}, 2);
    TsButtonContent content;
    content.Glyph = item.Icon;
    DrawButtonGlyph(face, content, 1, x, y);
}

void DrawCheck(const TsSkinContent& skin, TBitmap& face, const TRect& cell,
               const TsMenuItem& item) {
    const TsMaskData* glyph = skinpaint::MaskAt(skin, CheckGlyphIndex(skin, item.CheckKind));
    if (glyph != nullptr)
        DrawArrowGlyph(skin, face, cell, *glyph, item.Enabled && item.Selected ? 1 : 0, false);
}

// A small solid triangle pointing away from the text, in the caption's colour.
void DrawSubMenuArrow(TBitmap& face, const TRect& text, bool rightToLeft, TColor colour) {
    const int midY = text.top + text.Height() / 2;
    for (int i = 0; i < 4; ++i) {
        const int x = rightToLeft ? text.left + 5 + i : text.right - 8 - i;
        skinpaint::FillArea(face, TRect{x, midY - (3 - i), x + 1, midY + (4 - i)}, colour);
    }
}

void DrawSeparator(const TsSkinContent& skin, TBitmap& face, const TRect& text) {
    const TsMaskData* mask = SectionMask(skin, "DIVIDERV", "BORDERSMASK");
    if (mask == nullptr || text.Width() <= 0) return;
    // The divider's cell height is the line's; the item may be taller.
    const int band = std::clamp(mask->CellHeight(), 0, text.Height());
    const TRect line{text.left, text.top + (text.Height() - band) / 2, text.right,
                     text.top + (text.Height() - band) / 2 + band};
    CacheInfo none;
    DrawBorderMask(skin, face, line, false, false, 0, *mask, none);
}

void DrawItemContent(const TsSkinContent& skin, TBitmap& face, const TRect& text,
                     const TRect& iconCell, const TsMenuItem& item, bool rightToLeft,
                     ISkinTextRenderer* renderer) {
    const int state = item.Selected && item.Enabled ? 1 : 0;
    if (item.Icon && !item.Icon->IsEmpty())
        DrawIcon(skin, face, iconCell, item);
    else if (item.Checked)
        DrawCheck(skin, face, iconCell, item);
    const TsFaceBinding binding = Binding(skin, "MENUITEM");
    if (item.SubMenu)
        DrawSubMenuArrow(face, text, rightToLeft, SkinTextColor(binding, item.Enabled, state));
    if (renderer == nullptr) return;
    const TRect caption{text.left + (rightToLeft ? kArrowRoom : kTextMargin), text.top,
                        text.right - (rightToLeft ? kTextMargin : kArrowRoom), text.bottom};
    DrawSkinText(*renderer, face, item.Caption, item.Enabled, state, binding, item.CaptionFormat,
                 caption);
    if (!item.Shortcut.empty())
        DrawSkinText(*renderer, face, item.Shortcut, item.Enabled, state, binding,
                     item.ShortcutFormat, caption);
}

}  // namespace

int PopupBorderWidth(const TsSkinContent& skin) {
    const TsMaskData* mask = SectionMask(skin, "MAINMENU", "BORDERSMASK");
    if (mask == nullptr) return 0;
    const int uniform = mask->UniformMargin;
    return uniform <= 0 ? kMenuDefaultBorder : std::min(uniform, kMenuMaxBorder);
}

int IconStripWidth(int iconWidth) {
    return std::clamp(iconWidth, 0, 256) + kMenuIconMargin + kMenuIconSpacing;
}

std::shared_ptr<TBitmap> PaintPopupBackground(const TsSkinContent& skin, int width, int height,
                                              const TsPopupLayout& layout) {
    auto face = skinpaint::NewFacePicture(width, height);
    if (face->IsEmpty()) return face;
    try {
        const TRect all{0, 0, width, height};
        const TsFaceBinding menu = Binding(skin, "MAINMENU");
        if (HasSection(menu))
            PaintFaceBackground(menu, CacheInfo{}, 0, *face, all);
        else
            skinpaint::FillArea(*face, all, layout.PlainColor);
        const int b = std::clamp(layout.BorderWidth, 0, kMenuMaxBorder);
        if (!layout.RightToLeft)
            PaintSectionOnto(Binding(skin, layout.IconLineSection), *face,
                             TRect{b, b, b + std::max(0, layout.IconStripWidth), height - b}, 0);
        if (const TsMaskData* mask = SectionMask(skin, "MAINMENU", "BORDERSMASK")) {
            CacheInfo parent;
            parent.Bmp = Snapshot(*face);
            parent.Ready = !parent.Bmp->IsEmpty();
            DrawBorderMask(skin, *face, all, true, true, 0, *mask, parent);
        }
    } catch (...) {
        // What was drawn stays; a pop-up is never refused its picture.
    }
    return face;
}

std::vector<TRect> PopupCutOuts(const TsSkinContent& skin, int width, int height) {
    std::vector<TRect> out;
    const TsMaskData* mask = SectionMask(skin, "MAINMENU", "BORDERSMASK");
    if (mask == nullptr || width <= 0 || height <= 0) return out;
    try {
        TBitmap* picture = skinpaint::MaskPicture(skin, *mask);
        if (picture == nullptr) return out;
        int ml = mask->MarginLeft, mr = mask->MarginRight, mt = mask->MarginTop,
            mb = mask->MarginBottom;
        FitMargins(width, ml, mr);
        FitMargins(height, mt, mb);
        const int cw = mask->CellWidth(), ch = mask->CellHeight();
        ml = std::min(ml, cw), mr = std::min(mr, cw), mt = std::min(mt, ch), mb = std::min(mb, ch);
        const int sx = mask->SourceRect.left, sy = mask->SourceRect.top;
        CornerCutOuts(*picture, TRect{sx, sy, sx + ml, sy + mt}, 0, 0, out);
        CornerCutOuts(*picture, TRect{sx + cw - mr, sy, sx + cw, sy + mt}, width - mr, 0, out);
        CornerCutOuts(*picture, TRect{sx, sy + ch - mb, sx + ml, sy + ch}, 0, height - mb, out);
        CornerCutOuts(*picture, TRect{sx + cw - mr, sy + ch - mb, sx + cw, sy + ch}, width - mr,
                      height - mb, out);
    } catch (...) {
        out.clear();
    }
    return out;
}

int CheckGlyphIndex(const TsSkinContent& skin, TsMenuCheck kind) {
    const int global = skin.SectionIndex(std::string(kGlobalInfoSection));
    if (global < 0) return -1;
    const std::string section(kGlobalInfoSection);
    if (kind == TsMenuCheck::Radio) return skin.FindMaskIndex(global, section, "RADIOCHECKED");
    const int check = skin.FindMaskIndex(global, section, "CHECK");
    return check >= 0 ? check : skin.FindMaskIndex(global, section, "BOXCHECKED");
}

TRect MenuTextArea(const TRect& item, int popupWidth, const TsPopupLayout& layout) {
    const int strip = layout.BorderWidth + layout.IconStripWidth;
    if (layout.RightToLeft)
        return TRect{item.left, item.top,
                     std::max(item.left, std::min(item.right, popupWidth - strip)), item.bottom};
    return TRect{std::min(item.right, std::max(item.left, strip)), item.top, item.right,
                 item.bottom};
}

std::shared_ptr<TBitmap> PaintMenuItem(const TsSkinContent& skin, TBitmap& popup, const TRect& rect,
                                       const TsPopupLayout& layout, const TsMenuItem& item,
                                       ISkinTextRenderer* text) {
    auto face = skinpaint::NewFacePicture(rect.Width(), rect.Height());
    if (face->IsEmpty()) return face;
    try {
        const TRect all{0, 0, rect.Width(), rect.Height()};
        skinpaint::FillFromParent(*face, all, ToCacheInfo(Behind(popup, rect.left, rect.top)));
        const int popupWidth = popup.PixelWidth();
        const TRect area = Moved(MenuTextArea(rect, popupWidth, layout), -rect.left, -rect.top);
        if (item.Separator) {
            DrawSeparator(skin, *face, area);
            return face;
        }
        const int state = item.Selected && item.Enabled ? 1 : 0;
        PaintSectionOnto(Binding(skin, "MENUITEM"), *face, area, state);
        const TRect icon = Moved(IconCell(rect, popupWidth, layout), -rect.left, -rect.top);
        DrawItemContent(skin, *face, area, icon, item, layout.RightToLeft, text);
        if (!item.Enabled) {
            CacheInfo behind = ToCacheInfo(Behind(popup, rect.left, rect.top));
            ApplyDisabledLook(*face, dkBlended, behind);
        }
    } catch (...) {
        // A half-drawn item is still better than none.
    }
    return face;
}

std::shared_ptr<TBitmap> PaintMenuBarStrip(const TsSkinContent& skin, int width, int height,
                                           TColor behind, const std::string& lineSection) {
    auto face = skinpaint::NewFacePicture(width, height);
    if (face->IsEmpty()) return face;
    try {
        const TRect all{0, 0, width, height};
        skinpaint::FillArea(*face, all, behind);
        BackgroundInfo parent;
        parent.BgType = BackgroundInfo::PlainColor;
        parent.Color = behind;
        const TsFaceBinding line = Binding(skin, lineSection);
        if (HasSection(line)) PaintControlFace(line, parent, false, *face, all, 0);
    } catch (...) {
    }
    return face;
}

std::shared_ptr<TBitmap> PaintMenuBarItem(const TsSkinContent& skin, TBitmap& strip,
                                          const TRect& rect, const std::string& caption,
                                          std::uint32_t format, bool enabled, bool hot,
                                          ISkinTextRenderer* text) {
    auto face = skinpaint::NewFacePicture(rect.Width(), rect.Height());
    if (face->IsEmpty()) return face;
    try {
        const TRect all{0, 0, rect.Width(), rect.Height()};
        skinpaint::FillFromParent(*face, all, ToCacheInfo(Behind(strip, rect.left, rect.top)));
        const int state = hot && enabled ? 1 : 0;
        const TsFaceBinding item = Binding(skin, "MENUITEM");
        if (state > 0) PaintSectionOnto(item, *face, all, state);
        if (text != nullptr && HasSection(item))
            DrawSkinText(*text, *face, caption, enabled, state, item, format, all);
    } catch (...) {
    }
    return face;
}

TColor MenuTextColor(const TsSkinContent& skin, bool enabled, bool selected) {
    const TsFaceBinding binding = Binding(skin, "MENUITEM");
    if (!HasSection(binding)) return 0;
    return SkinTextColor(binding, enabled, selected && enabled ? 1 : 0);
}
