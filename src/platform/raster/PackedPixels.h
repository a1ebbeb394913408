#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/raster/RasterTypes.h"

// Single pixels of device-independent bitmap rows (and of PNG image rows, which share their
// layout): values of 1, 2, 4 or 8 bits packed into bytes, the leftmost pixel in the high
// bits, and 24-bit colours stored blue, green, red.
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

// Pixel x of a 24-bit row as a colour.
inline TColor RgbPixel(const std::uint8_t* row, std::uint32_t x) {
    const std::uint8_t* pixel = row + 3 * static_cast<std::size_t>(x);
    return MakeColor(pixel[2], pixel[1], pixel[0]);
}

// Replaces pixel x of a 24-bit row by the colour.
inline void SetRgbPixel(std::uint8_t* row, std::uint32_t x, TColor color) {
    std::uint8_t* pixel = row + 3 * static_cast<std::size_t>(x);
    pixel[0] = ColorBlue(color);
    pixel[1] = ColorGreen(color);
    pixel[2] = ColorRed(color);
}

}  // namespace raster
