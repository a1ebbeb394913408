#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/raster/PixelView.h"

// Hands pixels to memory the raster layer does not own (a toolkit's image), so the code at
// the toolkit boundary never lays out pixels itself.
namespace raster {

enum class TFourthByte {
    // 32-bit words as they are, fourth byte included (pictures with alpha).
    Keep,
    // Colours made opaque: monochrome bits as black and white, indexes through the colour
    // table, the fourth byte set to 255.
    Opaque,
};

// Writes every row of the view, top first, as 32-bit words (blue in the low byte) into
// rows of target that lie stride bytes apart; each target row holds view.width words.
void ExportRows(const TPixelView& view, std::uint8_t* target, std::size_t stride,
                TFourthByte fourth);

}  // namespace raster
