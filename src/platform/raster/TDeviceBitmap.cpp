#include "platform/raster/TDeviceBitmap.h"

#include <algorithm>

namespace {

std::vector<TRgbQuad> TableFor(TBitmapKind kind, const TBitmapInfoHeader& header,
                               std::vector<TRgbQuad> table) {
    if (kind == TBitmapKind::Monochrome) return {TRgbQuad{0, 0, 0, 0}, TRgbQuad{255, 255, 255, 0}};
    if (kind != TBitmapKind::Section || header.bitCount > 8) return {};
    table.resize(std::size_t{1} << header.bitCount);
    return table;
}

}  // namespace

TDeviceBitmap::TDeviceBitmap(TBitmapKind kind, const TBitmapInfoHeader& header,
                             std::vector<TRgbQuad> colorTable)
    : kind_(kind), pixels_(header), colorTable_(TableFor(kind, header, std::move(colorTable))) {}

std::size_t TDeviceBitmap::SetColorTable(const std::vector<TRgbQuad>& entries) {
    if (!IsIndexed()) return 0;
    const std::size_t count = std::min(entries.size(), colorTable_.size());
    std::copy_n(entries.begin(), count, colorTable_.begin());
    return count;
}

TBitmapInfoHeader TDeviceBitmap::Header() const {
    TBitmapInfoHeader header;
    header.size = TBitmapInfoHeader::kSize;
    header.width = static_cast<std::int32_t>(Width());
    header.height =
        IsTopDown() ? -static_cast<std::int32_t>(Height()) : static_cast<std::int32_t>(Height());
    header.planes = 1;
    header.bitCount = BitCount();
    header.compression = TBitmapInfoHeader::kCompressionRgb;
    header.clrUsed = static_cast<std::uint32_t>(colorTable_.size());
    return header;
}
