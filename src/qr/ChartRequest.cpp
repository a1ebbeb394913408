#include "qr/ChartRequest.h"

#include <array>

#include "core/BuildConfig.h"
#include "core/Text.h"
#include "qr/UrlFetcher.h"

namespace {

constexpr std::array<const char*, kEcLevelCount> kLevelLetters = {"L", "M", "Q", "H"};

bool IsKeptByte(unsigned char byte) {
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z')) {
        return true;
    }
    switch (byte) {
        case '!':
        case '$':
        case '\'':
        case '(':
        case ')':
        case '*':
        case '-':
        case '.':
        case '@':
        case '_':
            return true;
        default:
            return false;
    }
}

}  // namespace

const char* EcLevelLetter(EcLevel level) {
    if (level < 0 || level >= kEcLevelCount) {
        return nullptr;
    }
    return kLevelLetters[static_cast<std::size_t>(level)];
}

std::string FormEncode(std::string_view bytes) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsKeptByte(byte)) {
            out.push_back(c);
        } else if (byte == ' ') {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(kHexDigits[byte >> 4]);
            out.push_back(kHexDigits[byte & 0x0F]);
        }
    }
    return out;
}

std::string ChartRequestAddress(std::uint16_t width, std::uint16_t height, EcLevel level,
                                std::string_view utf8Text) {
    const char* letter = EcLevelLetter(level);
    if (letter == nullptr) {
        return {};
    }
    const std::string query = Format("chs=%ux%u&cht=qr&chld=%s&chl=%s&chof=png", unsigned{width},
                                     unsigned{height}, letter, FormEncode(utf8Text).c_str());
    return "http://" + BuildConfig::ChartServiceHost() + "/chart?" + query;
}

void BuildChartRequest(std::uint16_t width, std::uint16_t height, EcLevel level, TStream& stream,
                       const std::string& text) {
    if (EcLevelLetter(level) == nullptr) {
        return;
    }
    FetchUrlToStream(ChartRequestAddress(width, height, level, text), stream);
}
