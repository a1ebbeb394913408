#include "skin/data/CornerShape.h"

#include <algorithm>

#include "skin/data/SkinPictureDecoding.h"

namespace {

bool KeyInArea(TBitmap& picture, int left, int top, int right, int bottom) {
    if (right <= left) return false;
    for (int y = top; y < bottom; ++y) {
        const auto words = skin::ReadPixelWords(picture, static_cast<std::uint32_t>(y),
                                                static_cast<std::uint32_t>(left),
                                                static_cast<std::uint32_t>(right - left));
        if (std::find(words.begin(), words.end(), skin::kKeyPixel) != words.end()) return true;
    }
    return false;
}

}  // namespace

std::uint16_t ComputeCornerShape(const TsMaskData& mask, TBitmap& picture,
                                 std::uint64_t& scanBudget) {
    if (mask.SectionName == "BUTTON_HUGE" && mask.KeyName == "BORDERSMASK") return 2;
    if (picture.PixelFormat() != pf32bit || picture.IsEmpty()) return 0;
    // The cell lies inside the picture: records are only made for rectangles that do.
    const int cellLeft = mask.SourceRect.left, cellTop = mask.SourceRect.top;
    const int cellRight = cellLeft + mask.CellWidth(), cellBottom = cellTop + mask.CellHeight();
    const int left = std::min(cellLeft + mask.MarginLeft, cellRight);
    const int right = std::max(cellRight - mask.MarginRight, cellLeft);
    const int top = std::min(cellTop + mask.MarginTop, cellBottom);
    const int bottom = std::max(cellBottom - mask.MarginBottom, cellTop);
    const auto area = [](int l, int t, int r, int b) {
        return static_cast<std::uint64_t>(std::max(r - l, 0)) *
               static_cast<std::uint64_t>(std::max(b - t, 0));
    };
    const std::uint64_t pixels =
        area(cellLeft, cellTop, left, top) + area(right, cellTop, cellRight, top) +
        area(cellLeft, bottom, left, cellBottom) + area(right, bottom, cellRight, cellBottom);
    if (pixels > scanBudget) return 0;
    scanBudget -= pixels;
    const bool hit = KeyInArea(picture, cellLeft, cellTop, left, top) ||
                     KeyInArea(picture, right, cellTop, cellRight, top) ||
                     KeyInArea(picture, cellLeft, bottom, left, cellBottom) ||
                     KeyInArea(picture, right, bottom, cellRight, cellBottom);
    return hit ? 1 : 0;
}
