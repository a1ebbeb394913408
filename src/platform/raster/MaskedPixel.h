#pragma once

#include <cstdint>

#include "platform/raster/PixelBlends.h"

// The per-pixel rule of masked pieces, shared by the unscaled and the stretched piece.
namespace raster {

// The pixel a masked piece shows at target position (x, y): its own, or for a magenta piece
// pixel (exactly 0x00FF00FF) over a parent picture, the parent's pixel there when it lies in
// the picture.
inline const std::uint8_t* PieceOrParent(const std::uint8_t* piece,
                                         const TMaskedPieceParent& parent, int x, int y) {
    if (parent.picture == nullptr) return piece;
    if (piece[0] != 0xFF || piece[1] != 0 || piece[2] != 0xFF || piece[3] != 0) return piece;
    const int px = x - parent.originX;
    const int py = y - parent.originY;
    if (px < 0 || py < 0 || px >= static_cast<int>(parent.picture->Width()) ||
        py >= static_cast<int>(parent.picture->Height()))
        return piece;
    return parent.picture->Pixels().RowAddress(static_cast<std::uint32_t>(py)) +
           4 * static_cast<std::size_t>(px);
}

// ((target - shown) * mask + shown * 256) div 256 per colour channel, written as
// target * mask + shown * (256 - mask), which is never negative; over a parent the fourth
// byte becomes 255.
inline void BlendMaskedPixel(std::uint8_t* target, const std::uint8_t* shown,
                             const std::uint8_t* mask, bool overParent) {
    for (int c = 0; c < 3; ++c)
        target[c] =
            static_cast<std::uint8_t>((target[c] * mask[c] + shown[c] * (256 - mask[c])) >> 8);
    if (overParent) target[3] = 255;
}

}  // namespace raster
