#include "platform/raster/HalftonePalette.h"

#include <array>
#include <cstdint>

namespace {

// The 16 colours every display offers, after black and white (which lead the palette).
constexpr std::array<TPaletteEntry, 14> kDisplayColors{{
    {128, 0, 0, 0},
    {0, 128, 0, 0},
    {128, 128, 0, 0},
    {0, 0, 128, 0},
    {128, 0, 128, 0},
    {0, 128, 128, 0},
    {192, 192, 192, 0},
    {128, 128, 128, 0},
    {255, 0, 0, 0},
    {0, 255, 0, 0},
    {255, 255, 0, 0},
    {0, 0, 255, 0},
    {255, 0, 255, 0},
    {0, 255, 255, 0},
}};

constexpr std::size_t kCubeSteps = 6;
constexpr std::uint8_t kCubeStep = 51;
constexpr std::size_t kPaletteSize = 256;

}  // namespace

TPalette CreateHalftonePalette() {
    std::vector<TPaletteEntry> entries;
    entries.reserve(kPaletteSize);
    entries.push_back({0, 0, 0, 0});
    entries.push_back({255, 255, 255, 0});
    entries.insert(entries.end(), kDisplayColors.begin(), kDisplayColors.end());
    for (std::size_t r = 0; r < kCubeSteps; ++r) {
        for (std::size_t g = 0; g < kCubeSteps; ++g) {
            for (std::size_t b = 0; b < kCubeSteps; ++b) {
                entries.push_back({static_cast<std::uint8_t>(r * kCubeStep),
                                   static_cast<std::uint8_t>(g * kCubeStep),
                                   static_cast<std::uint8_t>(b * kCubeStep), 0});
            }
        }
    }
    // The remaining slots form a grey ramp between the cube's grey steps.
    const std::size_t greyCount = kPaletteSize - entries.size();
    for (std::size_t i = 0; i < greyCount; ++i) {
        const auto level = static_cast<std::uint8_t>((i + 1) * 255 / (greyCount + 1));
        entries.push_back({level, level, level, 0});
    }
    return TPalette(std::move(entries));
}
