#pragma once

#include <cstdint>

// Pixels of 1, 2, 4 or 8 bits packed into bytes, the leftmost pixel in the high bits: the
// layout of device-independent bitmaps of up to 8 bits per pixel and of PNG image rows.
namespace raster {

// The value of pixel x of a packed row of the given bits per pixel.
inline unsigned PackedIndex(const std::uint8_t* row, std::uint32_t x, unsigned bits) {
    const unsigned perByte = 8 / bits;
    const unsigned shift = 8 - bits - bits * (x % perByte);
    return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

// Replaces pixel x of a packed row by value (masked to the pixel size).
inline void SetPackedIndex(std::uint8_t* row, std::uint32_t x, unsigned bits, unsigned value) {
    const unsigned perByte = 8 / bits;
    const unsigned shift = 8 - bits - bits * (x % perByte);
    const unsigned mask = ((1u << bits) - 1) << shift;
    std::uint8_t& byte = row[x / perByte];
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

}  // namespace raster
