#include "skin/paint/GlowFace.h"

#include <algorithm>
#include <vector>

#include "platform/raster/PixelView.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"

namespace {

// Copies the source over the area of the face, stretched or tiled with the last tile cut to
// fit. The area may reach far beyond the face (a glow cut to its window); tiles are laid only
// where the face is, so the work follows the face's size, not the area's.
void FillArea(TBitmap& face, TBitmap& picture, const TRect& area, const TRect& source,
              bool stretch) {
    const int sw = source.Width(), sh = source.Height();
    if (area.Width() <= 0 || area.Height() <= 0 || sw <= 0 || sh <= 0) return;
    if (stretch) {
        skinpaint::CopyPiece(face, area.left, area.top, area.Width(), area.Height(), picture,
                             source);
        return;
    }
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, face.PixelWidth());
    const int bottom = std::min(area.bottom, face.PixelHeight());
    for (int y = area.top + (top - area.top) / sh * sh; y < bottom; y += sh) {
        const int h = std::min(sh, area.bottom - y);
        for (int x = area.left + (left - area.left) / sw * sw; x < right; x += sw) {
            const int w = std::min(sw, area.right - x);
            skinpaint::CopyPiece(face, x, y, w, h, picture,
                                 TRect{source.left, source.top, source.left + w, source.top + h});
        }
    }
}

// The first cell of the picture sliced in nine over the rectangle, edges and middle included:
// the glow's middle lies over the control and is the picture's to show or leave clear.
void DrawNineSlice(TBitmap& face, TBitmap& picture, const TsMaskData& mask, const TRect& r) {
    int ml = mask.MarginLeft, mr = mask.MarginRight, mt = mask.MarginTop, mb = mask.MarginBottom;
    FitMargins(r.Width(), ml, mr);
    FitMargins(r.Height(), mt, mb);
    const int cw = mask.CellWidth(), ch = mask.CellHeight();
    ml = std::min(ml, cw);
    mr = std::min(mr, cw - ml);
    mt = std::min(mt, ch);
    mb = std::min(mb, ch - mt);
    const int x0 = mask.SourceRect.left, y0 = mask.SourceRect.top;
    const int xs[4] = {x0, x0 + ml, x0 + cw - mr, x0 + cw};
    const int ys[4] = {y0, y0 + mt, y0 + ch - mb, y0 + ch};
    const int xd[4] = {r.left, r.left + ml, r.right - mr, r.right};
    const int yd[4] = {r.top, r.top + mt, r.bottom - mb, r.bottom};
    const bool stretch = (mask.FillMode & kFillStretch) != 0;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            FillArea(face, picture, TRect{xd[column], yd[row], xd[column + 1], yd[row + 1]},
                     TRect{xs[column], ys[row], xs[column + 1], ys[row + 1]}, stretch);
}

// Pictures from a master bitmap, or written by hand, may carry colour above their alpha;
// Qt and the platform both read the words as premultiplied, so colour is held to the alpha.
void KeepPremultiplied(TBitmap& face) {
    const raster::TPixelView view = raster::ViewOf(*face.Handle());
    std::vector<std::uint32_t> row(view.width);
    for (std::uint32_t y = 0; y < view.height; ++y) {
        raster::ReadRow(view, y, 0, view.width, row.data());
        for (std::uint32_t& word : row) {
            const std::uint32_t alpha = word >> 24;
            std::uint32_t kept = alpha << 24;
            for (const int shift : {0, 8, 16})
                kept |= std::min((word >> shift) & 0xFFu, alpha) << shift;
            word = kept;
        }
        raster::WriteRow(view, y, 0, view.width, row.data());
    }
}

void ClearPicture(TBitmap& face) {
    const raster::TPixelView view = raster::ViewOf(*face.Handle());
    const std::vector<std::uint32_t> clear(view.width, 0);
    for (std::uint32_t y = 0; y < view.height; ++y)
        raster::WriteRow(view, y, 0, view.width, clear.data());
}

}  // namespace

GlowMargins TsGlowSource::Margins() const {
    if (Picture == nullptr) return {};
    return GlowMargins{Picture->MarginLeft, Picture->MarginTop, Picture->MarginRight,
                       Picture->MarginBottom};
}

TsGlowSource FindControlGlow(const TsSkinContent& skin, int sectionIndex) {
    const TsGeneralData* section = skinpaint::SectionAt(skin, sectionIndex);
    if (section == nullptr || section->GlowMargin <= 0) return {};
    const TsMaskData* mask =
        skinpaint::MaskAt(skin, skin.FindMaskIndex(sectionIndex, section->ClassName, "GLOW0"));
    if (mask == nullptr) return {};
    // The glow's alpha is its shape; a picture without a fourth byte has none to give.
    const TBitmap* picture = skinpaint::MaskPicture(skin, *mask);
    if (picture == nullptr || picture->PixelFormat() != pf32bit) return {};
    if (mask->CellWidth() <= 0 || mask->CellHeight() <= 0) return {};
    return TsGlowSource{mask, section->GlowMargin};
}

std::shared_ptr<TBitmap> PaintGlowFace(const TsSkinContent& skin, const TsGlowSource& glow,
                                       const GlowPlacement& placement) {
    try {
        if (!glow.Exists() || placement.Empty()) return nullptr;
        TBitmap* picture = skinpaint::MaskPicture(skin, *glow.Picture);
        if (picture == nullptr) return nullptr;
        const TRect& visible = placement.Visible;
        auto face = skinpaint::NewFacePicture(visible.Width(), visible.Height());
        if (face->IsEmpty()) return nullptr;
        ClearPicture(*face);
        const TRect full{placement.Full.left - visible.left, placement.Full.top - visible.top,
                         placement.Full.right - visible.left, placement.Full.bottom - visible.top};
        DrawNineSlice(*face, *picture, *glow.Picture, full);
        KeepPremultiplied(*face);
        return face;
    } catch (...) {
        // Painting never raises: no glow is drawn.
        return nullptr;
    }
}
