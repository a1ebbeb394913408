// The cookie store: what is kept, what is sent and in which order, the host rules and the
// bounds on what a server can make it hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/HostNameRules.h"
#include "net/IdExceptions.h"
#include "net/NetLimits.h"
#include "net/TIdCookieManager.h"
#include "net/TIdCookieRFC2965.h"

namespace {

constexpr const char* kHost = "www.vexmora.example";
constexpr const char* kPath = "/requests/checkversionid.php";

std::string SentAfter(const std::vector<std::string>& cookies, const std::string& host = kHost,
                      const std::string& path = kPath, bool secure = false) {
    TIdCookieManager manager;
    for (const std::string& cookie : cookies) {
        manager.StoreCookie(cookie, host, TIdCookieHeader::SetCookie);
    }
    return manager.CookieHeaderFor(host, path, secure);
}

TEST(CookieStore, WhatIsSentAndWhatIsNot) {
    struct Case {
        const char* name;
        std::vector<std::string> cookies;
        std::string sent;
    };
    const std::vector<Case> cases = {
        {"plain", {"id=42; path=/"}, "id=42"},
        {"no path is never sent", {"id=42"}, ""},
        {"secure needs a secure connection", {"id=42; path=/; secure"}, ""},
        {"expired long ago", {"id=42; path=/; expires=Thu, 01-Jan-1970 00:00:01 GMT"}, ""},
        {"max-age 0 has expired by the next request", {"id=42; path=/; max-age=0"}, ""},
        {"far expiry", {"id=42; path=/; expires=Fri, 31 Dec 9998 23:59:59 GMT"}, "id=42"},
        {"unreadable expiry counts as past", {"id=42; path=/; expires=someday"}, ""},
        {"empty value", {"id=; path=/"}, ""},
        {"path must begin the request path", {"id=42; path=/other"}, ""},
        {"path letter case counts", {"id=42; path=/Requests"}, ""},
        {"quoted path", {"id=42; path=\"/requests\""}, "id=42"},
        {"later stored first", {"a=1; path=/", "b=2; path=/"}, "b=2; a=1"},
        {"longer paths first", {"x=1; path=/requests/", "y=2; path=/"}, "x=1; y=2"},
        {"an update keeps the place", {"a=1; path=/", "b=2; path=/", "a=3; path=/"}, "b=2; a=3"},
        {"names are one ignoring case", {"ID=1; path=/", "id=2; path=/"}, "id=2"},
        {"an update from an empty value loses the path", {"a=1; path=/", "a=; path=/"}, ""},
        {"a text without semicolons splits at line breaks", {"id=42\r\npath=/"}, "id=42"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(SentAfter(test.cookies), test.sent) << test.name;
    }
    EXPECT_EQ(SentAfter({"id=42; path=/; secure"}, kHost, kPath, true), "id=42");
}

TEST(CookieStore, AnUpdateFollowsTheHeaderForm) {
    TIdCookieManager manager;
    manager.StoreCookie("a=1; path=/; max-age=3600", kHost, TIdCookieHeader::SetCookie);
    auto stored = manager.Cookies().Snapshot();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_FALSE(stored[0].expires.empty()) << "max-age becomes an expiry";
    EXPECT_EQ(stored[0].kind, 0);

    // A fresh cookie that carried an expires attribute leaves the stored one without expiry.
    manager.StoreCookie("a=2; path=/; expires=Fri, 31 Dec 9998 23:59:59 GMT", kHost,
                        TIdCookieHeader::SetCookie);
    stored = manager.Cookies().Snapshot();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].value, "2");
    EXPECT_EQ(stored[0].expires, "");
    EXPECT_EQ(stored[0].kind, 1);
    EXPECT_EQ(manager.CookieHeaderFor(kHost, "/"), "a=2");
}

