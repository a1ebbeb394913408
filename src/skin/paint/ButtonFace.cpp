#include "skin/paint/ButtonFace.h"

#include <algorithm>

#include "platform/raster/AlphaBlend.h"
#include "platform/raster/AlphaScale.h"
#include "platform/raster/PixelBlends.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

int GlyphOpacity(const TsButtonContent& content, int state) {
    int blend = content.Blend;
    if (!content.Enabled && (content.DisabledGlyphKind & dgBlended) != 0)
        blend = std::max(50, blend);
    return state == 0 && blend != 0 ? std::clamp(blend, 0, 100) : 100;
}

void DrawButtonGlyph(TBitmap& face, const TsButtonContent& content, int state, int x, int y) {
    if (!content.Glyph || content.Glyph->IsEmpty() || face.IsEmpty()) return;
    TBitmap& glyph = *content.Glyph;
    const int w = glyph.PixelWidth(), h = glyph.PixelHeight();
    const bool grey = (!content.Enabled && (content.DisabledGlyphKind & dgGrayed) != 0) ||
                      (content.Grayed && state == 0);
    const int opacity = GlyphOpacity(content, state);
    TBitmap* source = &glyph;
    std::shared_ptr<TBitmap> copy;
    if (grey || opacity < 100) {
        copy = skinpaint::NewFacePicture(w, h);
        skinpaint::CopyPiece(*copy, 0, 0, w, h, glyph, TRect{0, 0, w, h});
        if (grey) GrayRect(*copy->Handle(), TRect{0, 0, w, h});
        ScaleAlphaRect(*copy->Handle(), TRect{0, 0, w, h}, opacity);
        source = copy.get();
    }
    AlphaBlend(face.Canvas().Handle(), x, y, w, h, source->Canvas().Handle(), 0, 0, w, h,
               TBlendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

namespace {

void DrawFocusRect(TBitmap& face, const TRect& r, TColor colour) {
    for (int x = r.left; x < r.right; x += 2) {
        skinpaint::FillArea(face, TRect{x, r.top, x + 1, r.top + 1}, colour);
        skinpaint::FillArea(face, TRect{x, r.bottom - 1, x + 1, r.bottom}, colour);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        skinpaint::FillArea(face, TRect{r.left, y, r.left + 1, y + 1}, colour);
        skinpaint::FillArea(face, TRect{r.right - 1, y, r.right, y + 1}, colour);
    }
}

void DrawContent(TBitmap& face, const TsFaceBinding& binding, int state,
                 const TsButtonContent& content, ISkinTextRenderer* text) {
    const int width = face.PixelWidth(), height = face.PixelHeight();
    const int shift = state == 2 ? 1 : 0;
    const bool hasGlyph = content.Glyph && !content.Glyph->IsEmpty();
    const int glyphWidth = hasGlyph ? content.Glyph->PixelWidth() : 0;
    const int spacing = glyphWidth > 0 ? content.Spacing : 0;
    const int captionWidth = content.ShowCaption && !content.Caption.empty() && text != nullptr
                                 ? std::clamp(text->TextWidth(content.Caption), 1,
                                              std::max(1, width - glyphWidth - spacing))
                                 : 0;
    // The glyph sits left of the caption; the pair is centred.
    const int used = glyphWidth + (captionWidth > 0 ? spacing : 0);
    const int captionLeft = std::max(0, (width - used - captionWidth) / 2) + used;
    if (hasGlyph) {
        const int gx = captionWidth > 0 ? captionLeft - used : (width - glyphWidth) / 2;
        DrawButtonGlyph(face, content, state, gx + shift,
                        (height - content.Glyph->PixelHeight()) / 2 + shift);
    }
    if (text == nullptr || captionWidth == 0) return;
    const TRect captionRect{captionLeft, 0, std::min(width, captionLeft + captionWidth), height};
    DrawSkinText(*text, face, content.Caption, content.Enabled, state, binding, content.TextFormat,
                 TRect{captionRect.left + shift, captionRect.top + shift, captionRect.right + shift,
                       captionRect.bottom + shift});
    const TsGeneralData* section = skinpaint::SectionAt(*binding.Skin, binding.SectionIndex);
    if (section->ShowFocus && content.Focused) {
        const int m = content.FocusMargin + 2;
        DrawFocusRect(face,
                      TRect{std::max(0, captionRect.left - m), m,
                            std::min(width, captionRect.right + m), height - m},
                      SkinTextColor(binding, content.Enabled, state));
    }
}

}  // namespace

std::shared_ptr<TBitmap> PaintButtonFace(const TsFaceBinding& binding, const BackgroundInfo& parent,
                                         int width, int height, int state,
                                         const TsButtonContent& content, ISkinTextRenderer* text) {
    auto face = skinpaint::NewFacePicture(width, height);
    try {
        const TsGeneralData* section =
            binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
        if (section == nullptr || face->IsEmpty()) return face;
        state = LimitState(*section, state);
        const CacheInfo behind = ToCacheInfo(parent);
        const TRect all{0, 0, width, height};
        PaintFaceBackground(binding, behind, state, *face, all);
        const TsMaskData* mask = skinpaint::MaskAt(*binding.Skin, section->BorderIndex);
        const bool drawMask =
            mask != nullptr && (state != 0 || (mask->FillMode & kFillSkipNormalState) == 0);
        if (drawMask && content.DrawOverBorder)
            DrawBorderMask(*binding.Skin, *face, all, true, true, state, *mask, behind);
        DrawContent(*face, binding, state, content, text);
        if (drawMask && !content.DrawOverBorder)
            DrawBorderMask(*binding.Skin, *face, all, true, true, state, *mask, behind);
        if (!content.Enabled) ApplyDisabledLook(*face, content.DisabledKind, behind);
    } catch (...) {
        // Painting never raises.
    }
    return face;
}
