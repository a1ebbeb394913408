#include "platform/raster/RgbRows.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/BlitKernels.h"

namespace raster {

void CopyRgbRows(const TPixelView& dst, const TPixelView& src, const TBlitGeometry& g,
                 std::uint32_t x0, std::uint32_t srcX0, std::uint32_t count) {
    const std::int64_t y0 = std::max<std::int64_t>(g.y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(g.y + g.height, dst.height);
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t r = g.srcY + (y - g.y);
        if (r < 0 || r >= src.height) continue;
        const std::uint8_t* from = src.Row(static_cast<std::uint32_t>(r)) + 3 * std::size_t{srcX0};
        std::uint8_t* to = dst.Row(static_cast<std::uint32_t>(y)) + 4 * std::size_t{x0};
        std::size_t x = kernels::WordsFromRgb(from, count, to);
        for (; x < count; ++x) {
            const std::uint8_t* p = from + 3 * x;
            const std::uint32_t word =
                p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
            std::memcpy(to + 4 * x, &word, 4);
        }
    }
}

}  // namespace raster
