#pragma once

#include <cstddef>
#include <cstdint>

// The masked-piece rule over a whole row of pixels.
namespace raster {

// For count pixels, every colour channel of target becomes
// (target * mask + shown * (256 - mask)) div 256; the fourth bytes of target stay. The three
// rows are contiguous 32-bit pixels and do not overlap the target.
void BlendMaskedRow(std::uint8_t* target, const std::uint8_t* shown, const std::uint8_t* mask,
                    std::size_t count);

}  // namespace raster
