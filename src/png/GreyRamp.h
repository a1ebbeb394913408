#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/raster/TPalette.h"

namespace png {

using GammaTable = std::array<std::uint8_t, 256>;

// A grey palette of n entries (2, 4, 16 or 256) spread evenly from black to white, each level
// passed through the decode gamma table.
std::unique_ptr<TPalette> MakeGreyRamp(std::size_t entryCount, const GammaTable& decodeGamma);

}  // namespace png
