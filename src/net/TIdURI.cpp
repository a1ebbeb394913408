#include "net/TIdURI.h"

#include <algorithm>

void TIdURI::SetURI(std::string_view url) {
    *this = TIdURI();
    // The program's code page is single-byte, so no byte is the lead byte of a pair that a
    // backslash could be the second half of.
    std::string text(url);
    std::replace(text.begin(), text.end(), '\\', '/');
    const std::size_t marker = text.find("://");
    if (marker == std::string::npos) {
        SplitRest(text, false);
        return;
    }
    Scheme = text.substr(0, marker);
    text.erase(0, marker + 3);
    const std::size_t slash = text.find('/');
    std::string rest;
    if (slash != std::string::npos) {
        rest = text.substr(slash + 1);
        text.erase(slash);
    }
    SplitAuthority(std::move(text));
    SplitRest(rest, true);
}

void TIdURI::SplitAuthority(std::string authority) {
    const std::size_t at = authority.find('@');
    if (at != std::string::npos) {
        const std::string user = authority.substr(0, at);
        const std::size_t colon = user.find(':');
        UserName = user.substr(0, colon);
        if (colon != std::string::npos) UserPassword = user.substr(colon + 1);
        if (UserName.empty()) UserPassword.clear();
        authority.erase(0, at + 1);
    }
    const std::size_t colon = authority.find(':');
    HostName = authority.substr(0, colon);
    if (colon != std::string::npos) PortText = authority.substr(colon + 1);
}

void TIdURI::SplitRest(const std::string& rest, bool hadScheme) {
    std::size_t queryStart = rest.find('?');
    if (queryStart == std::string::npos) queryStart = rest.find('=');
    const std::size_t searchEnd = queryStart == std::string::npos ? rest.size() : queryStart;
    const std::size_t lastSlash =
        searchEnd == 0 ? std::string::npos : rest.rfind('/', searchEnd - 1);
    const std::size_t documentStart = lastSlash == std::string::npos ? 0 : lastSlash + 1;
    Path = rest.substr(0, documentStart);
    if (hadScheme) Path = "/" + Path;
    Document = rest.substr(documentStart, searchEnd - documentStart);
    if (queryStart != std::string::npos) Query = rest.substr(queryStart);
    if (!hadScheme) return;
    if (const std::size_t hash = Document.find('#'); hash != std::string::npos) {
        Fragment = Document.substr(hash + 1);
        Document.erase(hash);
    } else if (const std::size_t queryHash = Query.find('#'); queryHash != std::string::npos) {
        Fragment = Query.substr(queryHash + 1);
        Query.erase(queryHash);
    }
}
