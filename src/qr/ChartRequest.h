#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TStream;

// Error-correction level index, in the order of the level list: 0 = L, 1 = M, 2 = Q, 3 = H.
using EcLevel = int;

constexpr EcLevel kEcLevelCount = 4;

// The level's letter as the chart service expects it, or nullptr outside 0..3.
const char* EcLevelLetter(EcLevel level);

// Escapes bytes for an application/x-www-form-urlencoded value: the 72 characters
// ! $ ' ( ) * - . 0-9 @ A-Z _ a-z pass unchanged, the blank becomes "+", every other byte
// becomes "%" and two capital hexadecimal digits.
std::string FormEncode(std::string_view bytes);

// The chart service address that asks for a QR picture of utf8Text at the given size and
// level. level must lie in 0..3.
std::string ChartRequestAddress(std::uint16_t width, std::uint16_t height, EcLevel level,
                                std::string_view utf8Text);

// Asks the chart service for the QR picture of text (UTF-8 bytes of the text as entered)
// and leaves its reply in stream, possibly nothing. A level outside 0..3 requests nothing.
// Network failures stay silent; running out of memory for the reply propagates.
void BuildChartRequest(std::uint16_t width, std::uint16_t height, EcLevel level, TStream& stream,
                       const std::string& text);
