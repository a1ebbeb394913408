#pragma once

#include <string>
#include <string_view>

// The parts of a URL as the HTTP client uses them. Path keeps its leading and trailing "/",
// Query its "?".
class TIdURI {
public:
    TIdURI() = default;
    explicit TIdURI(std::string_view url) { SetURI(url); }

    // Splits url into the parts, replacing all of them.
    void SetURI(std::string_view url);

    std::string Scheme;
    std::string UserName;
    std::string UserPassword;
    std::string HostName;
    std::string PortText;
    std::string Path;
    std::string Document;
    std::string Query;
    std::string Fragment;

private:
    void SplitAuthority(std::string authority);
    void SplitRest(const std::string& rest, bool hadScheme);
};
