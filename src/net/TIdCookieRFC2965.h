#pragma once

#include <string>
#include <vector>

#include "net/TIdCookieRFC2109.h"

// A cookie of a Set-cookie2 line: adds the comment address, the discard flag and ports.
class TIdCookieRFC2965 : public TIdCookieRFC2109 {
public:
    TIdCookieRFC2965() { CookieKind = 2; }

    std::string CookieCommentURL;
    bool CookieDiscard = false;
    std::vector<int> CookiePorts;

protected:
    void ReadAttributes(const Attributes& attributes) override;
};
