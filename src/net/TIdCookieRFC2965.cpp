#include "net/TIdCookieRFC2965.h"

#include <limits>

#include "net/DecimalNumber.h"
#include "net/IdExceptions.h"

namespace {

// A quoted port list ('"80, 8080"'): each piece between commas and blanks must be a number.
std::vector<int> ReadPortList(const std::string& quoted) {
    std::vector<int> ports;
    const std::string inner = quoted.size() >= 2 ? quoted.substr(1, quoted.size() - 2) : "";
    std::size_t at = 0;
    while (at < inner.size()) {
        const std::size_t end = inner.find_first_of(", ", at);
        const std::string piece =
            inner.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!piece.empty()) {
            const auto value = ParseDecimal(piece);
            if (!value || *value < std::numeric_limits<int>::min() ||
                *value > std::numeric_limits<int>::max()) {
                throw EIdIntegerConvertError(piece);
            }
            ports.push_back(static_cast<int>(*value));
        }
        if (end == std::string::npos) break;
        at = end + 1;
    }
    if (ports.empty()) ports.push_back(80);
    return ports;
}

}  // namespace

void TIdCookieRFC2965::ReadAttributes(const Attributes& attributes) {
    TIdCookieRFC2109::ReadAttributes(attributes);
    CookieCommentURL = Value(attributes, "COMMENTURL");
    CookieDiscard = HasFlag(attributes, "DISCARD");
    const std::string ports = Value(attributes, "PORT");
    CookiePorts.clear();
    if (ports.empty()) {
        CookiePorts.push_back(80);
    } else if (ports.front() == '"' && ports.back() == '"') {
        CookiePorts = ReadPortList(ports);
    }
}
