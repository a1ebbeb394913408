#include "platform/raster/AlphaBlend.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/raster/Color32Pixels.h"

namespace {

using raster::IsColor32;

// Nearest sampling as in the stretching blits: the source pixel under the destination
// pixel's centre.
std::int64_t SourceIndex(std::int64_t t, std::int64_t dstSize, std::int64_t srcStart,
                         std::int64_t srcSize) {
    if (dstSize == srcSize) return srcStart + t;  // unscaled: no division
    return srcStart + (2 * t + 1) * srcSize / (2 * dstSize);
}

inline unsigned Div255(unsigned v) {
    return (v + 127) / 255;
}

void BlendConstant(const std::uint8_t* s, std::uint8_t* d, unsigned c) {
    for (int i = 0; i < 4; ++i)
        d[i] = static_cast<std::uint8_t>(Div255(s[i] * c + d[i] * (255 - c)));
}

void BlendPremultiplied(const std::uint8_t* s, std::uint8_t* d, unsigned c) {
    unsigned scaled[4];
    for (int i = 0; i < 4; ++i) scaled[i] = c == 255 ? s[i] : Div255(s[i] * c);
    const unsigned keep = 255 - scaled[3];
    for (int i = 0; i < 4; ++i) {
        d[i] = static_cast<std::uint8_t>(std::min(255u, scaled[i] + Div255(d[i] * keep)));
    }
}

// The blend of one destination row from the source row, column by column.
void BlendRow(const std::uint8_t* from, const std::vector<std::uint32_t>& columns, std::uint8_t* to,
              const TBlendFunction& blend) {
    const unsigned c = blend.SourceConstantAlpha;
    if (blend.AlphaFormat != AC_SRC_ALPHA) {
        for (std::uint32_t column : columns) {
            BlendConstant(from + 4 * std::size_t{column}, to, c);
            to += 4;
        }
        return;
    }
    for (std::uint32_t column : columns) {
        const std::uint8_t* s = from + 4 * std::size_t{column};
        std::uint32_t word = 0;
        std::memcpy(&word, s, 4);
        // The two ends of the blend need no arithmetic: opaque copies, all-zero leaves.
        if (c == 255 && s[3] == 255) {
            std::memcpy(to, s, 4);
        } else if (word != 0) {
            BlendPremultiplied(s, to, c);
        }
        to += 4;
    }
}

}  // namespace

bool AlphaBlend(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, TBlendFunction blend) {
    TDeviceBitmap& target = dst.Bitmap();
    const TDeviceBitmap& source = src.Bitmap();
    if (blend.BlendOp != AC_SRC_OVER || !IsColor32(target) || !IsColor32(source)) return false;
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0 || srcX < 0 || srcY < 0)
        return false;
    if (std::int64_t{srcX} + srcWidth > source.Width() ||
        std::int64_t{srcY} + srcHeight > source.Height())
        return false;
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return true;

    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + width, target.Width());
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + height, target.Height());
    if (x0 >= x1 || y0 >= y1) return true;
    std::vector<std::uint32_t> columns;
    columns.reserve(static_cast<std::size_t>(x1 - x0));
    for (std::int64_t t = x0; t < x1; ++t) {
        columns.push_back(static_cast<std::uint32_t>(SourceIndex(t - x, width, srcX, srcWidth)));
    }
    // Within one bitmap the source rows come from a copy taken before any row changes.
    std::optional<TDibSection> snapshot;
    if (&source == &target) snapshot = source.Pixels();
    const TDibSection* from = snapshot ? &*snapshot : &source.Pixels();
    for (std::int64_t row = y0; row < y1; ++row) {
        const auto s = static_cast<std::uint32_t>(SourceIndex(row - y, height, srcY, srcHeight));
        BlendRow(from->RowAddress(s), columns,
                 target.Pixels().RowAddress(static_cast<std::uint32_t>(row)) + 4 * x0, blend);
    }
    return true;
}
