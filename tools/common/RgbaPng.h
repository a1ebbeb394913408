#pragma once

#include <cstdint>
#include <vector>

namespace tools {

// An 8-bit RGBA PNG of straight RGBA rows (from the top), written by our own encoder with
// every row filter tried and the best compression, so the same pixels give the same bytes.
std::vector<std::uint8_t> EncodeRgbaPng(std::uint32_t width, std::uint32_t height,
                                        const std::vector<std::uint8_t>& rgba);

}  // namespace tools
