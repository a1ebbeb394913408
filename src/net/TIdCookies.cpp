#include "net/TIdCookies.h"

#include <algorithm>
#include <mutex>

#include "core/Text.h"
#include "net/NetLimits.h"

TIdCookies::Domain* TIdCookies::FindDomain(const std::string& name) {
    for (Domain& domain : index_) {
        if (SameText(domain.name, name)) return &domain;
    }
    return nullptr;
}

bool TIdCookies::Store(std::unique_ptr<TIdNetscapeCookie> cookie) {
    std::unique_lock guard(lock_);
    Domain* domain = FindDomain(cookie->CookieDomain);
    if (domain) {
        const std::size_t known = domain->cookies.IndexOf(cookie->CookieName);
        if (known < domain->cookies.Count()) {
            Update(domain->cookies.Cookie(known), *cookie);
            return true;
        }
        if (domain->cookies.Count() >= kMaxCookiesPerDomain) return false;
    }
    if (total_ >= kMaxCookiesTotal) return false;
    if (!domain) {
        // Emptied domains stay in the index, so the index has a bound of its own.
        if (index_.size() >= kMaxCookiesTotal) return false;
        index_.push_back(Domain{cookie->CookieDomain, {}});
        domain = &index_.back();
    }
    domain->cookies.Append(std::move(cookie));
    ++total_;
    return true;
}

// The stored cookie keeps its place and takes the fresh one's content through its header
// form, which is how the store has always updated: servers may rely on the quirks that
// brings (an expires attribute is not carried over; an empty value loses the path).
void TIdCookies::Update(TIdNetscapeCookie& stored, const TIdNetscapeCookie& fresh) {
    stored.ParseCookieText(fresh.HeaderForm());
    stored.CookieKind = fresh.CookieKind;
}

void TIdCookies::DropExpired(TDateTime now) {
    std::unique_lock guard(lock_);
    for (Domain& domain : index_) {
        for (std::size_t i = domain.cookies.Count(); i-- > 0;) {
            const std::string& expires = domain.cookies.Cookie(i).CookieExpires;
            if (!expires.empty() && InternetDateToLocal(expires) < now) {
                domain.cookies.Remove(i);
                --total_;
            }
        }
    }
}

std::string TIdCookies::HeaderFor(const std::string& host, const std::string& path,
                                  bool secure) const {
    std::shared_lock guard(lock_);
    const std::string upperHost = UpperCase(host);
    // Sorted by path ignoring case; a cookie goes in front of those with an equal path.
    std::vector<std::pair<std::string, const TIdNetscapeCookie*>> kept;
    for (const Domain& domain : index_) {
        if (upperHost.find(UpperCase(domain.name)) == std::string::npos) continue;
        for (std::size_t i = domain.cookies.Count(); i-- > 0;) {
            const TIdNetscapeCookie& cookie = domain.cookies.Cookie(i);
            if (cookie.CookiePath.empty() ||
                path.compare(0, cookie.CookiePath.size(), cookie.CookiePath) != 0 ||
                (cookie.CookieSecure && !secure) || cookie.CookieValue.empty()) {
                continue;
            }
            std::string key = UpperCase(cookie.CookiePath);
            const auto at = std::lower_bound(
                kept.begin(), kept.end(), key,
                [](const auto& entry, const std::string& k) { return entry.first < k; });
            kept.insert(at, {std::move(key), &cookie});
        }
    }
    std::string header;
    for (auto entry = kept.rbegin(); entry != kept.rend(); ++entry) {
        if (!header.empty()) header += "; ";
        header += entry->second->CookieName + "=" + entry->second->CookieValue;
    }
    return header;
}

std::size_t TIdCookies::Count() const {
    std::shared_lock guard(lock_);
    return total_;
}

std::size_t TIdCookies::DomainCount() const {
    std::shared_lock guard(lock_);
    return index_.size();
}

std::vector<TIdCookies::StoredCookie> TIdCookies::Snapshot() const {
    std::shared_lock guard(lock_);
    std::vector<StoredCookie> cookies;
    for (const Domain& domain : index_) {
        for (std::size_t i = 0; i < domain.cookies.Count(); ++i) {
            const TIdNetscapeCookie& cookie = domain.cookies.Cookie(i);
            cookies.push_back({domain.name, cookie.CookieName, cookie.CookieValue,
                               cookie.CookiePath, cookie.CookieExpires, cookie.CookieKind});
        }
    }
    return cookies;
}
