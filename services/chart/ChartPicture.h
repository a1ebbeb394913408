#pragma once

#include <cstdint>
#include <vector>

class QrSymbol;

// A two-colour picture of a QR symbol, one byte per pixel, 1 for dark.
class ChartPicture {
public:
    // Draws the symbol with a quiet zone of margin modules, each module a square of the
    // largest whole number of pixels that fits the requested size, centred on white. When
    // not even one pixel per module fits, the picture grows just enough to hold the symbol
    // and its quiet zone.
    static ChartPicture Draw(const QrSymbol& symbol, int width, int height, int margin);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsDark(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)] != 0;
    }

private:
    ChartPicture(int width, int height);

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};
