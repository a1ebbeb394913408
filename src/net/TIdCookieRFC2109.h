#pragma once

#include "net/TIdNetscapeCookie.h"

// A cookie of a Set-cookie line: adds max-age (turned into an expiry), version and comment.
class TIdCookieRFC2109 : public TIdNetscapeCookie {
public:
    TIdCookieRFC2109() { CookieKind = 1; }

protected:
    void ReadAttributes(const Attributes& attributes) override;
};
