#include "skin/paint/PaintFace.h"

#include <algorithm>

#include "platform/raster/AlphaBlend.h"
#include "platform/raster/PixelBlends.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/TileTexture.h"

namespace {

// The texture of the state: the control's own, else the section's PATTERN (HOTPATTERN above
// state 0). A picture with a mask row is no texture.
const TsMaskData* StateTexture(const TsFaceBinding& binding, const TsGeneralData& section,
                               int state) {
    const TsSkinContent& skin = *binding.Skin;
    int index = state > 0 ? binding.HotTextureIndex : binding.TextureIndex;
    if (index < 0)
        index = state > 0
                    ? skin.FindTextureIndex(binding.SectionIndex, section.ClassName, "HOTPATTERN")
                    : section.TextureIndex;
    const TsMaskData* texture = skinpaint::MaskAt(skin, index);
    return texture != nullptr && texture->MaskLayout == 0 ? texture : nullptr;
}

TBitmap* StatePattern(const TsFaceBinding& binding, const TsGeneralData& section, int state) {
    const TsSkinContent& skin = *binding.Skin;
    const int index = skin.FindPatternIndex(binding.SectionIndex, section.ClassName,
                                            state > 0 ? "HOTPATTERN" : "PATTERN");
    if (index < 0 || static_cast<std::size_t>(index) >= skin.Patterns.size()) return nullptr;
    return skin.Patterns[static_cast<std::size_t>(index)].Img.get();
}

// A texture of fill mode 10 with a mask row lies over the normal state's background.
void DrawMaskedOverlay(const TsFaceBinding& binding, const TsGeneralData& section, TBitmap& target,
                       const TRect& rect) {
    const int index = binding.TextureIndex >= 0 ? binding.TextureIndex : section.TextureIndex;
    const TsMaskData* texture = skinpaint::MaskAt(*binding.Skin, index);
    if (texture != nullptr && texture->MaskLayout >= 1 && texture->FillMode == 10)
        TileTexture(*binding.Skin, target, rect, *texture);
}

void DrawCorners(const TsSkinContent& skin, const TsGeneralData& section, TBitmap& target,
                 const TRect& r, int state) {
    const int indexes[4] = {section.ImgTL, section.ImgTR, section.ImgBL, section.ImgBR};
    for (int i = 0; i < 4; ++i) {
        const TsMaskData* glyph = skinpaint::MaskAt(skin, indexes[i]);
        TBitmap* picture = glyph != nullptr ? skinpaint::MaskPicture(skin, *glyph) : nullptr;
        if (picture == nullptr) continue;
        const int cw = glyph->CellWidth(), ch = glyph->CellHeight();
        const int cell = std::clamp(state, 0, std::max(0, glyph->StateCount - 1));
        const int x = i % 2 == 0 ? r.left : r.right - cw, y = i < 2 ? r.top : r.bottom - ch;
        const TRect source{glyph->SourceRect.left + cw * cell, glyph->SourceRect.top,
                           glyph->SourceRect.left + cw * (cell + 1), glyph->SourceRect.top + ch};
        if (glyph->MaskLayout >= 1)
            DrawMaskedPiece(target, x, y, cw, ch, *picture, source, glyph->Height() / 2, nullptr);
        else
            AlphaBlend(target.Canvas().Handle(), x, y, cw, ch, picture->Canvas().Handle(),
                       source.left, source.top, cw, ch,
                       TBlendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    }
}

}  // namespace

int LimitState(const TsGeneralData& section, int state) {
    return std::clamp(state, 0, std::max(0, section.States - 1));
}

void PaintFaceBackground(const TsFaceBinding& binding, const CacheInfo& parent, int state,
                         TBitmap& target, const TRect& rect) {
    const TsGeneralData* section =
        binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
    if (section == nullptr || !skinpaint::FitsIn(target, rect)) return;
    const TsSkinContent& skin = *binding.Skin;
    const TsGenState& values = section->Props[state > 0 ? 1 : 0];
    TColor colour = static_cast<TColor>(values.Color) & 0xFFFFFF;
    int transparency = 0, imagePercent = 0, gradientPercent = 0;
    const TsGradArray* gradient = &values.GradientArray;
    static const TsGradArray kNoGradient;
    if (binding.CustomColor) {
        colour = binding.OwnColor & 0xFFFFFF;
        gradient = &kNoGradient;
    } else {
        transparency = std::clamp(values.Transparency, 0, 100);
        if (transparency != 100) {
            imagePercent = values.ImagePercent;
            gradientPercent = values.GradientPercent;
        }
    }
    const TsMaskData* texture = imagePercent > 0 ? StateTexture(binding, *section, state) : nullptr;
    TBitmap* pattern =
        imagePercent > 0 && texture == nullptr ? StatePattern(binding, *section, state) : nullptr;
    const auto body = [&](TBitmap& into, const TRect& area) {
        PaintBody(skin, into, area, imagePercent, gradientPercent, colour, *gradient, texture,
                  pattern);
    };
    if ((!parent.Ready && parent.FillColor == kKeyColor) || transparency == 0) {
        body(target, rect);
    } else if (transparency == 100) {
        skinpaint::FillFromParent(target, rect, parent);
    } else if (parent.Ready || gradientPercent > 0 || imagePercent > 0) {
        auto layer = skinpaint::NewFacePicture(rect.Width(), rect.Height());
        body(*layer, TRect{0, 0, rect.Width(), rect.Height()});
        skinpaint::FillFromParent(target, rect, parent);
        BlendRect(*target.Handle(), *layer->Handle(),
                  static_cast<std::uint8_t>(transparency * 255 / 100), rect.left, rect.top,
                  TRect{0, 0, rect.Width(), rect.Height()});
    } else {
        skinpaint::FillArea(target, rect,
                            MixColors(parent.FillColor, colour, transparency / 100.0));
    }
    if (state == 0 && !binding.CustomColor) DrawMaskedOverlay(binding, *section, target, rect);
}

void PaintControlFace(const TsFaceBinding& binding, const BackgroundInfo& parent,
                      bool updateCorners, TBitmap& target, const TRect& rect, int state) {
    try {
        const TsGeneralData* section =
            binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
        if (section == nullptr || !skinpaint::FitsIn(target, rect)) return;
        state = LimitState(*section, state);
        const CacheInfo behind = ToCacheInfo(parent);
        PaintFaceBackground(binding, behind, state, target, rect);
        if (const TsMaskData* mask = skinpaint::MaskAt(*binding.Skin, section->BorderIndex);
            mask != nullptr && (state != 0 || (mask->FillMode & kFillSkipNormalState) == 0))
            DrawBorderMask(*binding.Skin, target, rect, true, updateCorners, state, *mask, behind);
        DrawCorners(*binding.Skin, *section, target, rect, state);
    } catch (...) {
        // Painting never raises: a face that cannot be drawn stays as far as it got.
    }
}
