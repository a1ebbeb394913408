#include "platform/raster/PackedRows.h"

#include <array>
#include <cstring>

namespace raster {

namespace {

// The eight pixels of a monochrome byte as eight bytes in memory order, leftmost (the high
// bit) first.
constexpr std::array<std::uint64_t, 256> MakeBitSpreads() {
    std::array<std::uint64_t, 256> table{};
    for (unsigned v = 0; v < 256; ++v) {
        std::uint64_t spread = 0;
        for (unsigned b = 0; b < 8; ++b) spread |= std::uint64_t{(v >> (7 - b)) & 1u} << (8 * b);
        table[v] = spread;
    }
    return table;
}

constexpr std::array<std::uint64_t, 256> kBitSpreads = MakeBitSpreads();

}  // namespace

const std::uint8_t* SpreadIndexes(const std::uint8_t* row, unsigned bits, std::uint32_t x0,
                                  std::uint32_t count, std::vector<std::uint8_t>& buffer) {
    const std::uint32_t perByte = 8 / bits;
    const std::uint32_t first = x0 / perByte;
    const std::uint32_t bytes = (x0 + count - 1) / perByte - first + 1;
    buffer.resize(std::size_t{bytes} * perByte);
    std::uint8_t* out = buffer.data();
    const std::uint8_t* from = row + first;
    if (bits == 1) {
        for (std::uint32_t i = 0; i < bytes; ++i)
            std::memcpy(out + 8 * std::size_t{i}, &kBitSpreads[from[i]], 8);
    } else {
        for (std::uint32_t i = 0; i < bytes; ++i) {
            out[2 * std::size_t{i}] = static_cast<std::uint8_t>(from[i] >> 4);
            out[2 * std::size_t{i} + 1] = static_cast<std::uint8_t>(from[i] & 0x0F);
        }
    }
    return out + x0 % perByte;
}

}  // namespace raster
