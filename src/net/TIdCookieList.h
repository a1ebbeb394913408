#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "net/TIdNetscapeCookie.h"

// The cookies of one domain in the order first seen, keyed by name ignoring letter case.
// The list owns them.
class TIdCookieList {
public:
    std::size_t Count() const { return cookies_.size(); }
    TIdNetscapeCookie& Cookie(std::size_t index) const { return *cookies_[index]; }
    // The index of the cookie of that name, or Count() when there is none.
    std::size_t IndexOf(const std::string& name) const;
    void Append(std::unique_ptr<TIdNetscapeCookie> cookie);
    void Remove(std::size_t index);

private:
    std::vector<std::unique_ptr<TIdNetscapeCookie>> cookies_;
};
