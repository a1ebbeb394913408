#pragma once

#include <cstddef>

// Bounds the raster layer puts on what a caller can make it allocate.
namespace raster {

// Pixel memory of one bitmap. A drawing rectangle or a picture comes from outside (a
// downloaded PNG, a window size), so a hostile size must fail cleanly instead of exhausting
// memory; 256 MiB holds an 8192 x 8192 32-bit bitmap.
inline constexpr std::size_t kMaxBitmapBytes = std::size_t{256} * 1024 * 1024;

}  // namespace raster
