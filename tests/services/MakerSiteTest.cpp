// maker-site over real HTTP: the two request scripts, the pages, the body limit, the log and
// stopping while a reply is held back.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "ServiceProcess.h"
#include "WebClient.h"

namespace {

constexpr const char* kTutorialScript = "/requests/getytvideoid.php";
constexpr const char* kVersionScript = "/requests/checkversionid.php";
constexpr const char* kHtml = "text/html; charset=utf-8";

WebRequest GetOf(const std::string& url) {
    WebRequest request;
    request.url = url;
    return request;
}

struct Site : ServiceProcess {
    explicit Site(std::vector<std::string> arguments = {}, const std::string& stderrFile = {})
        : ServiceProcess("maker-site", std::move(arguments), stderrFile) {}

    WebReply Post(const std::string& target, const std::string& body = "product_id=21",
                  std::vector<std::string> headers = {}) const {
        return Fetch({Address(target), "POST", body, std::move(headers), {}});
    }
    WebReply Get(const std::string& target) const { return Fetch(GetOf(Address(target))); }
};

std::string LogFile(const std::string& name) {
    return ::testing::TempDir() + name + "-" + std::to_string(getpid()) + ".log";
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(MakerSite, ScriptsAnswerAsStartedWithoutOptions) {
    Site site;
    const WebReply tutorial = site.Post(kTutorialScript);
    EXPECT_EQ(tutorial.status, 200);
    EXPECT_FALSE(tutorial.body.empty());
    EXPECT_NE(tutorial.body, "false");
    const WebReply version = site.Post(kVersionScript);
    EXPECT_EQ(version.status, 200);
    EXPECT_EQ(version.body, VEXMORA_PROJECT_VERSION);
    EXPECT_EQ(version.contentType, kHtml);
    EXPECT_TRUE(version.setCookies.empty());
}

TEST(MakerSite, ScriptsAnswerTheirTextsExactly) {
    const std::pair<std::string, std::string> cases[] = {
        {"false", "false"}, {"", "9.9"}, {"False", "1.3\r\n"}, {" id with blanks ", "<html>"}};
    for (const auto& [tutorialText, versionText] : cases) {
        Site site({"--tutorial", tutorialText, "--version", versionText});
        EXPECT_EQ(site.Post(kTutorialScript).body, tutorialText);
        const WebReply version = site.Post(kVersionScript);
        EXPECT_EQ(version.status, 200);
        EXPECT_EQ(version.body, versionText);
    }
}

TEST(MakerSite, OtherStatusesAnswerAnHtmlPage) {
    Site site({"--tutorial-status", "404", "--version-status", "500"});
    const WebReply tutorial = site.Post(kTutorialScript);
    EXPECT_EQ(tutorial.status, 404);
    EXPECT_EQ(tutorial.contentType, kHtml);
    EXPECT_NE(tutorial.body.find("404 Not Found"), std::string::npos);
    const WebReply version = site.Post(kVersionScript);
    EXPECT_EQ(version.status, 500);
    EXPECT_NE(version.body.find("500 Internal Server Error"), std::string::npos);

    Site redirecting({"--version-status", "302"});
    const WebReply moved = redirecting.Post(kVersionScript);
    EXPECT_EQ(moved.status, 302);
    EXPECT_EQ(moved.location, "/");
}

TEST(MakerSite, CookiesGoOutWithBothScriptReplies) {
    Site site({"--set-cookie", "session=abc; path=/", "--set-cookie", "seen=1"});
    for (const char* script : {kTutorialScript, kVersionScript}) {
        EXPECT_EQ(site.Post(script).setCookies,
                  (std::vector<std::string>{"session=abc; path=/", "seen=1"}))
            << script;
    }
    EXPECT_TRUE(site.Get("/").setCookies.empty());
}

// Declared lengths and chunked bodies alike; form bodies too, which the library alone would
// refuse from 8 KiB on.
TEST(MakerSite, BodiesUpTo64KiBAreTaken) {
    Site site;
    const std::vector<std::string> form = {"Content-Type: application/x-www-form-urlencoded"};
    const std::vector<std::string> chunked = {"Transfer-Encoding: chunked"};
    for (const auto& headers : {form, chunked}) {
        for (const std::size_t size : {8193U, 65535U, 65536U}) {
            EXPECT_EQ(site.Post(kVersionScript, std::string(size, 'a'), headers).status, 200)
                << size << " " << headers[0];
        }
        const WebReply refused = site.Post(kTutorialScript, std::string(65537, 'a'), headers);
        EXPECT_EQ(refused.status, 413) << headers[0];
        EXPECT_EQ(refused.contentType, kHtml);
        EXPECT_NE(refused.body.find("413 Payload Too Large"), std::string::npos);
    }
    // The connection that carried the refused body does not take the service down.
    EXPECT_EQ(site.Post(kVersionScript).status, 200);
}

TEST(MakerSite, PagesAreSelfContainedHtml) {
    Site site;
    const std::pair<std::string, std::string> pages[] = {
        {"/", "href=\"/vexmora.html\""},          {"/vexmora.html", "QR-code picture"},
        {"/vexmora.html?social=fb", "Facebook"},  {"/vexmora.html?social=tw", "Twitter"},
        {"/vexmora.html?social=gp", "Google+"},   {"/vexmora.html?playvideo", "video tutorial"},
        {"/donate-free-software.html", "Donate"}, {"/url-shortener.html", "URL shortener"},
    };
    for (const auto& [target, shows] : pages) {
        const WebReply page = site.Get(target);
        EXPECT_EQ(page.status, 200) << target;
        EXPECT_EQ(page.contentType, kHtml) << target;
        EXPECT_NE(page.body.find("<meta charset=\"utf-8\">"), std::string::npos) << target;
        EXPECT_NE(page.body.find(shows), std::string::npos) << target;
        for (const char* outside : {"http:", "https:", "//", "src="}) {
            EXPECT_EQ(page.body.find(outside), std::string::npos) << target << " has " << outside;
        }
    }
    const std::string index = site.Get("/").body;
    for (const char* link : {"/donate-free-software.html", "/url-shortener.html"}) {
        EXPECT_NE(index.find(std::string("href=\"") + link + "\""), std::string::npos) << link;
    }
}

TEST(MakerSite, AnythingElseIsNotFound) {
    Site site;
    const WebRequest requests[] = {
        GetOf(site.Address("/missing.html")),
        GetOf(site.Address("/vexmora.htm")),
        GetOf(site.Address(kVersionScript)),
        {site.Address("/vexmora.html"), "POST", "product_id=21", {}, {}},
        {site.Address("/requests/other.php"), "POST", "product_id=21", {}, {}},
        {site.Address(kVersionScript), "PUT", "product_id=21", {}, {}},
    };
    for (const WebRequest& request : requests) {
        const WebReply reply = Fetch(request);
        EXPECT_EQ(reply.status, 404) << request.method << " " << request.url;
        EXPECT_EQ(reply.contentType, kHtml) << request.url;
    }
}

TEST(MakerSite, VerboseLogsOneEscapedLinePerRequest) {
    const std::string log = LogFile("maker-site-verbose");
    {
        Site site({"--verbose"}, log);
        site.Post(kVersionScript, "product_id=21\x01\"\\",
                  {"User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)",
                   "Cookie: a=1; b=\xC3\xA9"});
        site.Get("/missing.html");
        ASSERT_EQ(site.Stop(SIGTERM), 0);
    }
    const std::string text = ReadFile(log);
    EXPECT_NE(text.find("POST /requests/checkversionid.php 200 "
                        "ua=\"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)\" "
                        "cookie=\"a=1; b=\\xc3\\xa9\" body=\"product_id=21\\x01\\\"\\\\\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("GET /missing.html 404 ua=\"\" cookie=\"\" body=\"\"\n"), std::string::npos)
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    std::remove(log.c_str());
}

TEST(MakerSite, LongBodiesAreCutInTheLog) {
    const std::string log = LogFile("maker-site-long");
    {
        Site site({"--verbose"}, log);
        site.Post(kTutorialScript, std::string(300, 'x'));
        ASSERT_EQ(site.Stop(SIGTERM), 0);
    }
    const std::string text = ReadFile(log);
    EXPECT_NE(text.find(" body=\"" + std::string(256, 'x') + "\"...\n"), std::string::npos) << text;
    std::remove(log.c_str());
}

// The delay is a lower bound the client can measure; only the delayed script waits.
TEST(MakerSite, DelayHoldsOnlyItsScript) {
    Site site({"--version-delay-ms", "400"});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(site.Post(kVersionScript).status, 200);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));

    Site other({"--tutorial-delay-ms", "400", "--tutorial", "abc"});
    const auto again = std::chrono::steady_clock::now();
    EXPECT_EQ(other.Post(kTutorialScript).body, "abc");
    EXPECT_GE(std::chrono::steady_clock::now() - again, std::chrono::milliseconds(400));
}

// A reply held back for ten minutes does not hold up a stop signal: the process ends with
// status 0 well inside the twenty seconds Stop waits.
TEST(MakerSite, StopSignalEndsAWaitingReply) {
    for (const int signal : {SIGTERM, SIGINT}) {
        Site site({"--version-delay-ms", "600000"});
        std::promise<void> sent;
        WebRequest request{site.Address(kVersionScript), "POST", "product_id=21", {}, {}};
        request.onSent = [&sent] { sent.set_value(); };
        auto reply = std::async(std::launch::async, [request] { return Fetch(request); });
        ASSERT_EQ(sent.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
        // Give the service the moment it needs to take the request into its handler.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(site.Stop(signal), 0) << signal;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        const WebReply answer = reply.get();
        EXPECT_TRUE(answer.status == 503 || !answer.error.empty()) << answer.status;
    }
}

}  // namespace
