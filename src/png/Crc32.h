#pragma once

#include <cstddef>
#include <cstdint>

namespace png {

// The CRC-32 of the PNG standard (ISO 3309 / ITU-T V.42). Crc32Update works on the running
// register: start it at kCrcStart and complement the result to get a chunk's CRC.
inline constexpr std::uint32_t kCrcStart = 0xFFFFFFFF;

std::uint32_t Crc32Update(std::uint32_t crc, const std::uint8_t* bytes, std::size_t count);

}  // namespace png
