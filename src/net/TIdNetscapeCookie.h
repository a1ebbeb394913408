#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One cookie as a server set it. The base class reads the attributes every cookie has; the
// derived classes read those of their standard.
class TIdNetscapeCookie {
public:
    // "NAME=value" for attributes with a value, "NAME" for flags, names upper-cased.
    using Attributes = std::vector<std::string>;

    virtual ~TIdNetscapeCookie() = default;

    // Parses a Set-cookie text into the fields; the same text twice in a row is parsed once.
    void ParseCookieText(const std::string& text);
    // Whether the cookie may be kept for a reply from host.
    bool CookieFitsHost(const std::string& host) const;
    // The cookie written back as a header value: the form an update is parsed from.
    std::string HeaderForm() const;

    std::string CookieName;
    std::string CookieValue;
    std::string CookiePath;
    std::string CookieDomain;
    std::string CookieExpires;
    bool CookieSecure = false;
    std::int64_t CookieMaxAge = -1;
    std::string CookieVersion;
    std::string CookieComment;
    std::string CookieText;
    int CookieKind = 0;

protected:
    virtual void ReadAttributes(const Attributes& attributes);
    static bool HasFlag(const Attributes& attributes, const std::string& name);
    static std::string Value(const Attributes& attributes, const std::string& name);
};

// The value of the attribute name (upper case) in attributes; empty when absent.
std::string CookieAttributeValue(const TIdNetscapeCookie::Attributes& attributes,
                                 const std::string& name);