TEST(CookieStore, HostRules) {
    struct Case {
        const char* host;
        const char* domainAttribute;  // nullptr: none
        bool kept;
    };
    const std::vector<Case> cases = {
        // Three labels.
        {"www.example.com", nullptr, true},
        {"www.example.com", ".example.com", true},
        {"www.example.com", "example.com", false},
        {"www.example.com", ".com", false},
        {"www.example.com", "www.example.com", true},
        {"www.example.com", "WWW.example.com", false},
        // Two labels: the tail is "." and the last label.
        {"example.com", ".example.com", false},
        {"example.com", nullptr, true},
        {"example.com", ".com", true},
        // Plain host names.
        {"localhost", nullptr, true},
        {"localhost", "LOCALHOST", false},
        {"localhost", ".localhost", false},
        // IP addresses.
        {"192.168.1.10", nullptr, true},
        {"192.168.1.10", "192.168.1.10", true},
        {"192.168.1.10", ".168.1.10", false},
    };
    for (const Case& test : cases) {
        std::string text = "id=1; path=/";
        if (test.domainAttribute) text += std::string("; domain=") + test.domainAttribute;
        TIdCookieManager manager;
        manager.StoreCookie(text, test.host, TIdCookieHeader::SetCookie);
        EXPECT_EQ(manager.Cookies().Count(), test.kept ? 1u : 0u)
            << test.host << " " << (test.domainAttribute ? test.domainAttribute : "(none)");
    }
    // A domain is looked for anywhere in the host, ignoring case.
    TIdCookieManager manager;
    manager.StoreCookie("id=1; path=/; domain=.example.com", "www.example.com",
                        TIdCookieHeader::SetCookie);
    EXPECT_EQ(manager.CookieHeaderFor("WWW.EXAMPLE.COM", "/"), "id=1");
    EXPECT_EQ(manager.CookieHeaderFor("other.test", "/"), "");
}

TEST(CookieStore, HostNameHelpers) {
    EXPECT_TRUE(LooksLikeIPv4("1.2.3.4"));
    EXPECT_TRUE(LooksLikeIPv4(" 255.0.0.255 "));
    EXPECT_TRUE(LooksLikeIPv4("1.2.3.4.junk")) << "nothing after a fourth dot is looked at";
    EXPECT_FALSE(LooksLikeIPv4("1.2.3.256"));
    EXPECT_FALSE(LooksLikeIPv4("1.2.3"));
    EXPECT_FALSE(LooksLikeIPv4("a.b.c.d"));
    EXPECT_FALSE(LooksLikeIPv4(""));
    EXPECT_TRUE(IsPlainHostName("localhost"));
    EXPECT_TRUE(IsPlainHostName("www.example.com"));
    EXPECT_FALSE(IsPlainHostName(".example.com"));
    EXPECT_FALSE(IsPlainHostName("10.0.0.1"));
    EXPECT_EQ(DomainTail("www.example.com"), ".example.com");
    EXPECT_EQ(DomainTail("localhost"), "localhost");
}

TEST(CookieStore, Set2CookiesAndTheirPorts) {
    struct Case {
        const char* text;
        std::vector<int> ports;
    };
    const std::vector<Case> cases = {
        {"a=1; path=/", {80}},
        {"a=1; path=/; port=\"8080, 8421 9000\"", {8080, 8421, 9000}},
        {"a=1; path=/; port=\"\"", {80}},
        {"a=1; path=/; port=8080", {}},
    };
    for (const Case& test : cases) {
        TIdCookieManager manager;
        std::vector<int> ports = {-1};
        manager.OnNewCookie = [&](TIdCookieManager&, TIdNetscapeCookie& cookie, bool&) {
            ports = dynamic_cast<TIdCookieRFC2965&>(cookie).CookiePorts;
        };
        manager.StoreCookie(test.text, kHost, TIdCookieHeader::SetCookie2);
        EXPECT_EQ(ports, test.ports) << test.text;
    }
    TIdCookieManager manager;
    for (const char* bad : {"a=1; port=\"80,x\"", "a=1; port=\"99999999999\""}) {
        EXPECT_THROW(manager.StoreCookie(bad, kHost, TIdCookieHeader::SetCookie2),
                     EIdIntegerConvertError)
            << bad;
    }
    manager.StoreCookie("b=1; path=/; expires=Fri, 31 Dec 9998 23:59:59 GMT", kHost,
                        TIdCookieHeader::SetCookie2);
    ASSERT_EQ(manager.Cookies().Snapshot().size(), 1u);
    EXPECT_EQ(manager.Cookies().Snapshot()[0].kind, 2);
}

