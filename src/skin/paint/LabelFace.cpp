#include "skin/paint/LabelFace.h"

#include "skin/paint/FacePictures.h"

namespace {

void DrawCaption(ISkinTextRenderer& renderer, TBitmap& face, const TsLabelFXContent& content) {
    if (content.Section.Skin != nullptr && content.Section.SectionIndex >= 0)
        DrawSkinText(renderer, face, content.Text, true, 0, content.Section, content.Format,
                     content.Rect);
    else
        renderer.DrawText(face, content.Text, content.Rect, content.TextColor, 0, 0, content.Format,
                          false);
}

}  // namespace

void PaintLabelFX(ISkinTextRenderer& renderer, TBitmap& face, const TsLabelFXContent& content,
                  TsShadowMask& mask) {
    try {
        const TRect& r = content.Rect;
        if (face.IsEmpty() || r.Width() <= 0 || r.Height() <= 0) return;
        if (!content.Transparent) skinpaint::FillArea(face, r, content.LabelColor);
        if (!content.Enabled) {
            renderer.DrawText(face, content.Text, r, content.DisabledLight, 1, 1, content.Format,
                              false);
            renderer.DrawText(face, content.Text, r, content.DisabledDark, 0, 0, content.Format,
                              false);
            return;
        }
        TBitmap* picture =
            ShadowShows(content.Shadow) ? mask.Prepare(r.Width(), r.Height()) : nullptr;
        if (picture != nullptr) {
            const int d = content.Shadow.Distance;
            renderer.DrawText(*picture, content.Text, TRect{0, 0, r.Width(), r.Height()}, 0xFFFFFF,
                              d, d, content.Format, false);
            mask.Blur(content.Shadow.BlurCount);
            const TColor shadow = content.Shadow.Color & 0xFFFFFF;
            if (content.Transparent)
                mask.ComposeOver(face, r.left, r.top, shadow);
            else
                mask.ComposeOpaque(shadow, content.LabelColor);
            mask.CopyTo(face, r.left, r.top);
        }
        DrawCaption(renderer, face, content);
    } catch (...) {
        // Painting never raises: a label whose shadow cannot be built shows what it got to.
    }
}
