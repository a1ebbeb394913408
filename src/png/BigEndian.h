#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Bounds-checked big-endian access to byte buffers read from a PNG stream.
namespace png {

inline std::optional<std::uint32_t> ReadU32BE(std::span<const std::uint8_t> bytes,
                                              std::size_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < 4) return std::nullopt;
    return (static_cast<std::uint32_t>(bytes[offset]) << 24) |
           (static_cast<std::uint32_t>(bytes[offset + 1]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 8) |
           static_cast<std::uint32_t>(bytes[offset + 3]);
}

inline std::optional<std::uint16_t> ReadU16BE(std::span<const std::uint8_t> bytes,
                                              std::size_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < 2) return std::nullopt;
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

inline void WriteU32BE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 24);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 16);
    bytes[offset + 2] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 3] = static_cast<std::uint8_t>(value);
}

inline void WriteU16BE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

}  // namespace png
