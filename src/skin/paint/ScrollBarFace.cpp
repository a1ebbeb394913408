#include "skin/paint/ScrollBarFace.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/raster/PixelView.h"
#include "platform/raster/TransparentBlit.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/FieldButtons.h"
#include "skin/paint/PaintFace.h"

namespace {

TRect Along(bool vertical, int thickness, int from, int to) {
    return vertical ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
}

// Thumb length and offset in 64 bits: skin and widget ranges may span the whole int.
TRect ThumbIn(const TRect& track, bool vertical, int thickness, const TsScrollBarState& s) {
    const int start = vertical ? track.top : track.left;
    const int length = vertical ? track.Height() : track.Width();
    const std::int64_t range = std::int64_t{s.Maximum} - s.Minimum;
    const int minimum = std::max(1, s.ThumbMinimum);
    if (range <= 0 || length < minimum) return TRect{};
    const std::int64_t page = std::max<std::int64_t>(0, s.PageStep);
    std::int64_t thumb = page == 0 ? minimum : length * page / (range + page);
    thumb = std::clamp<std::int64_t>(thumb, minimum, length);
    const std::int64_t value = std::clamp<std::int64_t>(s.Value, s.Minimum, s.Maximum) - s.Minimum;
    const std::int64_t offset = (length - thumb) * value / range;
    const int from = start + static_cast<int>(offset);
    return Along(vertical, thickness, from, from + static_cast<int>(thumb));
}

const TsMaskData* GlyphOf(const TsSkinContent& skin, const char* section) {
    return skinpaint::MaskAt(skin,
                             skin.FindMaskIndex(skin.SectionIndex(section), section, "GLYPHMASK"));
}

// Each part is painted over what the face shows so far: the track over what lies behind the
// bar, the arrows and the thumb over the track, so that their open corners show it.
void PaintPart(const TsFaceBinding& owner, TBitmap& face, const char* section, const TRect& r,
               int state, bool arrow) {
    if (owner.Skin == nullptr || r.Width() <= 0 || r.Height() <= 0) return;
    TsFaceBinding part = owner;
    part.SectionIndex = owner.Skin->SectionIndex(section);
    if (part.SectionIndex < 0) return;
    part.CustomColor = false;
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::Picture;
    behind.Bmp = skinpaint::NewFacePicture(face.PixelWidth(), face.PixelHeight());
    const TRect all{0, 0, face.PixelWidth(), face.PixelHeight()};
    skinpaint::CopyPiece(*behind.Bmp, 0, 0, all.right, all.bottom, face, all);
    behind.OffsetX = r.left;
    behind.OffsetY = r.top;
    auto piece = skinpaint::NewFacePicture(r.Width(), r.Height());
    const TRect whole{0, 0, r.Width(), r.Height()};
    PaintControlFace(part, behind, true, *piece, whole, state);
    if (const TsMaskData* glyph = arrow ? GlyphOf(*owner.Skin, section) : nullptr)
        DrawArrowGlyph(*owner.Skin, *piece, whole, *glyph, state, false);
    // Pieces copied opaquely keep the key colour where they are open; the track shows there.
    const TDeviceBitmap& bits = *piece->Handle();
    TBitmapInfo info;
    info.header = bits.Header();
    TransparentDIBits(face.Canvas().Handle(), r.left, r.top, r.Width(), r.Height(), 0, 0, r.Width(),
                      r.Height(), bits.Bits(), info, kKeyColor);
}

// The larger of a record's state cell sides, 0 without a record.
int CellSide(const TsMaskData* mask, bool alongBar, bool vertical) {
    if (mask == nullptr) return 0;
    const bool height = alongBar == vertical;
    return std::max(0, height ? mask->CellHeight() : mask->CellWidth());
}

int BorderSpan(const TsMaskData* mask, bool alongBar, bool vertical) {
    if (mask == nullptr) return 0;
    const bool height = alongBar == vertical;
    return height ? mask->MarginTop + mask->MarginBottom + 1
                  : mask->MarginLeft + mask->MarginRight + 1;
}

// Corner pictures and masked pieces of the scroll-bar sections keep the key colour where they
// are open; the bar is blitted whole, so those pixels take the colour behind the bar.
void ClearKey(TBitmap& face, TColor behind) {
    if (face.IsEmpty()) return;
    const raster::TPixelView view = raster::ViewOf(*face.Handle());
    const auto w = static_cast<std::uint32_t>(face.PixelWidth());
    std::vector<std::uint32_t> row(w);
    const std::uint32_t key = raster::ColorWord(kKeyColor), fill = raster::ColorWord(behind);
    for (int y = 0; y < face.PixelHeight(); ++y) {
        raster::ReadRow(view, static_cast<std::uint32_t>(y), 0, w, row.data());
        for (std::uint32_t& p : row)
            if ((p & raster::kColorMask) == key) p = fill;
        raster::WriteRow(view, static_cast<std::uint32_t>(y), 0, w, row.data());
    }
}

}  // namespace

