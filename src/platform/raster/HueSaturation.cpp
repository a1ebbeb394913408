#include "platform/raster/HueSaturation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/raster/PixelView.h"

namespace {

struct THsl {
    double hue = 0;  // degrees, 0 <= hue < 360
    double saturation = 0;
    double lightness = 0;
};

THsl ToHsl(double r, double g, double b) {
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    THsl hsl;
    hsl.lightness = (high + low) / 2;
    const double chroma = high - low;
    if (chroma <= 0) return hsl;
    hsl.saturation = chroma / (1 - std::abs(2 * hsl.lightness - 1));
    double sector = 0;
    if (high == r)
        sector = std::fmod((g - b) / chroma + 6, 6);
    else if (high == g)
        sector = (b - r) / chroma + 2;
    else
        sector = (r - g) / chroma + 4;
    hsl.hue = 60 * sector;
    return hsl;
}

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value * 255), 0L, 255L));
}

TColor FromHsl(const THsl& hsl, TColor fourthByte) {
    const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double sector = hsl.hue / 60;
    const double second = chroma * (1 - std::abs(std::fmod(sector, 2) - 1));
    const double base = hsl.lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(sector) % 6) {
        case 0:
            r = chroma, g = second;
            break;
        case 1:
            r = second, g = chroma;
            break;
        case 2:
            g = chroma, b = second;
            break;
        case 3:
            g = second, b = chroma;
            break;
        case 4:
            r = second, b = chroma;
            break;
        default:
            r = chroma, b = second;
            break;
    }
    return MakeColor(Channel(r + base), Channel(g + base), Channel(b + base)) | fourthByte;
}

}  // namespace

TColor ShiftHueSaturation(TColor color, int hueOffset, int saturation) {
    const int turn = ((hueOffset % 360) + 360) % 360;
    if (turn == 0 && saturation == 0) return color;
    THsl hsl = ToHsl(ColorRed(color) / 255.0, ColorGreen(color) / 255.0, ColorBlue(color) / 255.0);
    hsl.hue = std::fmod(hsl.hue + turn, 360.0);
    hsl.saturation = std::clamp(hsl.saturation * (100.0 + saturation) / 100.0, 0.0, 1.0);
    return FromHsl(hsl, color & 0xFF000000u);
}

bool ShiftHueSaturationRect(TDeviceBitmap& target, const TRect& rect, int hueOffset, int saturation,
                            TColor keyColor) {
    const raster::TPixelView view = raster::ViewOf(target);
    if (view.domain != raster::TPixelDomain::Color || (view.bitCount != 24 && view.bitCount != 32))
        return false;
    const TRect n = rect.Normalized();
    const int left = std::max(n.left, 0), right = std::min(n.right, static_cast<int>(view.width));
    const int top = std::max(n.top, 0), bottom = std::min(n.bottom, static_cast<int>(view.height));
    if (left >= right || top >= bottom) return true;
    const std::uint32_t key = raster::ColorWord(keyColor);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(right - left));
    for (int y = top; y < bottom; ++y) {
        const auto r = static_cast<std::uint32_t>(y);
        raster::ReadRow(view, r, static_cast<std::uint32_t>(left),
                        static_cast<std::uint32_t>(row.size()), row.data());
        for (std::uint32_t& word : row) {
            if ((word & raster::kColorMask) == key) continue;
            const TColor shifted = ShiftHueSaturation(raster::WordColor(word & raster::kColorMask),
                                                      hueOffset, saturation);
            word = (word & ~raster::kColorMask) | raster::ColorWord(shifted);
        }
        raster::WriteRow(view, r, static_cast<std::uint32_t>(left),
                         static_cast<std::uint32_t>(row.size()), row.data());
    }
    return true;
}
