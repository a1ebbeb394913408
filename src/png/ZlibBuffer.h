#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace png {

// One whole zlib stream (window bits 15) compressed or inflated in memory. On failure the
// result is false and errorText holds zlib's message.
bool DeflateBuffer(std::span<const std::uint8_t> data, int level, std::vector<std::uint8_t>& output,
                   std::string& errorText);
// The errorText of an inflation stopped by its output limit.
inline constexpr std::string_view kInflateLimitText = "inflated data too large";

// Inflation stops with false once the output would exceed maxOutput bytes.
bool InflateBuffer(std::span<const std::uint8_t> data, std::size_t maxOutput,
                   std::vector<std::uint8_t>& output, std::string& errorText);

}  // namespace png
