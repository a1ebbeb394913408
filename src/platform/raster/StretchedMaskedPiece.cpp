#include "platform/raster/StretchedMaskedPiece.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/raster/Color32Pixels.h"
#include "platform/raster/MaskedPixel.h"
#include "platform/raster/MaskedRow.h"

namespace {

using raster::IsColor32;

bool Inside(const TDeviceBitmap& bitmap, int x, int y, int width, int height) {
    return x >= 0 && y >= 0 && static_cast<std::int64_t>(x) + width <= bitmap.Width() &&
           static_cast<std::int64_t>(y) + height <= bitmap.Height();
}

// The source offset under the centre of target offset t, when a span of sourceSize pixels is
// stretched over targetSize pixels.
int SourceOffset(std::int64_t t, std::int64_t targetSize, std::int64_t sourceSize) {
    if (targetSize == sourceSize) return static_cast<int>(t);
    return static_cast<int>((2 * t + 1) * sourceSize / (2 * targetSize));
}

// The target span [first, last) of a piece at position of size, cut to limit pixels.
struct TSpan {
    int first = 0;
    int last = 0;
};

TSpan Visible(int position, int size, std::uint32_t limit) {
    return TSpan{std::max(0, -position),
                 static_cast<int>(std::min<std::int64_t>(size, std::int64_t{limit} - position))};
}

// One source row of piece or mask laid out as the visible target columns see it.
void Gather(const std::uint8_t* row, const std::vector<std::uint32_t>& columns, std::uint8_t* out) {
    for (std::size_t k = 0; k < columns.size(); ++k)
        std::memcpy(out + 4 * k, row + 4 * std::size_t{columns[k]}, 4);
}

}  // namespace

bool BlendStretchedMaskedPiece(TDeviceBitmap& target, int targetX, int targetY, int width,
                               int height, const TDeviceBitmap& source, const TRect& sourceRect,
                               int maskX, int maskY, const TMaskedPieceParent& parent) {
    if (!IsColor32(target) || !IsColor32(source)) return false;
    if (parent.picture != nullptr && !IsColor32(*parent.picture)) return false;
    const TRect piece = sourceRect.Normalized();
    const int sw = piece.Width(), sh = piece.Height();
    if (!Inside(source, piece.left, piece.top, sw, sh) || !Inside(source, maskX, maskY, sw, sh))
        return false;
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return true;
    const TSpan columns = Visible(targetX, width, target.Width());
    const TSpan rows = Visible(targetY, height, target.Height());
    if (columns.first >= columns.last || rows.first >= rows.last) return true;
    std::vector<std::uint32_t> sourceColumns(
        static_cast<std::size_t>(columns.last - columns.first));
    for (int i = columns.first; i < columns.last; ++i)
        sourceColumns[static_cast<std::size_t>(i - columns.first)] =
            static_cast<std::uint32_t>(SourceOffset(i, width, sw));
    const std::size_t count = sourceColumns.size();
    // Stretched rows repeat their source row: each is gathered once and blended many times.
    std::vector<std::uint8_t> pieceRow(4 * count), maskRow(4 * count), shown;
    int gathered = -1;
    for (int j = rows.first; j < rows.last; ++j) {
        const int row = SourceOffset(j, height, sh);
        if (row != gathered) {
            Gather(source.Pixels().RowAddress(static_cast<std::uint32_t>(piece.top + row)) +
                       4 * static_cast<std::size_t>(piece.left),
                   sourceColumns, pieceRow.data());
            Gather(source.Pixels().RowAddress(static_cast<std::uint32_t>(maskY + row)) +
                       4 * static_cast<std::size_t>(maskX),
                   sourceColumns, maskRow.data());
            gathered = row;
        }
        const int y = targetY + j, x0 = targetX + columns.first;
        std::uint8_t* t = target.Pixels().RowAddress(static_cast<std::uint32_t>(y)) +
                          4 * static_cast<std::size_t>(x0);
        if (parent.picture == nullptr) {
            raster::BlendMaskedRow(t, pieceRow.data(), maskRow.data(), count);
            continue;
        }
        shown.resize(4 * count);
        for (std::size_t k = 0; k < count; ++k)
            std::memcpy(
                shown.data() + 4 * k,
                raster::PieceOrParent(pieceRow.data() + 4 * k, parent, x0 + static_cast<int>(k), y),
                4);
        raster::BlendMaskedRow(t, shown.data(), maskRow.data(), count);
        for (std::size_t k = 0; k < count; ++k) t[4 * k + 3] = 255;
    }
    return true;
}
