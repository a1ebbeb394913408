#include "skin/data/SkinHueSaturation.h"

#include <map>
#include <vector>

#include "platform/raster/HueSaturation.h"
#include "platform/raster/RasterBlit.h"

namespace skin {

namespace {

constexpr TColor kKeyColor = 0xFF00FF;

void ShiftField(std::int32_t& colour, int hueOffset, int saturation) {
    if (colour < 0 || (static_cast<TColor>(colour) & 0xFFFFFF) == kKeyColor) return;
    colour = static_cast<std::int32_t>(
        ShiftHueSaturation(static_cast<TColor>(colour) & 0xFFFFFF, hueOffset, saturation));
}

void ShiftState(TsGenState& state, int hueOffset, int saturation) {
    ShiftField(state.Color, hueOffset, saturation);
    ShiftField(state.FontColor, hueOffset, saturation);
    ShiftField(state.GlowColor, hueOffset, saturation);
    for (std::int32_t& outline : state.TextOutline) ShiftField(outline, hueOffset, saturation);
    for (TsGradStep& step : state.GradientArray) {
        ShiftField(step[0], hueOffset, saturation);
        ShiftField(step[1], hueOffset, saturation);
    }
}

// Shifts the whole picture but the mask rows lying in it, which are put back afterwards.
void ShiftPicture(TBitmap& picture, const std::vector<TRect>& maskRows, int hueOffset,
                  int saturation) {
    if (picture.IsEmpty()) return;
    std::vector<std::unique_ptr<TBitmap>> kept;
    for (const TRect& r : maskRows) {
        auto copy = std::make_unique<TBitmap>();
        copy->SetPixelFormat(pf32bit);
        copy->SetSize(r.Width(), r.Height());
        BitBlt(copy->Canvas().Handle(), 0, 0, r.Width(), r.Height(), picture.Canvas().Handle(),
               r.left, r.top, SRCCOPY);
        kept.push_back(std::move(copy));
    }
    if (!ShiftHueSaturationRect(*picture.Handle(),
                                TRect{0, 0, picture.PixelWidth(), picture.PixelHeight()}, hueOffset,
                                saturation, kKeyColor))
        return;
    for (std::size_t i = 0; i < maskRows.size(); ++i) {
        const TRect& r = maskRows[i];
        BitBlt(picture.Canvas().Handle(), r.left, r.top, r.Width(), r.Height(),
               kept[i]->Canvas().Handle(), 0, 0, SRCCOPY);
    }
}

}  // namespace

void ApplyHueSaturation(TsSkinContent& skin, int hueOffset, int saturation) {
    if (hueOffset % 360 == 0 && saturation == 0) return;
    for (TsGeneralData& section : skin.GeneralData)
        for (TsGenState& state : section.Props) ShiftState(state, hueOffset, saturation);
    // Each picture once, however many records share it, with the mask rows of its records.
    std::map<TBitmap*, std::vector<TRect>> pictures;
    if (skin.MasterBitmap) pictures[skin.MasterBitmap.get()];
    for (const TsMaskData& record : skin.Masks) {
        TBitmap* picture = record.Bmp ? record.Bmp.get() : skin.MasterBitmap.get();
        if (picture == nullptr) continue;
        std::vector<TRect>& maskRows = pictures[picture];
        if (record.MaskLayout >= 1 && record.Height() > 0) {
            const TRect r = record.SourceRect.Normalized();
            maskRows.push_back(TRect{r.left, r.top + record.Height() / 2, r.right, r.bottom});
        }
    }
    for (const TsPatternData& pattern : skin.Patterns)
        if (pattern.Img) pictures[pattern.Img.get()];
    for (auto& [picture, maskRows] : pictures)
        ShiftPicture(*picture, maskRows, hueOffset, saturation);
}

}  // namespace skin
