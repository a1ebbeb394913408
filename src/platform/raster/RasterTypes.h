#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR values: red in the low byte, as the picture framework hands them.
using TColor = std::uint32_t;

constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
           (static_cast<TColor>(blue) << 16);
}
constexpr std::uint8_t ColorRed(TColor color) {
    return static_cast<std::uint8_t>(color & 0xFF);
}
constexpr std::uint8_t ColorGreen(TColor color) {
    return static_cast<std::uint8_t>((color >> 8) & 0xFF);
}
constexpr std::uint8_t ColorBlue(TColor color) {
    return static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

// One colour-table entry of a device-independent bitmap, in its memory order.
struct TRgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(const TRgbQuad&, const TRgbQuad&) = default;
};

// One entry of a logical palette, in its memory order.
struct TPaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};
