#pragma once

#include <cstddef>
#include <memory>
#include <shared_mutex>
#include <string>
#include <vector>

#include "net/InternetDate.h"
#include "net/TIdCookieList.h"

// The cookies of one client: a domain index in the order domains were first seen, each
// domain with its own list. Every store and look-up takes the lock; nothing here calls back
// out or into itself while holding it (the lock is not re-entrant).
class TIdCookies {
public:
    // Stores the cookie under its domain, or updates the stored cookie of the same name,
    // which keeps its place. False when a bound kept it out.
    bool Store(std::unique_ptr<TIdNetscapeCookie> cookie);
    // Frees the cookies whose expiry lies before now; an unreadable expiry has passed.
    void DropExpired(TDateTime now);
    // The Cookie line value for a request to host and path; empty when nothing matches.
    std::string HeaderFor(const std::string& host, const std::string& path, bool secure) const;

    std::size_t Count() const;
    std::size_t DomainCount() const;
    // Copies of what is stored, domain by domain in index order: for tests and callers that
    // only look.
    struct StoredCookie {
        std::string domain;
        std::string name;
        std::string value;
        std::string path;
        std::string expires;
        int kind = 0;
    };
    std::vector<StoredCookie> Snapshot() const;

private:
    struct Domain {
        std::string name;
        TIdCookieList cookies;
    };
    Domain* FindDomain(const std::string& name);
    static void Update(TIdNetscapeCookie& stored, const TIdNetscapeCookie& fresh);

    mutable std::shared_mutex lock_;
    std::vector<Domain> index_;
    std::size_t total_ = 0;
};
