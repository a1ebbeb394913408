#pragma once

#include <cstddef>
#include <cstdint>

#include "png/GreyRamp.h"

namespace png {

// Where one decoded image row goes: its row in PixelRows, in LowBytePlane (16-bit images)
// and in AlphaPlane (colour types 4 and 6); absent planes are nullptr.
struct RowTarget {
    std::uint8_t* pixels = nullptr;
    std::uint8_t* lowBytes = nullptr;
    std::uint8_t* alpha = nullptr;
};

// The pixels of one PNG row: pixelCount of them, the k-th placed at image column
// firstColumn + k * columnStep (0 and 1 for non-interlaced rows).
struct RowGeometry {
    std::uint32_t pixelCount = 0;
    std::uint32_t firstColumn = 0;
    std::uint32_t columnStep = 1;
    std::size_t rowBytes = 0;
};

using DecodeRowConverter = void (*)(const std::uint8_t* source, const RowTarget& target,
                                    const RowGeometry& geometry, const GammaTable& decodeGamma);

// The converter for a colour type and bit depth with storage, in its plain or Adam7 form;
// nullptr for combinations without storage. identityGamma lets RGB rows skip the table.
DecodeRowConverter SelectDecodeConverter(std::uint8_t colorType, std::uint8_t bitDepth,
                                         bool interlaced, bool identityGamma);

}  // namespace png
