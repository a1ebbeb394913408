#include "skin/paint/StatusBarFace.h"

#include <algorithm>

#include "platform/raster/PixelView.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace {

const TsMaskData* SectionMask(const TsSkinContent& skin, int sectionIndex, const char* key) {
    const TsGeneralData* section = skinpaint::SectionAt(skin, sectionIndex);
    if (section == nullptr) return nullptr;
    return skinpaint::MaskAt(skin, skin.FindMaskIndex(sectionIndex, section->ClassName, key));
}

const TsMaskData* DividerMask(const TsSkinContent& skin) {
    return SectionMask(skin, skin.SectionIndex("DIVIDER"), "BORDERSMASK");
}

TRect Shrunk(const TRect& r, int left, int top, int right, int bottom) {
    return TRect{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

// The divider painted from DIVIDER over a copy of the bar's face, then copied into the bar.
void DrawDivider(const TsFaceBinding& bar, TBitmap& face, int x, int width) {
    const int height = face.PixelHeight() - 2;
    x = std::clamp(x, 0, std::max(0, face.PixelWidth() - width));
    if (width <= 0 || height <= 0) return;
    auto piece = skinpaint::NewFacePicture(width, height);
    if (piece->IsEmpty()) return;
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::Picture;
    // The bar's face itself lies behind the divider; the divider is painted apart from it.
    behind.Bmp = std::shared_ptr<TBitmap>(std::shared_ptr<TBitmap>{}, &face);
    behind.OffsetX = x;
    behind.OffsetY = 1;
    TsFaceBinding divider = bar;
    divider.SectionIndex = bar.Skin->SectionIndex("DIVIDER");
    divider.CustomColor = false;
    skinpaint::FillFromParent(*piece, TRect{0, 0, width, height}, ToCacheInfo(behind));
    PaintControlFace(divider, behind, false, *piece, TRect{0, 0, width, height}, 0);
    skinpaint::CopyPiece(face, x, 1, width, height, *piece, TRect{0, 0, width, height});
}

// Copies the glyph's first cell to (x, y), leaving the face where the glyph has the key.
void DrawKeyedGlyph(const TsSkinContent& skin, TBitmap& face, const TsMaskData& glyph) {
    TBitmap* picture = skinpaint::MaskPicture(skin, glyph);
    if (picture == nullptr) return;
    const int w = std::min(glyph.CellWidth(), face.PixelWidth());
    const int h = std::min(glyph.CellHeight(), face.PixelHeight());
    if (w <= 0 || h <= 0) return;
    const int x = face.PixelWidth() - w, y = face.PixelHeight() - h;
    const raster::TPixelView from = raster::ViewOf(*picture->Handle());
    const raster::TPixelView to = raster::ViewOf(*face.Handle());
    std::vector<std::uint32_t> source(static_cast<std::size_t>(w)), row(source.size());
    const std::uint32_t key = raster::ColorWord(kKeyColor);
    for (int j = 0; j < h; ++j) {
        const int sy = glyph.SourceRect.top + j;
        if (sy < 0 || sy >= picture->PixelHeight() || glyph.SourceRect.left < 0 ||
            glyph.SourceRect.left + w > picture->PixelWidth())
            return;
        raster::ReadRow(from, static_cast<std::uint32_t>(sy),
                        static_cast<std::uint32_t>(glyph.SourceRect.left),
                        static_cast<std::uint32_t>(w), source.data());
        raster::ReadRow(to, static_cast<std::uint32_t>(y + j), static_cast<std::uint32_t>(x),
                        static_cast<std::uint32_t>(w), row.data());
        for (std::size_t i = 0; i < row.size(); ++i)
            if ((source[i] & raster::kColorMask) != key) row[i] = source[i] & raster::kColorMask;
        raster::WriteRow(to, static_cast<std::uint32_t>(y + j), static_cast<std::uint32_t>(x),
                         static_cast<std::uint32_t>(w), row.data());
    }
}

void DrawPanelText(ISkinTextRenderer& renderer, const TsFaceBinding& bar, TBitmap& face,
                   const TsStatusPanelContent& panel, const TRect& r, bool enabled) {
    if (panel.Text.empty()) return;
    const TRect text = Shrunk(r, 1 + 2, 1, 1 + 4, 1 + 1);
    if (text.Width() <= 0 || text.Height() <= 0) return;
    DrawSkinText(renderer, face, panel.Text, enabled, 0, bar, panel.TextFormat, text);
}

}  // namespace

int StatusDividerWidth(const TsSkinContent& skin, int barWidth) {
    const TsMaskData* mask = DividerMask(skin);
    const int margins = mask != nullptr ? int{mask->MarginLeft} + int{mask->MarginRight} : 0;
    return std::min(std::max(2, margins), std::max(0, barWidth));
}

int StatusDividerX(const TRect& r, int dividerWidth) {
    return r.right - dividerWidth / 2 - 1;
}

void PaintStatusPanels(ISkinTextRenderer& renderer, const TsFaceBinding& bar, TBitmap& face,
                       const TsStatusBarContent& content) {
    try {
        if (face.IsEmpty() || bar.Skin == nullptr || bar.SectionIndex < 0) return;
        const TsSkinContent& skin = *bar.Skin;
        const TRect whole{0, 0, face.PixelWidth(), face.PixelHeight()};
        const TsMaskData* panelMask = SectionMask(skin, bar.SectionIndex, "STATUSPANELMASK");
        if (panelMask != nullptr && (content.SimplePanel || content.Panels.empty()))
            DrawBorderMask(skin, face, whole, true, false, 0, *panelMask, CacheInfo{});
        const int dividerWidth = StatusDividerWidth(skin, whole.right);
        const std::size_t count = content.SimplePanel ? 0 : content.Panels.size();
        for (std::size_t i = 0; i < count; ++i) {
            const TsStatusPanelContent& panel = content.Panels[i];
            const TRect r = Shrunk(panel.Rect, 1, 1, 1, 1);
            if (panelMask != nullptr) {
                if (skinpaint::FitsIn(face, r))
                    DrawBorderMask(skin, face, r, true, false, 0, *panelMask, CacheInfo{});
            } else if (i + 1 < count) {
                DrawDivider(bar, face, StatusDividerX(r, dividerWidth), dividerWidth);
            }
            if (panel.OwnerDraw) {
                if (content.DrawPanel) content.DrawPanel(static_cast<int>(i), r);
                continue;
            }
            DrawPanelText(renderer, bar, face, panel, r, content.Enabled);
        }
        const TsGeneralData* global =
            skinpaint::SectionAt(skin, skin.SectionIndex(std::string(kGlobalInfoSection)));
        if (content.Grip && global != nullptr)
            if (const TsMaskData* grip = SectionMask(
                    skin, skin.SectionIndex(std::string(kGlobalInfoSection)), "GRIPIMAGE"))
                DrawKeyedGlyph(skin, face, *grip);
    } catch (...) {
        // Painting never raises.
    }
}
