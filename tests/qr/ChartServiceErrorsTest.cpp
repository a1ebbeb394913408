// Requests the stand-in chart service refuses, and how the process itself behaves.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "ChartServiceProcess.h"
#include "QrTestTools.h"

namespace {

void ExpectErrorPage(const HttpReply& reply, long status, const std::string& what) {
    EXPECT_EQ(reply.status, status) << what;
    EXPECT_FALSE(IsPng(reply.body)) << what;
    EXPECT_EQ(reply.contentType.rfind("text/html", 0), 0u) << what << ": " << reply.contentType;
    EXPECT_NE(reply.body.find("<html>"), std::string::npos) << what;
}

// A valid request whose target is exactly length characters long.
std::string TargetOfLength(std::size_t length) {
    std::string target = "/chart?chs=200x200&cht=qr&chld=L&chof=png&chl=";
    target.append(length - target.size(), 'a');
    return target;
}

// Per process, so parallel runs of the suite from several build trees do not collide.
std::string LogFile(const std::string& name) {
    return ::testing::TempDir() + name + "-" + std::to_string(getpid()) + ".log";
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

TEST(ChartServiceErrors, BadRequestsGetAnHtmlPage) {
    ChartServiceProcess service;
    const std::string ok = "chs=200x200&cht=qr&chl=a";
    const char* badQueries[] = {
        "cht=qr&chl=a",               // chs missing
        "chs=200x200&chl=a",          // cht missing
        "chs=200x200&cht=qr",         // chl missing
        "chs=200x200&cht=qr&chl=",    // chl empty
        "chs=200x200&cht=bar&chl=a",  // not a QR chart
        "chs=200&cht=qr&chl=a",       // no height
        "chs=200x&cht=qr&chl=a",
        "chs=x200&cht=qr&chl=a",
        "chs=2o0x200&cht=qr&chl=a",
        "chs=-1x200&cht=qr&chl=a",
        "chs=0x200&cht=qr&chl=a",  // sides below 1
        "chs=200x0&cht=qr&chl=a",
        "chs=1001x200&cht=qr&chl=a",  // sides above 1000
        "chs=200x1001&cht=qr&chl=a",
        "chs=1000x301&cht=qr&chl=a",        // 301,000 pixels
        "chs=548x548&cht=qr&chl=a",         // 300,304 pixels
        "chs=200x200&cht=qr&chl=a&chld=X",  // unknown level
        "chs=200x200&cht=qr&chl=a&chld=m",
        "chs=200x200&cht=qr&chl=a&chld=L|",  // margin malformed or too wide
        "chs=200x200&cht=qr&chl=a&chld=L|x",
        "chs=200x200&cht=qr&chl=a&chld=L|-1",
        "chs=200x200&cht=qr&chl=a&chld=L|101",
        "chs=200x200&cht=qr&chl=a&chof=gif",  // only PNG
        "chs=200x200&cht=qr&chl=a%4",         // malformed escapes
        "chs=200x200&cht=qr&chl=a%G0",
        "chs=200x200&cht=qr&chl=a&chl=b",  // repeated parameter
        "chs=200x200&chs=200x200&cht=qr&chl=a",
    };
    for (const char* query : badQueries) {
        ExpectErrorPage(HttpGet(service.Address(std::string("/chart?") + query)), 400, query);
    }
    // The limits themselves are accepted.
    for (const std::string& query :
         {ok, std::string("chs=1000x300&cht=qr&chl=a"), std::string("chs=1x1&cht=qr&chl=a"),
          std::string("chs=200x200&cht=qr&chl=a&chld=H|100"), ok + "&unknown=1"}) {
        EXPECT_EQ(HttpGet(service.Address("/chart?" + query)).status, 200) << query;
    }
}

TEST(ChartServiceErrors, TextNoVersionCanHold) {
    ChartServiceProcess service;
    // Version 40 holds 1,273 bytes at level H and 2,331 at M, but only 1,663 at Q.
    const std::string fits(1273, 'a');
    const std::string tooLong(1274, 'a');
    EXPECT_EQ(HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=H&chl=" + fits)).status, 200);
    ExpectErrorPage(HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=H&chl=" + tooLong)),
                    400, "H, 1274 bytes");
    EXPECT_EQ(HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=M&chl=" + tooLong)).status,
              200);
    ExpectErrorPage(
        HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=Q&chl=" + std::string(1664, 'a'))),
        400, "Q, 1664 bytes");
    // A UTF-8 label takes twelve bits: one byte less fits at H, and the same bytes unlabelled
    // still fit.
    const std::string accented = "%C3%A9";
    EXPECT_EQ(HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=H&chl=" + accented +
                                      std::string(1270, 'a')))
                  .status,
              200);
    ExpectErrorPage(HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=H&chl=" + accented +
                                            std::string(1271, 'a'))),
                    400, "H, 1273 bytes of UTF-8");
    ChartServiceProcess unlabelled({"--eci", "never"});
    EXPECT_EQ(HttpGet(unlabelled.Address("/chart?chs=200x200&cht=qr&chld=H&chl=" + accented +
                                         std::string(1271, 'a')))
                  .status,
              200);
}

