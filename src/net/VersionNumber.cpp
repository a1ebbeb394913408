#include "net/VersionNumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Where the parts of a number lie in the text; the number is the text from mantissa to end.
struct NumberParts {
    std::size_t mantissa = 0;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::string_view exponent;  // sign and digits after "E"
    std::size_t end = 0;
    bool negative = false;
};

std::size_t SkipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') ++at;
    return at;
}

std::string_view Digits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return text.substr(start, at - start);
}

// A reply may be a whole HTML page; the message names only its start.
constexpr std::size_t kMaxQuotedLength = 64;

[[noreturn]] void Invalid(std::string_view text) {
    const std::string quoted(text.substr(0, kMaxQuotedLength));
    throw EConvertError("'" + quoted + (text.size() > kMaxQuotedLength ? "...'" : "'") +
                        " is not a valid floating point value");
}

NumberParts Split(std::string_view text) {
    NumberParts parts;
    std::size_t at = SkipSpaces(text, 0);
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        parts.negative = text[at++] == '-';
    parts.mantissa = at;
    parts.integerDigits = Digits(text, at);
    if (at < text.size() && text[at] == '.') parts.fractionDigits = Digits(text, ++at);
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) Invalid(text);
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        const std::size_t exponentStart = ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (Digits(text, at).empty()) Invalid(text);
        parts.exponent = text.substr(exponentStart, at - exponentStart);
    }
    parts.end = at;
    if (SkipSpaces(text, at) != text.size()) Invalid(text);
    return parts;
}

// The power of ten of the leading non-zero digit, for telling an overflow from an underflow
// when a number is out of the double range. Exponents are saturated far beyond that range.
long DecimalMagnitude(const NumberParts& parts) {
    constexpr long kSaturation = 1'000'000;
    long exponent = 0;
    bool negativeExponent = false;
    for (const char c : parts.exponent) {
        if (c == '-') negativeExponent = true;
        if (c >= '0' && c <= '9') exponent = std::min(kSaturation, exponent * 10 + (c - '0'));
    }
    if (negativeExponent) exponent = -exponent;
    const std::size_t firstInteger = parts.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        return exponent + static_cast<long>(parts.integerDigits.size() - firstInteger) - 1;
    const std::size_t firstFraction = parts.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long>(firstFraction) - 1;
}

}  // namespace

float ReadVersionNumber(std::string_view text) {
    const NumberParts parts = Split(text);
    // from_chars reads the C locale's format whatever the process locale says; strtod would
    // follow the user's decimal comma once the toolkit has set the locale.
    const char* first = text.data() + parts.mantissa;
    const char* last = text.data() + parts.end;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last || (error != std::errc{} && error != std::errc::result_out_of_range))
        Invalid(text);
    if (error == std::errc::result_out_of_range) {
        if (DecimalMagnitude(parts) >= 0) Invalid(text);
        value = 0;
    }
    const float single = static_cast<float>(parts.negative ? -value : value);
    if (std::isinf(single)) Invalid(text);
    return single;
}

std::string ShowVersionNumber(float version) {
    // Every single has a finite decimal expansion of at most 149 fraction digits, so this
    // many digits are the exact value and the rounding below rounds it only once.
    constexpr int kExactDigits = 160;
    if (!std::isfinite(version)) return "?";
    std::array<char, 64 + kExactDigits> buffer{};
    const double exact = std::fabs(static_cast<double>(version));
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), exact,
                                      std::chars_format::fixed, kExactDigits);
    if (result.ec != std::errc{}) return "?";
    const std::string digits(buffer.data(), result.ptr);
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, 2);
    if (digits[point + 3] >= '5') {
        std::size_t at = kept.size();
        while (at > 0 && kept[at - 1] == '9') kept[--at] = '0';
        if (at == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[at - 1];
    }
    std::string integerPart = kept.substr(0, kept.size() - 2);
    if (integerPart == "0") integerPart.clear();
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    return (version < 0 && !zero ? "-" : "") + integerPart + "." + kept.substr(kept.size() - 2);
}
