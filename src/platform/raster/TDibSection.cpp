#include "platform/raster/TDibSection.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "core/CheckedMath.h"

namespace {

std::uint32_t AbsoluteHeight(std::int32_t height) {
    return height < 0 ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(height))
                      : static_cast<std::uint32_t>(height);
}

}  // namespace

std::size_t TDibSection::RequiredBytes(const TBitmapInfoHeader& header) {
    if (header.width < 0) return 0;
    const auto stride =
        TBitmapInfo::RowStrideFor(header.bitCount, static_cast<std::uint32_t>(header.width));
    if (!stride) return 0;
    const auto total = CheckedMul<std::size_t>(*stride, AbsoluteHeight(header.height));
    return total.value_or(0);
}

TDibSection::TDibSection(const TBitmapInfoHeader& header)
    : width_(header.width < 0 ? 0 : static_cast<std::uint32_t>(header.width)),
      height_(AbsoluteHeight(header.height)),
      bitCount_(header.bitCount),
      topDown_(header.height < 0) {
    if (header.width < 0) throw std::length_error("negative bitmap width");
    const auto stride = TBitmapInfo::RowStrideFor(bitCount_, width_);
    if (!stride) throw std::length_error("bitmap row too large");
    rowStride_ = *stride;
    const auto total = CheckedMul<std::size_t>(rowStride_, height_);
    if (!total) throw std::length_error("bitmap too large");
    bits_.assign(*total, 0);
}

std::uint8_t* TDibSection::RowAddress(std::uint32_t r) {
    const std::uint32_t memoryRow = topDown_ ? r : height_ - 1 - r;
    return bits_.data() + static_cast<std::size_t>(rowStride_) * memoryRow;
}

const std::uint8_t* TDibSection::RowAddress(std::uint32_t r) const {
    return const_cast<TDibSection*>(this)->RowAddress(r);
}

void TDibSection::CopyTopLeftFrom(const TDibSection& source) {
    const std::uint32_t rows = std::min(height_, source.height_);
    const std::size_t bytes = std::min(rowStride_, source.rowStride_);
    for (std::uint32_t r = 0; r < rows; ++r)
        std::memcpy(RowAddress(r), source.RowAddress(r), bytes);
}
