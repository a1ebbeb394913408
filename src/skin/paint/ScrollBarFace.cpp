#include "skin/paint/ScrollBarFace.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/raster/PixelView.h"
#include "skin/paint/FacePictures.h"
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
    if (range <= 0 || length < kScrollThumbMinimum) return TRect{};
    const std::int64_t page = std::max<std::int64_t>(0, s.PageStep);
    std::int64_t thumb = page == 0 ? kScrollThumbMinimum : length * page / (range + page);
    thumb = std::clamp<std::int64_t>(thumb, kScrollThumbMinimum, length);
    const std::int64_t value = std::clamp<std::int64_t>(s.Value, s.Minimum, s.Maximum) - s.Minimum;
    const std::int64_t offset = (length - thumb) * value / range;
    const int from = start + static_cast<int>(offset);
    return Along(vertical, thickness, from, from + static_cast<int>(thumb));
}

void PaintPart(const TsFaceBinding& owner, const BackgroundInfo& parent, TBitmap& face,
               const char* section, const TRect& r, int state) {
    if (owner.Skin == nullptr || r.Width() <= 0 || r.Height() <= 0) return;
    TsFaceBinding part = owner;
    part.SectionIndex = owner.Skin->SectionIndex(section);
    if (part.SectionIndex < 0) return;
    part.CustomColor = false;
    // What the border mask leaves open shows what lies behind the bar, not the key colour.
    skinpaint::FillFromParent(face, r, ToCacheInfo(parent));
    PaintControlFace(part, parent, false, face, r, state);
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
    const TsScrollBarParts parts = ScrollBarParts(face.PixelWidth(), face.PixelHeight(), state);
    const bool v = state.Vertical;
    PaintPart(owner, parent, face, v ? "SCROLLBAR1V" : "SCROLLBAR1H", parts.Track, 0);
    PaintPart(owner, parent, face, v ? "SCROLLBTNTOP" : "SCROLLBTNLEFT", parts.FirstArrow,
              state.Enabled ? state.FirstArrowState : 0);
    PaintPart(owner, parent, face, v ? "SCROLLBTNBOTTOM" : "SCROLLBTNRIGHT", parts.SecondArrow,
              state.Enabled ? state.SecondArrowState : 0);
    PaintPart(owner, parent, face, v ? "SCROLLSLIDERV" : "SCROLLSLIDERH", parts.Thumb,
              state.Enabled ? state.ThumbState : 0);
    ClearKey(face, parent.BgType == BackgroundInfo::PlainColor ? parent.Color : 0);
}