TEST(ChartServiceErrors, OverlongTargetsGet414) {
    ChartServiceProcess service;
    EXPECT_EQ(HttpGet(service.Address(TargetOfLength(2047))).status, 200);
    EXPECT_EQ(HttpGet(service.Address(TargetOfLength(2048))).status, 200);
    ExpectErrorPage(HttpGet(service.Address(TargetOfLength(2049))), 414, "2049 characters");
    // Far beyond the HTTP library's own request line limit the answer is the same.
    ExpectErrorPage(HttpGet(service.Address(TargetOfLength(9000))), 414, "9000 characters");
    ExpectErrorPage(HttpGet(service.Address(TargetOfLength(100000))), 414, "100000 characters");
    // The service is still well after them.
    EXPECT_EQ(HttpGet(service.Address(TargetOfLength(300))).status, 200);
}

TEST(ChartServiceErrors, OtherPathsAreNotFound) {
    ChartServiceProcess service;
    ExpectErrorPage(HttpGet(service.Address("/")), 404, "/");
    ExpectErrorPage(HttpGet(service.Address("/charts?chs=200x200&cht=qr&chl=a")), 404, "/charts");
}

TEST(ChartServiceRuntime, ServesConcurrentRequests) {
    ChartServiceProcess service;
    constexpr int kThreads = 8;
    std::vector<std::string> replies(kThreads * 4);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 4; ++i) {
                replies[static_cast<std::size_t>(t * 4 + i)] =
                    HttpGet(service.Address("/chart?chs=300x300&cht=qr&chld=Q&chl=same+text")).body;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    ASSERT_TRUE(IsPng(replies[0]));
    for (const std::string& reply : replies) EXPECT_TRUE(reply == replies[0]);
    EXPECT_EQ(ScanQr(replies[0]), "same text");
}

TEST(ChartServiceRuntime, StopsCleanlyOnSigtermAndSigint) {
    ChartServiceProcess first;
    EXPECT_EQ(HttpGet(first.Address("/chart?chs=100x100&cht=qr&chl=a")).status, 200);
    EXPECT_EQ(first.Stop(SIGTERM), 0);
    ChartServiceProcess second;
    EXPECT_EQ(second.Stop(SIGINT), 0);
}

TEST(ChartServiceRuntime, VerboseLogsOneLinePerRequest) {
    const std::string log = LogFile("chart-service-verbose");
    ChartServiceProcess service({"--verbose"}, log);
    HttpGet(service.Address("/chart?chs=100x100&cht=qr&chl=a"));
    HttpGet(service.Address("/chart?chs=100x100&cht=pie&chl=a"));
    HttpGet(service.Address("/elsewhere"));
    EXPECT_EQ(service.Stop(SIGTERM), 0);
    const std::string text = ReadFile(log);
    std::remove(log.c_str());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_NE(text.find("\"GET /chart?chs=100x100&cht=qr&chl=a\" 200"), std::string::npos) << text;
    EXPECT_NE(text.find("\"GET /chart?chs=100x100&cht=pie&chl=a\" 400"), std::string::npos) << text;
    EXPECT_NE(text.find("\"GET /elsewhere\" 404"), std::string::npos) << text;
}

TEST(ChartServiceRuntime, QuietWithoutVerbose) {
    const std::string log = LogFile("chart-service-quiet");
    ChartServiceProcess service({}, log);
    HttpGet(service.Address("/chart?chs=100x100&cht=qr&chl=a"));
    HttpGet(service.Address("/nothing"));
    EXPECT_EQ(service.Stop(SIGTERM), 0);
    EXPECT_EQ(ReadFile(log), "");
    std::remove(log.c_str());
}

TEST(ChartServiceRuntime, RejectsUnknownOptions) {
    for (const char* options :
         {"--format jpeg", "--bogus", "--port 70000", "--port", "--eci", "--eci always"}) {
        const std::string command =
            ChartServiceProcess::BinaryPath() + " " + options + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << options;
    }
}
