#include "png/GreyRamp.h"

namespace png {

std::unique_ptr<TPalette> MakeGreyRamp(std::size_t entryCount, const GammaTable& decodeGamma) {
    auto palette = std::make_unique<TPalette>(entryCount);
    const std::size_t last = entryCount > 1 ? entryCount - 1 : 1;
    for (std::size_t i = 0; i < entryCount; ++i) {
        // Multiply-divide rounding to nearest, as the platform's MulDiv does.
        const std::size_t level = (i * 255 + last / 2) / last;
        const std::uint8_t grey = decodeGamma[level > 255 ? 255 : level];
        palette->SetEntry(i, {grey, grey, grey, 0});
    }
    return palette;
}

}  // namespace png
