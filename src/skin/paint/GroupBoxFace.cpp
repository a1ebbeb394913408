#include "skin/paint/GroupBoxFace.h"

#include <algorithm>

#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

int GroupCaptionHeight(const TsCaptionGeometry& g) {
    return std::max(4, g.LetterHeight) + 2 + g.Margin.Top + g.Margin.Bottom +
           (g.Skinned ? g.YOffset : 0);
}

namespace {

// Right-to-left reading mirrors the two outer layouts.
TsCaptionLayout Effective(const TsCaptionGeometry& g) {
    if (!g.RightToLeft || g.Layout == clTopCenter) return g.Layout;
    return g.Layout == clTopLeft ? clTopRight : clTopLeft;
}

}  // namespace

TRect GroupCaptionRect(const TsCaptionGeometry& g) {
    const TsMargin& m = g.Margin;
    const TsCaptionLayout layout = Effective(g);
    int x = 0, right = 0;
    if (g.CaptionWidth > 0) {
        const int cw = g.CaptionWidth;
        x = layout == clTopCenter ? (g.Width - cw - 6) / 2
            : layout == clTopLeft ? m.Left + 6
                                  : g.Width - cw - m.Right - 6;
        right = x + cw + m.Left;
    } else {
        const int t = g.TextWidth, outer = (m.Left + m.Right) * 2;
        x = layout == clTopCenter ? (g.Width - t - m.Left - m.Right - 6) / 2
            : layout == clTopLeft ? 6
                                  : g.Width - t - outer - 6;
        right = x + t + outer;
    }
    x = std::max(x, 0);
    right = std::min(right, g.Width);
    if (right - x < 2 * g.BevelWidth) {
        x -= g.BevelWidth;
        right += g.BevelWidth;
    }
    return TRect{x, g.YOffset < 0 ? g.YOffset : 0, right, GroupCaptionHeight(g)};
}

namespace {

// The rectangle limited to the face.
TRect Clipped(const TBitmap& face, TRect r) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, face.PixelWidth());
    r.bottom = std::min(r.bottom, face.PixelHeight());
    return r;
}

void PaintCaptionStrip(const TsFaceBinding& box, const BackgroundInfo& parent, TBitmap& face,
                       const TRect& strip, int captionSection) {
    if (!skinpaint::FitsIn(face, strip)) return;
    TsFaceBinding caption = box;
    caption.SectionIndex = captionSection;
    caption.CustomColor = false;
    if (skinpaint::SectionAt(*box.Skin, captionSection) != nullptr)
        PaintControlFace(caption, parent, false, face, strip, 0);
    else
        skinpaint::FillFromParent(face, strip, ToCacheInfo(parent));
}

}  // namespace

void PaintGroupBoxFace(ISkinTextRenderer& renderer, const TsFaceBinding& box,
                       const BackgroundInfo& parent, TBitmap& face,
                       const TsGroupBoxContent& content) {
    try {
        if (face.IsEmpty() || box.Skin == nullptr) return;
        const int width = face.PixelWidth(), height = face.PixelHeight();
        const TsCaptionGeometry& g = content.Geometry;
        const int captionHeight = GroupCaptionHeight(g);
        skinpaint::FillFromParent(face, Clipped(face, TRect{0, 0, width, captionHeight}),
                                  ToCacheInfo(parent));
        const int frameTop = std::clamp(g.YOffset < 0 ? 0 : captionHeight / 2, 0, height);
        PaintControlFace(box, parent, false, face, TRect{0, frameTop, width, height}, 0);
        if (content.Caption.empty()) return;
        const TRect strip = Clipped(face, GroupCaptionRect(g));
        PaintCaptionStrip(box, parent, face, strip, content.CaptionSection);
        const TRect text{strip.left + g.Margin.Left, strip.top + g.Margin.Top,
                         strip.right - g.Margin.Right, strip.bottom - g.Margin.Bottom};
        if (text.Width() > 0 && text.Height() > 0)
            DrawSkinText(renderer, face, content.Caption, content.Enabled, 0, box,
                         content.TextFormat, text);
    } catch (...) {
        // Painting never raises.
    }
}
