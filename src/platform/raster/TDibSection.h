#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/raster/TBitmapInfo.h"

// The pixel memory of a device-independent bitmap: |height| rows of RowStride() bytes, laid
// out bottom-up for a positive header height and top-down for a negative one. The memory is
// zero-filled at creation. The caller bounds the size before creating one.
class TDibSection {
public:
    // Raises std::length_error when the header describes no representable size.
    explicit TDibSection(const TBitmapInfoHeader& header);

    std::uint32_t Width() const { return width_; }
    std::uint32_t Height() const { return height_; }
    std::uint16_t BitCount() const { return bitCount_; }
    bool IsTopDown() const { return topDown_; }
    std::uint32_t RowStride() const { return rowStride_; }

    std::uint8_t* Bits() { return bits_.data(); }
    const std::uint8_t* Bits() const { return bits_.data(); }
    std::size_t ByteCount() const { return bits_.size(); }

    // Start of image row r counted from the top (r < Height()).
    std::uint8_t* RowAddress(std::uint32_t r);
    const std::uint8_t* RowAddress(std::uint32_t r) const;

    // Copies the pixels both sections have, from the top-left corner: for each row both have
    // (counted from the top) the shorter of the two row strides in bytes. The rest stays.
    void CopyTopLeftFrom(const TDibSection& source);

    // Byte count of the pixel memory for a header, or 0 when it cannot be represented.
    static std::size_t RequiredBytes(const TBitmapInfoHeader& header);

private:
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::uint16_t bitCount_ = 0;
    bool topDown_ = false;
    std::uint32_t rowStride_ = 0;
    std::vector<std::uint8_t> bits_;
};
