#pragma once

#include <cstdint>
#include <vector>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TDeviceContext.h"
#include "platform/raster/TDibSection.h"

// A picture whose pixels carry straight (not premultiplied) alpha beside their colour, in the
// layouts the PNG codec decodes to.
struct TStraightAlphaPicture {
    enum class TKind {
        Rgb,      // 24-bit pixels (blue, green, red) with an alpha byte each
        Grey,     // 8-bit grey samples, the sample itself the colour, with an alpha byte each
        Indexed,  // 1, 2, 4 or 8-bit indexes; colour and alpha come from the index tables
    };
    TKind kind = TKind::Rgb;
    const TDibSection* pixels = nullptr;
    // Rgb and Grey: one byte per pixel, rows top-down, width bytes per row.
    const std::uint8_t* alpha = nullptr;
    // Indexed: the bits per index as stored (2-bit indexes may be stored as 4), the colour and
    // alpha of each index, and how many indexes have a colour.
    unsigned indexBits = 8;
    const TRgbQuad* indexColors = nullptr;
    const std::uint8_t* indexAlpha = nullptr;
    std::uint32_t indexCount = 0;
};

// Blends the picture onto the 32-bit colour bitmap of dst: destination pixel (left + i,
// top + j) takes source pixel (columns[i], rows[j]), where the caller chooses the sampling.
// Each colour channel d becomes (c * a + (255 - a) * d + 255) div 256 (so alpha 0 leaves it
// and 255 gives c); the fourth byte stays. The destination area must lie inside the bitmap
// and the maps inside the picture. Answers false, changing no pixel, when an index at or
// above indexCount is met, or for another destination kind.
bool BlendStraightAlpha(TDeviceContext& dst, int left, int top, const TStraightAlphaPicture& picture,
                        const std::vector<std::uint32_t>& columns, const std::vector<std::uint32_t>& rows);
