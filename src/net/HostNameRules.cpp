#include "net/HostNameRules.h"

#include "core/Text.h"

namespace {

bool IsByteNumber(const std::string& piece) {
    if (piece.empty() || piece.size() > 3) return false;
    int value = 0;
    for (const char c : piece) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

}  // namespace

bool LooksLikeIPv4(const std::string& text) {
    const std::string trimmed = Trim(text);
    std::size_t at = 0;
    for (int piece = 0; piece < 4; ++piece) {
        const std::size_t dot = trimmed.find('.', at);
        const std::size_t end = dot == std::string::npos ? trimmed.size() : dot;
        if (at > trimmed.size() || !IsByteNumber(trimmed.substr(at, end - at))) return false;
        at = end + 1;
    }
    return true;
}

bool IsPlainHostName(const std::string& text) {
    if (!text.empty() && text.front() == '.' && text.find('.') != std::string::npos) return false;
    return !LooksLikeIPv4(text);
}

std::string DomainTail(const std::string& host) {
    const std::size_t dot = host.find('.');
    return dot == std::string::npos ? host : host.substr(dot);
}
