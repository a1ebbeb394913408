#include "net/TIdNetscapeCookie.h"

#include "core/Text.h"
#include "net/HostNameRules.h"

namespace {

// Splits a cookie text into its trimmed parts: at every ";", or, in a text without one, at
// line breaks.
std::vector<std::string> SplitParts(const std::string& text) {
    std::vector<std::string> parts;
    const bool semicolons = text.find(';') != std::string::npos;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = semicolons ? text.find(';', at) : text.find_first_of("\r\n", at);
        if (end == std::string::npos) break;
        parts.push_back(Trim(std::string_view(text).substr(at, end - at)));
        at = end + 1;
        if (!semicolons && text[end] == '\r' && at < text.size() && text[at] == '\n') ++at;
    }
    if (at < text.size()) parts.push_back(Trim(std::string_view(text).substr(at)));
    return parts;
}

std::string StripOneQuote(std::string text) {
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    return text;
}

}  // namespace

std::string CookieAttributeValue(const TIdNetscapeCookie::Attributes& attributes,
                                 const std::string& name) {
    for (const std::string& attribute : attributes) {
        const std::size_t equals = attribute.find('=');
        if (equals != std::string::npos && attribute.compare(0, equals, name) == 0 &&
            equals == name.size()) {
            return attribute.substr(equals + 1);
        }
    }
    return {};
}

bool TIdNetscapeCookie::HasFlag(const Attributes& attributes, const std::string& name) {
    for (const std::string& attribute : attributes) {
        if (attribute == name) return true;
    }
    return false;
}

std::string TIdNetscapeCookie::Value(const Attributes& attributes, const std::string& name) {
    return CookieAttributeValue(attributes, name);
}

void TIdNetscapeCookie::ParseCookieText(const std::string& text) {
    if (text == CookieText) return;
    CookieText = text;
    const std::vector<std::string> parts = SplitParts(text);
    CookieName.clear();
    CookieValue.clear();
    if (!parts.empty()) {
        const std::size_t equals = parts.front().find('=');
        if (equals != std::string::npos) {
            CookieName = parts.front().substr(0, equals);
            CookieValue = parts.front().substr(equals + 1);
        }
    }
    Attributes attributes;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t equals = parts[i].find('=');
        attributes.push_back(equals == std::string::npos
                                 ? UpperCase(parts[i])
                                 : UpperCase(parts[i].substr(0, equals)) + parts[i].substr(equals));
    }
    ReadAttributes(attributes);
}

void TIdNetscapeCookie::ReadAttributes(const Attributes& attributes) {
    CookiePath = StripOneQuote(Value(attributes, "PATH"));
    CookieExpires = Value(attributes, "EXPIRES");
    CookieDomain = Value(attributes, "DOMAIN");
    CookieSecure = HasFlag(attributes, "SECURE");
}

bool TIdNetscapeCookie::CookieFitsHost(const std::string& host) const {
    if (LooksLikeIPv4(host)) return CookieDomain == host;
    if (IsPlainHostName(host)) {
        return IsPlainHostName(CookieDomain) ? CookieDomain == host
                                             : CookieDomain == DomainTail(host);
    }
    return SameText(CookieDomain, DomainTail(host));
}

std::string TIdNetscapeCookie::HeaderForm() const {
    std::string form;
    const auto add = [&form](const std::string& item) {
        if (!form.empty()) form += "; ";
        form += item;
    };
    if (!CookieValue.empty()) add(CookieName + "=" + CookieValue);
    if (!CookiePath.empty()) add("path=" + CookiePath);
    if (CookieKind == 0 && !CookieExpires.empty()) add("expires=" + CookieExpires);
    if (!CookieDomain.empty()) add("domain=" + CookieDomain);
    if (CookieSecure) add("secure");
    if (!CookieComment.empty()) add("comment=" + CookieComment);
    if (!CookieVersion.empty()) add("version=" + CookieVersion);
    return form;
}
