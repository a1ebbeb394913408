#include "skin/paint/TileTexture.h"

#include <algorithm>

#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"

namespace {

struct TTextureDrawer {
    TBitmap& target;
    TBitmap& picture;
    TRect cell;
    bool masked;
    int maskOffset;

    void Piece(int x, int y, int w, int h, const TRect& source) const {
        if (masked)
            DrawMaskedPiece(target, x, y, w, h, picture, source, maskOffset, nullptr);
        else
            skinpaint::CopyPiece(target, x, y, w, h, picture, source);
    }
    void Tile(const TRect& area) const {
        const int cw = cell.Width(), ch = cell.Height();
        for (int y = area.top; y < area.bottom; y += ch) {
            const int h = std::min(ch, area.bottom - y);
            for (int x = area.left; x < area.right; x += cw) {
                const int w = std::min(cw, area.right - x);
                Piece(x, y, w, h, TRect{cell.left, cell.top, cell.left + w, cell.top + h});
            }
        }
    }
    void Stretch(const TRect& area) const {
        if (area.Width() > 0 && area.Height() > 0)
            Piece(area.left, area.top, area.Width(), area.Height(), cell);
    }
};

}  // namespace

std::optional<TRect> TileTexture(const TsSkinContent& skin, TBitmap& target, const TRect& rect,
                                 const TsMaskData& texture) {
    TBitmap* picture = skinpaint::MaskPicture(skin, texture);
    const TRect r = rect.Normalized();
    const int cw = texture.CellWidth(), ch = texture.CellHeight();
    if (picture == nullptr || cw <= 0 || ch <= 0 || r.Width() <= 0 || r.Height() <= 0) return r;
    const TRect cell{texture.SourceRect.left, texture.SourceRect.top, texture.SourceRect.left + cw,
                     texture.SourceRect.top + ch};
    const TTextureDrawer draw{target, *picture, cell, texture.MaskLayout >= 1,
                              texture.Height() / 2};
    const int rowBottom = std::min(r.bottom, r.top + ch),
              columnRight = std::min(r.right, r.left + cw);
    switch (texture.FillMode) {
        case 0:
        case 10:
            draw.Tile(r);
            return std::nullopt;
        case 1:
            draw.Stretch(r);
            return std::nullopt;
        case 2:
            draw.Tile(TRect{r.left, r.top, r.right, rowBottom});
            break;
        case 3:
            draw.Tile(TRect{r.left, r.top, columnRight, r.bottom});
            break;
        case 4:
            draw.Stretch(TRect{r.left, r.top, r.right, rowBottom});
            break;
        case 5:
            draw.Stretch(TRect{r.left, r.top, columnRight, r.bottom});
            break;
        case 6:
            draw.Tile(TRect{r.left, std::max(r.top, r.bottom - ch), r.right, r.bottom});
            break;
        default:
            draw.Tile(TRect{std::max(r.left, r.right - cw), r.top, r.right, r.bottom});
            break;
    }
    switch (texture.FillMode) {
        case 2:
        case 4:
            return TRect{r.left, rowBottom, r.right, r.bottom};
        case 3:
        case 5:
            return TRect{columnRight, r.top, r.right, r.bottom};
        case 6:
            return TRect{r.left, r.top, r.right, std::max(r.top, r.bottom - ch)};
        default:
            return TRect{r.left, r.top, std::max(r.left, r.right - cw), r.bottom};
    }
}

void TilePicture(TBitmap& target, const TRect& rect, TBitmap& picture) {
    const int pw = picture.PixelWidth(), ph = picture.PixelHeight();
    if (pw <= 0 || ph <= 0) return;
    for (int y = rect.top; y < rect.bottom; y += ph)
        for (int x = rect.left; x < rect.right; x += pw)
            skinpaint::CopyPiece(
                target, x, y, std::min(pw, rect.right - x), std::min(ph, rect.bottom - y), picture,
                TRect{0, 0, std::min(pw, rect.right - x), std::min(ph, rect.bottom - y)});
}