TsScrollBarParts ScrollBarParts(int width, int height, const TsScrollBarState& state) {
    TsScrollBarParts parts;
    width = std::max(0, width);
    height = std::max(0, height);
    const bool vertical = state.Vertical;
    const int length = vertical ? height : width;
    const int thickness = vertical ? width : height;
    const int arrow = std::min(thickness, length / 2);
    parts.FirstArrow = Along(vertical, thickness, 0, arrow);
    parts.SecondArrow = Along(vertical, thickness, length - arrow, length);
    parts.Track = Along(vertical, thickness, arrow, length - arrow);
    parts.Thumb = ThumbIn(parts.Track, vertical, thickness, state);
    return parts;
}

void PaintScrollBar(const TsFaceBinding& owner, const BackgroundInfo& parent, TBitmap& face,
                    const TsScrollBarState& state) {
    if (face.IsEmpty()) return;
    const TsScrollBarParts parts = ScrollBarParts(face.PixelWidth(), face.PixelHeight(), state);
    const bool v = state.Vertical;
    try {
        // What the parts leave open shows what lies behind the bar, not the key colour.
        skinpaint::FillFromParent(face, TRect{0, 0, face.PixelWidth(), face.PixelHeight()},
                                  ToCacheInfo(parent));
        PaintPart(owner, face, v ? "SCROLLBAR1V" : "SCROLLBAR1H", parts.Track, 0, false);
        PaintPart(owner, face, v ? "SCROLLBTNTOP" : "SCROLLBTNLEFT", parts.FirstArrow,
                  state.Enabled ? state.FirstArrowState : 0, true);
        PaintPart(owner, face, v ? "SCROLLBTNBOTTOM" : "SCROLLBTNRIGHT", parts.SecondArrow,
                  state.Enabled ? state.SecondArrowState : 0, true);
        PaintPart(owner, face, v ? "SCROLLSLIDERV" : "SCROLLSLIDERH", parts.Thumb,
                  state.Enabled ? state.ThumbState : 0, false);
        ClearKey(face, parent.BgType == BackgroundInfo::PlainColor ? parent.Color : 0);
    } catch (...) {
        // Painting never raises; a part that could not be painted keeps what lay behind it.
    }
}

TsScrollBarMetrics ScrollBarMetrics(const TsSkinContent& skin, bool vertical) {
    const TsMaskData* first = GlyphOf(skin, vertical ? "SCROLLBTNTOP" : "SCROLLBTNLEFT");
    const TsMaskData* second = GlyphOf(skin, vertical ? "SCROLLBTNBOTTOM" : "SCROLLBTNRIGHT");
    const char* slider = vertical ? "SCROLLSLIDERV" : "SCROLLSLIDERH";
    const int sliderIndex = skin.SectionIndex(slider);
    const TsMaskData* thumb =
        skinpaint::MaskAt(skin, skin.FindMaskIndex(sliderIndex, slider, "BORDERSMASK"));
    TsScrollBarMetrics m;
    const int glyph = std::max(CellSide(first, false, vertical), CellSide(second, false, vertical));
    const int across =
        std::max(glyph + 2 * kScrollArrowPadding, BorderSpan(thumb, false, vertical));
    m.Extent = std::clamp(across, kScrollExtentMinimum, kScrollExtentMaximum);
    // A thumb no shorter than the bar is thick stays easy to take hold of.
    const int along =
        std::max({CellSide(thumb, true, vertical), BorderSpan(thumb, true, vertical), m.Extent});
    m.ThumbMinimum = std::clamp(along, kScrollThumbMinimum, kScrollThumbMaximum);
    return m;
}
