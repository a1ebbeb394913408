#include "skin/paint/DrawBorderMask.h"

#include <algorithm>

#include "platform/raster/PixelBlends.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/StretchedMaskedPiece.h"
#include "platform/raster/TransparentBlit.h"
#include "skin/paint/FacePictures.h"

void FitMargins(int size, int& first, int& second) {
    if (size >= first + second) return;
    const int d = (first + second - size) / 2;
    second -= d;
    first -= d;
    if (size % 2 != 0) --second;
    first = std::max(first, 0);
    second = std::max(second, 0);
}

void DrawMaskedPiece(TBitmap& target, int x, int y, int width, int height, TBitmap& picture,
                     const TRect& sourceRect, int maskOffset, const CacheInfo* parent) {
    if (width <= 0 || height <= 0 || sourceRect.Width() <= 0 || sourceRect.Height() <= 0) return;
    TMaskedPieceParent behind;
    if (parent != nullptr && parent->Ready && parent->Bmp) {
        behind = TMaskedPieceParent{parent->Bmp->Handle().get(), -parent->X, -parent->Y};
    }
    if (width == sourceRect.Width() && height == sourceRect.Height()) {
        BlendMaskedPiece(*target.Handle(), x, y, *picture.Handle(), sourceRect, sourceRect.left,
                         sourceRect.top + maskOffset, behind);
        return;
    }
    if (BlendStretchedMaskedPiece(*target.Handle(), x, y, width, height, *picture.Handle(),
                                  sourceRect, sourceRect.left, sourceRect.top + maskOffset, behind))
        return;
    // Pictures of other depths, or pieces reaching past their picture: piece and mask are
    // stretched into one 32-bit picture first, mask row below.
    auto stretched = skinpaint::NewFacePicture(width, height * 2);
    if (stretched->IsEmpty()) return;
    skinpaint::CopyPiece(*stretched, 0, 0, width, height, picture, sourceRect);
    TRect maskRect = sourceRect;
    maskRect.top += maskOffset;
    maskRect.bottom += maskOffset;
    skinpaint::CopyPiece(*stretched, 0, height, width, height, picture, maskRect);
    BlendMaskedPiece(*target.Handle(), x, y, *stretched->Handle(), TRect{0, 0, width, height}, 0,
                     height, behind);
}

namespace {

// How one piece of the cell reaches the face.
struct TPieceDrawer {
    TBitmap& target;
    TBitmap& picture;
    bool masked;
    int maskOffset;

    void Piece(int x, int y, int w, int h, const TRect& source, const CacheInfo* parent) const {
        if (masked)
            DrawMaskedPiece(target, x, y, w, h, picture, source, maskOffset, parent);
        else
            skinpaint::CopyPiece(target, x, y, w, h, picture, source);
    }

    // Fills the area with the source, stretched or tiled with the last piece cut to fit.
    void Area(const TRect& area, const TRect& source, bool stretch) const {
        const int sw = source.Width(), sh = source.Height();
        if (area.Width() <= 0 || area.Height() <= 0 || sw <= 0 || sh <= 0) return;
        if (stretch) {
            Piece(area.left, area.top, area.Width(), area.Height(), source, nullptr);
            return;
        }
        for (int y = area.top; y < area.bottom; y += sh) {
            const int h = std::min(sh, area.bottom - y);
            for (int x = area.left; x < area.right; x += sw) {
                const int w = std::min(sw, area.right - x);
                Piece(x, y, w, h, TRect{source.left, source.top, source.left + w, source.top + h},
                      nullptr);
            }
        }
    }
};

// Corners of a mask without a mask row: magenta pixels are skipped, showing what lies below
// (the parent's background, when asked).
void KeyedCorner(TBitmap& target, TBitmap& picture, int x, int y, const TRect& source,
                 const CacheInfo* parent) {
    if (source.Width() <= 0 || source.Height() <= 0) return;
    if (parent != nullptr)
        skinpaint::FillFromParent(target, TRect{x, y, x + source.Width(), y + source.Height()},
                                  *parent);
    auto piece = skinpaint::NewFacePicture(source.Width(), source.Height());
    skinpaint::CopyPiece(*piece, 0, 0, source.Width(), source.Height(), picture, source);
    const TDeviceBitmap& bits = *piece->Handle();
    TBitmapInfo info;
    info.header = bits.Header();
    TransparentDIBits(target.Canvas().Handle(), x, y, source.Width(), source.Height(), 0, 0,
                      source.Width(), source.Height(), bits.Bits(), info, kKeyColor);
}

}  // namespace

