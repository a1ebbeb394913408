#pragma once

#include <cstdint>

#include "png/DecodeRowConverters.h"
#include "png/GreyRamp.h"

namespace png {

// Where one image row comes from when it is written: its row in PixelRows and, for colour
// types 4 and 6, its row in AlphaPlane (nullptr otherwise). LowBytePlane is never read, so
// 16-bit samples are written with low byte 0.
struct RowSource {
    const std::uint8_t* pixels = nullptr;
    const std::uint8_t* alpha = nullptr;
};

// Fills one PNG row of geometry.rowBytes bytes from an image row. geometry says which pixels
// of the row go into it: all of them in order for plain rows, every columnStep-th from
// firstColumn for an Adam7 pass.
using EncodeRowConverter = void (*)(const RowSource& source, std::uint8_t* destination,
                                    const RowGeometry& geometry, const GammaTable& encodeGamma);

// The converter for a colour type and bit depth with storage, plain or Adam7; nullptr for
// combinations without storage. A bit depth of 2 is written with the 4-bit converter, as the
// rows hold 4-bit indexes. identityGamma lets RGB rows skip the table.
EncodeRowConverter SelectEncodeConverter(std::uint8_t colorType, std::uint8_t bitDepth,
                                         bool interlaced, bool identityGamma);

}  // namespace png
