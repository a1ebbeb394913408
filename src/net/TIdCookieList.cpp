#include "net/TIdCookieList.h"

#include "core/Text.h"

std::size_t TIdCookieList::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < cookies_.size(); ++i) {
        if (SameText(cookies_[i]->CookieName, name)) return i;
    }
    return cookies_.size();
}

void TIdCookieList::Append(std::unique_ptr<TIdNetscapeCookie> cookie) {
    cookies_.push_back(std::move(cookie));
}

void TIdCookieList::Remove(std::size_t index) {
    cookies_.erase(cookies_.begin() + static_cast<std::ptrdiff_t>(index));
}
