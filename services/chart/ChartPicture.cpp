#include "ChartPicture.h"

#include <algorithm>

#include "QrSymbol.h"

ChartPicture::ChartPicture(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

ChartPicture ChartPicture::Draw(const QrSymbol& symbol, int width, int height, int margin) {
    const int modules = symbol.Size() + 2 * margin;
    int scale = std::min(width, height) / modules;
    if (scale == 0) {
        scale = 1;
        width = std::max(width, modules);
        height = std::max(height, modules);
    }
    ChartPicture picture(width, height);
    const int left = (width - modules * scale) / 2 + margin * scale;
    const int top = (height - modules * scale) / 2 + margin * scale;
    for (int my = 0; my < symbol.Size(); ++my) {
        for (int mx = 0; mx < symbol.Size(); ++mx) {
            if (!symbol.IsDark(mx, my)) {
                continue;
            }
            for (int y = top + my * scale; y < top + (my + 1) * scale; ++y) {
                std::uint8_t* row = picture.pixels_.data() +
                                    static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
                std::fill(row + left + mx * scale, row + left + (mx + 1) * scale, std::uint8_t{1});
            }
        }
    }
    return picture;
}