TEST(CookieStore, ARefusedCookieIsDropped) {
    TIdCookieManager manager;
    manager.OnNewCookie = [](TIdCookieManager&, TIdNetscapeCookie& cookie, bool& accept) {
        accept = cookie.CookieName != "tracker";
    };
    manager.StoreCookie("tracker=1; path=/", kHost, TIdCookieHeader::SetCookie);
    manager.StoreCookie("id=1; path=/", kHost, TIdCookieHeader::SetCookie);
    EXPECT_EQ(manager.CookieHeaderFor(kHost, "/"), "id=1");
}

TEST(CookieStoreBounds, CookieTextJustBelowAtAndAboveTheLimit) {
    const std::string start = "id=";
    const std::string end = "; path=/";
    for (const std::size_t size : {kMaxCookieText - 1, kMaxCookieText, kMaxCookieText + 1}) {
        const std::string text = start + std::string(size - start.size() - end.size(), 'v') + end;
        ASSERT_EQ(text.size(), size);
        TIdCookieManager manager;
        manager.StoreCookie(text, kHost, TIdCookieHeader::SetCookie);
        EXPECT_EQ(manager.Cookies().Count(), size <= kMaxCookieText ? 1u : 0u) << size;
    }
}

TEST(CookieStoreBounds, ControlBytesInNamesAndValues) {
    struct Case {
        std::string text;
        bool kept;
    };
    const std::vector<Case> cases = {
        {"id=a b; path=/", true},         {std::string("id=a\x1f") + "b; path=/", false},
        {"id=a\x7f; path=/", false},      {"i\x01d=1; path=/", false},
        {"id=caf\xc3\xa9; path=/", true}, {"id=\t1; path=/", false},
    };
    for (const Case& test : cases) {
        TIdCookieManager manager;
        manager.StoreCookie(test.text, kHost, TIdCookieHeader::SetCookie);
        EXPECT_EQ(manager.Cookies().Count(), test.kept ? 1u : 0u) << test.text;
    }
}

TEST(CookieStoreBounds, CookiesPerDomainAndInAll) {
    for (const std::size_t count :
         {kMaxCookiesPerDomain - 1, kMaxCookiesPerDomain, kMaxCookiesPerDomain + 1}) {
        TIdCookieManager manager;
        for (std::size_t i = 0; i < count; ++i) {
            manager.StoreCookie("c" + std::to_string(i) + "=1; path=/", kHost,
                                TIdCookieHeader::SetCookie);
        }
        EXPECT_EQ(manager.Cookies().Count(), std::min(count, kMaxCookiesPerDomain)) << count;
        // An update of a known cookie is no new cookie.
        manager.StoreCookie("c0=2; path=/", kHost, TIdCookieHeader::SetCookie);
        EXPECT_EQ(manager.Cookies().Count(), std::min(count, kMaxCookiesPerDomain));
    }
    for (const std::size_t count : {kMaxCookiesTotal - 1, kMaxCookiesTotal, kMaxCookiesTotal + 1}) {
        TIdCookieManager manager;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string host = "h" + std::to_string(i / kMaxCookiesPerDomain) + ".example";
            manager.StoreCookie("c" + std::to_string(i) + "=1; path=/", host,
                                TIdCookieHeader::SetCookie);
        }
        EXPECT_EQ(manager.Cookies().Count(), std::min(count, kMaxCookiesTotal)) << count;
    }
}

TEST(CookieStoreBounds, MaxAgeBeyondTheCalendarClamps) {
    for (const char* maxAge : {"315537897599", "9223372036854775807"}) {
        TIdCookieManager manager;
        manager.StoreCookie(std::string("id=1; path=/; max-age=") + maxAge, kHost,
                            TIdCookieHeader::SetCookie);
        const auto stored = manager.Cookies().Snapshot();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_NE(stored[0].expires.find("31 Dec 9999 23:59:59"), std::string::npos)
            << stored[0].expires;
        EXPECT_EQ(manager.CookieHeaderFor(kHost, "/"), "id=1");
    }
    // A max-age that does not fit a number is no max-age: the cookie has no expiry.
    TIdCookieManager manager;
    manager.StoreCookie("id=1; path=/; max-age=99999999999999999999", kHost,
                        TIdCookieHeader::SetCookie);
    ASSERT_EQ(manager.Cookies().Snapshot().size(), 1u);
    EXPECT_EQ(manager.Cookies().Snapshot()[0].expires, "");
}

}  // namespace
