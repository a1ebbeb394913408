#include "net/FormEncoding.h"

#include <optional>

#include "core/Text.h"

namespace {

bool IsPlain(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

// The value of the first line whose name (the text before its first "=") is name.
std::optional<std::string> ValueOfName(const std::vector<std::string>& lines,
                                       std::string_view name) {
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos &&
            SameText(std::string_view(line).substr(0, equals), name)) {
            return line.substr(equals + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string EncodeFormValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(value.size() * 3);
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ') {
            encoded += '+';
        } else if (IsPlain(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string BuildFormBody(std::vector<std::string>& lines, bool encode) {
    if (encode) {
        // The look-up runs on the list as already rewritten, so a name that occurs twice
        // gets the first line's value encoded once more for each further line: the form
        // the maker's scripts have always received.
        for (std::string& line : lines) {
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            const std::string name = line.substr(0, equals);
            const auto value = ValueOfName(lines, name);
            if (value && !value->empty()) line = name + "=" + EncodeFormValue(*value);
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (lines.size() >= 2) {
        std::string joined;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                joined += '&';
                ++i;
            } else {
                joined += text[i];
            }
        }
        text = std::move(joined);
    }
    return Trim(text);
}
