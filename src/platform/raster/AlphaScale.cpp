#include "platform/raster/AlphaScale.h"

#include <algorithm>

void ScaleAlphaRect(TDeviceBitmap& target, const TRect& rect, int percent) {
    if (target.BitCount() != 32 || target.IsIndexed() || target.IsMonochrome()) return;
    const unsigned share = static_cast<unsigned>(std::clamp(percent, 0, 100));
    const TRect r = rect.Normalized();
    const int left = std::max(r.left, 0), top = std::max(r.top, 0);
    const int right = std::min(r.right, static_cast<int>(target.Width()));
    const int bottom = std::min(r.bottom, static_cast<int>(target.Height()));
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* row = target.Pixels().RowAddress(static_cast<std::uint32_t>(y));
        for (int x = left * 4; x < right * 4; ++x)
            row[x] = static_cast<std::uint8_t>(row[x] * share / 100);
    }
}
