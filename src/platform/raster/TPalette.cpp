#include "platform/raster/TPalette.h"

#include <limits>

std::size_t TPalette::NearestIndex(TColor color) const {
    const int red = ColorRed(color);
    const int green = ColorGreen(color);
    const int blue = ColorBlue(color);
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int dr = entries_[i].red - red;
        const int dg = entries_[i].green - green;
        const int db = entries_[i].blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return best;
}
