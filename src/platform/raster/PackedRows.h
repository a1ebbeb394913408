#pragma once

#include <cstdint>
#include <vector>

// Rows of 1 or 4-bit indexes spread to one byte per pixel, so that the byte-wise lookups of
// the blits (one table read, or one byte permute, per pixel) serve every indexed depth.
namespace raster {

// Spreads the whole bytes that hold pixels x0 .. x0 + count - 1 (count > 0) of a row of bits
// (1 or 4) per pixel into buffer, one value per byte, and answers where pixel x0's value
// lies in it. The buffer is reused from row to row.
const std::uint8_t* SpreadIndexes(const std::uint8_t* row, unsigned bits, std::uint32_t x0,
                                  std::uint32_t count, std::vector<std::uint8_t>& buffer);

}  // namespace raster