void DrawBorderMask(const TsSkinContent& skin, TBitmap& target, const TRect& rect, bool filling,
                    bool updateCorners, int state, const TsMaskData& mask,
                    const CacheInfo& parent) {
    TBitmap* picture = skinpaint::MaskPicture(skin, mask);
    if (picture == nullptr || target.IsEmpty()) return;
    if (state == 0 && (mask.FillMode & kFillSkipNormalState) != 0) return;
    const TRect r = rect.Normalized();
    if (r.Width() < 2 || r.Height() < 2) return;
    int ml = mask.MarginLeft, mr = mask.MarginRight, mt = mask.MarginTop, mb = mask.MarginBottom;
    FitMargins(r.Width(), ml, mr);
    FitMargins(r.Height(), mt, mb);
    const int cw = mask.CellWidth(), ch = mask.CellHeight();
    const int mw = cw - ml - mr, mh = ch - mt - mb;
    if (mw < 0 || mh < 0 || cw <= 0 || ch <= 0) return;
    const int cell = std::clamp(state, 0, std::max(0, mask.StateCount - 1));
    const int x0 = mask.SourceRect.left + cw * cell, y0 = mask.SourceRect.top;
    const bool masked = mask.MaskLayout >= 1;
    const bool stretch = (mask.FillMode & kFillStretch) != 0;
    const CacheInfo* cornerParent = filling && mask.CornerShape > 0 ? &parent : nullptr;
    const TPieceDrawer draw{target, *picture, masked, mask.Height() / 2};

    const TRect tl{x0, y0, x0 + ml, y0 + mt}, bl{x0, y0 + ch - mb, x0 + ml, y0 + ch};
    const TRect br{x0 + cw - mr, y0 + ch - mb, x0 + cw, y0 + ch},
        tr{x0 + cw - mr, y0, x0 + cw, y0 + mt};
    const int corners[4][2] = {{r.left, r.top},
                               {r.left, r.bottom - mb},
                               {r.right - mr, r.bottom - mb},
                               {r.right - mr, r.top}};
    const TRect* sources[4] = {&tl, &bl, &br, &tr};
    for (int i = 0; i < 4; ++i) {
        const TRect& s = *sources[i];
        if (masked)
            draw.Piece(corners[i][0], corners[i][1], s.Width(), s.Height(), s,
                       updateCorners ? cornerParent : nullptr);
        else
            KeyedCorner(target, *picture, corners[i][0], corners[i][1], s, cornerParent);
    }
    draw.Area(TRect{r.left + ml, r.top, r.right - mr, r.top + mt},
              TRect{x0 + ml, y0, x0 + ml + mw, y0 + mt}, stretch);
    draw.Area(TRect{r.left + ml, r.bottom - mb, r.right - mr, r.bottom},
              TRect{x0 + ml, y0 + ch - mb, x0 + ml + mw, y0 + ch}, stretch);
    draw.Area(TRect{r.left, r.top + mt, r.left + ml, r.bottom - mb},
              TRect{x0, y0 + mt, x0 + ml, y0 + mt + mh}, stretch);
    draw.Area(TRect{r.right - mr, r.top + mt, r.right, r.bottom - mb},
              TRect{x0 + cw - mr, y0 + mt, x0 + cw, y0 + mt + mh}, stretch);
    if ((mask.FillMode & kFillDrawMiddle) != 0)
        draw.Area(TRect{r.left + ml, r.top + mt, r.right - mr, r.bottom - mb},
                  TRect{x0 + ml, y0 + mt, x0 + ml + mw, y0 + mt + mh}, stretch);
}
