#pragma once

#include <functional>
#include <string>

#include "net/TIdCookies.h"

class TIdNetscapeCookie;

// Which reply header a cookie came in.
enum class TIdCookieHeader { SetCookie, SetCookie2 };

// The cookie store of one HTTP client for the client's life: it takes the cookies of every
// reply and gives the Cookie line of every request.
class TIdCookieManager {
public:
    // Called for each cookie that passed the domain test; setting accept to false drops it.
    using TOnNewCookieEvent =
        std::function<void(TIdCookieManager& sender, TIdNetscapeCookie& cookie, bool& accept)>;

    // Stores, updates or drops one Set-cookie (RFC 2109 cookie) or Set-cookie2 (RFC 2965
    // cookie) value received from host. A port list that is not numeric raises
    // EIdIntegerConvertError.
    void StoreCookie(const std::string& text, const std::string& host, TIdCookieHeader kind);
    // The Cookie line value for a request to host and path, after dropping expired cookies;
    // empty when nothing matches.
    std::string CookieHeaderFor(const std::string& host, const std::string& path,
                                bool secure = false);

    TIdCookies& Cookies() { return cookies_; }
    const TIdCookies& Cookies() const { return cookies_; }

    TOnNewCookieEvent OnNewCookie;

private:
    TIdCookies cookies_;
};
