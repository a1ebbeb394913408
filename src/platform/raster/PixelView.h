#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDeviceBitmap.h"

// Row access to pixel memory of any supported layout, shared by the blits and the format
// conversions. This is the one place that knows how pixels lie in memory.
namespace raster {

// What the values of a row mean: colour words (0x00RRGGBB, blue in the low byte, as 32-bit
// pixels lie in memory), bits of a monochrome bitmap, or colour-table indexes.
enum class TPixelDomain { Color, Mono, Index };

constexpr std::uint32_t ColorWord(TColor color) {
    return (static_cast<std::uint32_t>(ColorRed(color)) << 16) |
           (static_cast<std::uint32_t>(ColorGreen(color)) << 8) | ColorBlue(color);
}
constexpr TColor WordColor(std::uint32_t word) {
    return MakeColor(static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 8),
                     static_cast<std::uint8_t>(word));
}
constexpr std::uint32_t QuadWord(const TRgbQuad& quad) {
    return (static_cast<std::uint32_t>(quad.red) << 16) |
           (static_cast<std::uint32_t>(quad.green) << 8) | quad.blue;
}
constexpr std::uint32_t kColorMask = 0x00FFFFFF;

struct TPixelView {
    std::uint8_t* bits = nullptr;
    std::size_t stride = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool topDown = false;
    std::uint16_t bitCount = 0;
    const TRgbQuad* colorTable = nullptr;
    std::size_t colorCount = 0;
    TPixelDomain domain = TPixelDomain::Color;

    // Image row r counted from the top.
    std::uint8_t* Row(std::uint32_t r) const {
        return bits + stride * (topDown ? r : height - 1 - r);
    }
    // Colour word of a colour-table index; indexes beyond the table are black.
    std::uint32_t IndexColor(std::uint32_t index) const {
        return index < colorCount ? QuadWord(colorTable[index]) : 0;
    }
};

TPixelView ViewOf(TDeviceBitmap& bitmap);
// A view of caller memory described by a header: nothing when the header describes no
// supported uncompressed layout. The colour table is info's, of clrUsed entries (all
// 2^bitCount when clrUsed is 0).
std::optional<TPixelView> ViewOf(const void* bits, const TBitmapInfo& info);

// Reads count values of row r from column x0, in the view's own domain.
void ReadRow(const TPixelView& view, std::uint32_t r, std::uint32_t x0, std::uint32_t count,
             std::uint32_t* out);
// Writes count values to row r from column x0; values are masked to the pixel size.
void WriteRow(const TPixelView& view, std::uint32_t r, std::uint32_t x0, std::uint32_t count,
              const std::uint32_t* values);

}  // namespace raster
