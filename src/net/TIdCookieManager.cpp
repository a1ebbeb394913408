#include "net/TIdCookieManager.h"

#include <algorithm>
#include <memory>

#include "net/NetLimits.h"
#include "net/TIdCookieRFC2965.h"

namespace {

// Control bytes in a name or value would end up in a request header line.
bool HasControlBytes(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

void TIdCookieManager::StoreCookie(const std::string& text, const std::string& host,
                                   TIdCookieHeader kind) {
    if (text.size() > kMaxCookieText) return;
    std::unique_ptr<TIdNetscapeCookie> cookie;
    if (kind == TIdCookieHeader::SetCookie2) {
        cookie = std::make_unique<TIdCookieRFC2965>();
    } else {
        cookie = std::make_unique<TIdCookieRFC2109>();
    }
    cookie->ParseCookieText(text);
    if (HasControlBytes(cookie->CookieName) || HasControlBytes(cookie->CookieValue)) return;
    if (cookie->CookieDomain.empty()) cookie->CookieDomain = host;
    if (!cookie->CookieFitsHost(host)) return;
    bool accept = true;
    if (OnNewCookie) OnNewCookie(*this, *cookie, accept);
    if (!accept) return;
    cookies_.Store(std::move(cookie));
}

std::string TIdCookieManager::CookieHeaderFor(const std::string& host, const std::string& path,
                                              bool secure) {
    cookies_.DropExpired(NowLocal());
    return cookies_.HeaderFor(host, path, secure);
}
