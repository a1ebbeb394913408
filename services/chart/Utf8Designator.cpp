#include "Utf8Designator.h"

#include <algorithm>
#include <cstdint>

namespace {

// The range the second byte of a sequence may take after the lead byte; the narrowed ranges
// after E0, ED, F0 and F4 are what rule out overlong forms, surrogates and code points above
// U+10FFFF (RFC 3629 section 4).
struct SequenceShape {
    int length = 0;  // 0 for a byte that cannot start a sequence
    std::uint8_t secondLow = 0x80;
    std::uint8_t secondHigh = 0xBF;
};

SequenceShape ShapeOf(std::uint8_t lead) {
    if (lead < 0x80) return {1};
    if (lead >= 0xC2 && lead <= 0xDF) return {2};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    if (lead >= 0xF1 && lead <= 0xF3) return {4};
    return {};
}

bool IsContinuation(std::uint8_t byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const SequenceShape shape = ShapeOf(static_cast<std::uint8_t>(bytes[i]));
        if (shape.length == 0 || bytes.size() - i < static_cast<std::size_t>(shape.length)) {
            return false;
        }
        if (shape.length > 1) {
            const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
            if (second < shape.secondLow || second > shape.secondHigh) return false;
            for (int k = 2; k < shape.length; ++k) {
                if (!IsContinuation(
                        static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)])))
                    return false;
            }
        }
        i += static_cast<std::size_t>(shape.length);
    }
    return true;
}

bool DesignatesUtf8(std::string_view data, EciPolicy policy) {
    if (policy == EciPolicy::Never) return false;
    const bool allAscii = std::all_of(data.begin(), data.end(),
                                      [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
    return !allAscii && IsValidUtf8(data);
}
