#include "platform/raster/TransparentBlit.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/raster/BlitKernels.h"
#include "platform/raster/PackedRows.h"
#include "platform/raster/PixelView.h"

using namespace raster;

namespace {

std::int64_t SourceIndex(std::int64_t t, std::int64_t dstSize, std::int64_t srcStart,
                         std::int64_t srcSize) {
    if (dstSize == srcSize) return srcStart + t;  // unscaled: no division
    return srcStart + (2 * t + 1) * srcSize / (2 * dstSize);
}

// For every source value of an indexed source, what it does to a destination word d:
// (d & keep) | put. Key colours keep the destination's colour, the rest put their own.
struct TKeyTables {
    std::vector<std::uint32_t> keep;
    std::vector<std::uint32_t> put;
};

TKeyTables TablesFor(const TPixelView& view, std::uint32_t key) {
    const std::size_t count = std::size_t{1} << view.bitCount;
    TKeyTables tables{std::vector<std::uint32_t>(count), std::vector<std::uint32_t>(count)};
    for (std::uint32_t v = 0; v < count; ++v) {
        const std::uint32_t word = view.IndexColor(v);
        tables.keep[v] = word == key ? kColorMask : 0;
        tables.put[v] = word == key ? 0 : word;
    }
    return tables;
}

// An unscaled row of 8-bit indexes: sixteen at a time where the processor allows, otherwise
// two table reads per pixel and no decisions.
void KeyBytes(const std::uint8_t* from, const TKeyTables& t, const kernels::TWordTable& words,
              std::uint32_t key, std::uint32_t count, std::uint8_t* to) {
    const auto done =
        static_cast<std::uint32_t>(kernels::KeyFromBytes(from, words, key, count, to));
    const std::uint32_t* keep = t.keep.data();
    const std::uint32_t* put = t.put.data();
    to += 4 * std::size_t{done};
    for (std::uint32_t i = done; i < count; ++i, to += 4) {
        std::uint32_t d = 0;
        std::memcpy(&d, to, 4);
        d = (d & keep[from[i]]) | put[from[i]];
        std::memcpy(to, &d, 4);
    }
}

// An unscaled row of indexes. Monochrome bytes go straight through the wide loops where the
// row starts on a byte; other indexes of fewer than 8 bits (and what the wide loops leave) are
// spread to bytes first, since the byte loop is the fast one.
void KeyIndexRow(const TPixelView& src, std::uint32_t r, std::uint32_t first, std::uint32_t count,
                 const TKeyTables& t, const kernels::TWordTable& words, std::uint32_t key,
                 std::vector<std::uint8_t>& spread, std::uint8_t* to) {
    const std::uint8_t* row = src.Row(r);
    if (src.bitCount == 8) {
        KeyBytes(row + first, t, words, key, count, to);
        return;
    }
    std::uint32_t done = 0;
    if (src.bitCount == 1 && first % 8 == 0) {
        done = static_cast<std::uint32_t>(kernels::KeyFromMono(row + first / 8, words.Words()[0],
                                                               words.Words()[1], key, count, to));
    }
    if (done == count) return;
    KeyBytes(SpreadIndexes(row, src.bitCount, first + done, count - done, spread), t, words, key,
             count - done, to + 4 * std::size_t{done});
}

// Any other row: source values by column (already read), then the same rule.
void KeyValues(const std::uint32_t* values, const std::vector<std::uint32_t>& columns,
               const TKeyTables* tables, std::uint32_t key, std::uint8_t* to) {
    for (std::uint32_t column : columns) {
        std::uint32_t d = 0;
        std::memcpy(&d, to, 4);
        const std::uint32_t v = values[column];
        if (tables != nullptr) {
            d = (d & tables->keep[v]) | tables->put[v];
        } else {
            const std::uint32_t word = v & kColorMask;
            d = word == key ? d & kColorMask : word;
        }
        std::memcpy(to, &d, 4);
        to += 4;
    }
}

}  // namespace

bool TransparentDIBits(TDeviceContext& dst, int x, int y, int width, int height, int srcX, int srcY,
                       int srcWidth, int srcHeight, const void* bits, const TBitmapInfo& info,
                       TColor transparent) {
    TDeviceBitmap& target = dst.Bitmap();
    if (target.BitCount() != 32 || target.IsIndexed() || target.IsMonochrome()) return false;
    const auto src = ViewOf(bits, info);
    if (!src || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0 || srcX < 0 || srcY < 0)
        return false;
    if (std::int64_t{srcX} + srcWidth > src->width || std::int64_t{srcY} + srcHeight > src->height)
        return false;
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return true;
    // srcY of a bottom-up bitmap counts from its bottom row.
    const std::int64_t top = src->topDown ? srcY : std::int64_t{src->height} - srcY - srcHeight;

    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + width, target.Width());
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + height, target.Height());
    if (x0 >= x1 || y0 >= y1) return true;
    std::vector<std::uint32_t> columns;
    for (std::int64_t t = x0; t < x1; ++t) {
        columns.push_back(static_cast<std::uint32_t>(SourceIndex(t - x, width, srcX, srcWidth)));
    }
    const auto first = columns.front();
    const auto span = columns.back() - first + 1;
    for (auto& column : columns) column -= first;
    const bool inOrder = span == columns.size();

    const std::uint32_t key = ColorWord(transparent);
    const bool indexed = src->domain == TPixelDomain::Index;
    const TKeyTables tables = indexed ? TablesFor(*src, key) : TKeyTables{};
    std::vector<std::uint32_t> colours;
    for (std::uint32_t v = 0; indexed && v < tables.keep.size(); ++v)
        colours.push_back(src->IndexColor(v));
    const kernels::TWordTable words(colours.data(), colours.size());
    std::vector<std::uint32_t> values(span);
    std::vector<std::uint8_t> spread;
    for (std::int64_t row = y0; row < y1; ++row) {
        const auto r = static_cast<std::uint32_t>(SourceIndex(row - y, height, top, srcHeight));
        std::uint8_t* to = target.Pixels().RowAddress(static_cast<std::uint32_t>(row)) + 4 * x0;
        if (inOrder && indexed) {
            KeyIndexRow(*src, r, first, span, tables, words, key, spread, to);
            continue;
        }
        ReadRow(*src, r, first, span, values.data());
        KeyValues(values.data(), columns, indexed ? &tables : nullptr, key, to);
    }
    return true;
}
