#include "skin/paint/FieldButtons.h"

#include <algorithm>

#include "platform/raster/AlphaBlend.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/TransparentBlit.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"

namespace {

int GlyphOf(const TsSkinContent& skin, const char* section) {
    const int index = skin.SectionIndex(section);
    return index < 0 ? -1 : skin.FindMaskIndex(index, section, "GLYPHMASK");
}

// The cell (and, with a mask row, its mask below it) copied into a picture of its own, rows
// reversed within each of the two when upward.
std::shared_ptr<TBitmap> CellCopy(TBitmap& picture, const TRect& cell, int maskOffset, int rows,
                                  bool upward) {
    const int width = cell.Width(), height = cell.Height();
    auto copy = skinpaint::NewFacePicture(width, height * rows);
    for (int band = 0; band < rows; ++band) {
        const int top = cell.top + band * maskOffset;
        for (int y = 0; y < height; ++y) {
            const int from = upward ? top + height - 1 - y : top + y;
            BitBlt(copy->Canvas().Handle(), 0, band * height + y, width, 1,
                   picture.Canvas().Handle(), cell.left, from, SRCCOPY);
        }
    }
    return copy;
}

}  // namespace

int ComboArrowIndex(const TsSkinContent& skin) {
    const int own = GlyphOf(skin, "COMBOBOX");
    return own >= 0 ? own : GlyphOf(skin, "COMBOBTN");
}

int SpinArrowIndex(const TsSkinContent& skin) {
    const int own = GlyphOf(skin, "UPDOWNBTN");
    return own >= 0 ? own : ComboArrowIndex(skin);
}

void DrawArrowGlyph(const TsSkinContent& skin, TBitmap& target, const TRect& rect,
                    const TsMaskData& glyph, int state, bool upward) {
    TBitmap* picture = skinpaint::MaskPicture(skin, glyph);
    const int cw = glyph.CellWidth(), ch = glyph.CellHeight();
    if (picture == nullptr || cw <= 0 || ch <= 0 || target.IsEmpty()) return;
    const int cell = std::clamp(state, 0, std::max(0, glyph.StateCount - 1));
    const TRect source{glyph.SourceRect.left + cw * cell, glyph.SourceRect.top,
                       glyph.SourceRect.left + cw * (cell + 1), glyph.SourceRect.top + ch};
    // A glyph larger than its button shows its middle.
    const int w = std::min(cw, rect.Width()), h = std::min(ch, rect.Height());
    if (w <= 0 || h <= 0) return;
    const int x = rect.left + (rect.Width() - w) / 2, y = rect.top + (rect.Height() - h) / 2;
    const int sx = (cw - w) / 2, sy = (ch - h) / 2;
    const bool masked = glyph.MaskLayout >= 1;
    const auto copy = CellCopy(*picture, source, glyph.Height() / 2, masked ? 2 : 1, upward);
    if (masked) {
        DrawMaskedPiece(target, x, y, w, h, *copy, TRect{sx, sy, sx + w, sy + h}, ch, nullptr);
    } else if (glyph.Bmp) {
        AlphaBlend(target.Canvas().Handle(), x, y, w, h, copy->Canvas().Handle(), sx, sy, w, h,
                   TBlendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    } else {
        const TDeviceBitmap& bits = *copy->Handle();
        TBitmapInfo info;
        info.header = bits.Header();
        TransparentDIBits(target.Canvas().Handle(), x, y, w, h, sx, sy, w, h, bits.Bits(), info,
                          kKeyColor);
    }
}

void PaintFieldButtons(const TsFaceBinding& field, TBitmap& face,
                       const std::vector<TsFieldButton>& buttons) {
    if (field.Skin == nullptr || face.IsEmpty()) return;
    try {
        const TRect all{0, 0, face.PixelWidth(), face.PixelHeight()};
        for (const TsFieldButton& button : buttons) {
            const TRect r{std::max(button.Rect.left, all.left), std::max(button.Rect.top, all.top),
                          std::min(button.Rect.right, all.right),
                          std::min(button.Rect.bottom, all.bottom)};
            if (r.Width() <= 0 || r.Height() <= 0) continue;
            if (skinpaint::SectionAt(*field.Skin, button.SectionIndex) != nullptr) {
                TsFaceBinding binding = field;
                binding.SectionIndex = button.SectionIndex;
                BackgroundInfo behind;
                behind.BgType = BackgroundInfo::Picture;
                behind.Bmp = skinpaint::NewFacePicture(all.right, all.bottom);
                skinpaint::CopyPiece(*behind.Bmp, 0, 0, all.right, all.bottom, face, all);
                behind.OffsetX = r.left;
                behind.OffsetY = r.top;
                auto piece = PaintButtonFace(binding, behind, r.Width(), r.Height(), button.State,
                                             TsButtonContent{}, nullptr);
                skinpaint::CopyPiece(face, r.left, r.top, r.Width(), r.Height(), *piece,
                                     TRect{0, 0, r.Width(), r.Height()});
            }
            if (const TsMaskData* arrow = skinpaint::MaskAt(*field.Skin, button.ArrowIndex))
                DrawArrowGlyph(*field.Skin, face, r, *arrow, button.State, button.Upward);
        }
    } catch (...) {
        // Painting never raises.
    }
}
