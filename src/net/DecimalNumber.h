#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A decimal integer with an optional sign and nothing else; nothing when the text is not one
// or its value does not fit, so that a number from a peer never wraps around.
std::optional<std::int64_t> ParseDecimal(std::string_view text);
