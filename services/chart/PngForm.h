#pragma once

#include <optional>
#include <string>
#include <string_view>

// The layout of the PNG pictures the service writes. Every form shows the same black and
// white picture, so a client's decoder can be driven down each of its paths.
struct PngForm {
    enum class Colour { Gray, GrayAlpha, Palette, Rgb, Rgba };

    Colour colour = Colour::Gray;
    int bitDepth = 1;
    bool interlaced = false;  // Adam7

    // Accepts gray1, gray2, gray4, gray8, gray16, graya8, graya16, palette1, palette2,
    // palette4, palette8 (also "palette"), rgb8 ("rgb"), rgb16, rgba8 ("rgba"), rgba16,
    // each optionally followed by "-interlaced".
    static std::optional<PngForm> FromName(std::string_view name);
};
