// The update check's two questions and the connection check's post, over a scripted loopback
// peer: which replies show the tutorial, what the version question concludes, and the bytes
// that go out.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "DeadPort.h"
#include "ScriptedServer.h"
#include "net/MakerHostQuestions.h"
#include "net/TIdHTTP.h"

namespace {

using Kind = TVersionAnswer::Kind;

std::string Reply(const std::string& body, const std::string& status = "200 OK",
                  const std::string& extraLines = {}) {
    return "HTTP/1.1 " + status + "\r\n" + extraLines +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

ScriptedServer::Script Answer(std::string reply) {
    return [reply = std::move(reply)](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, reply);
    };
}

std::string HostOf(const ScriptedServer& server) {
    return "127.0.0.1:" + std::to_string(server.Port());
}

std::string DeadHost() {
    return "127.0.0.1:" + std::to_string(DeadLoopbackPort());
}

// The head the update check sends, byte for byte.
std::string UpdateCheckHead(const std::string& script, const std::string& host,
                            const std::string& cookieLines = {}) {
    return "POST " + script +
           " HTTP/1.0\r\n"
           "Connection: keep-alive\r\n"
           "Content-Type: application/x-www-form-urlencoded\r\n"
           "Content-Length: 13\r\n"
           "Host: " +
           host +
           "\r\n"
           "Accept: text/html, */*\r\n"
           "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)\r\n" +
           cookieLines + "\r\n";
}

// The update check over the peer, noting whether and when the tutorial was shown.
struct UpdateRun {
    TVersionAnswer answer;
    bool tutorialShown = false;
    std::size_t requestsBeforeTutorial = 0;
};

UpdateRun RunUpdate(ScriptedServer& server, const std::string& installed = "1.2",
                    const std::string& host = {}) {
    UpdateRun run;
    TIdHTTP http;
    ApplyCheckTimeLimits(http, {5000, 10000});
    run.answer = AskUpdateQuestions(http, host.empty() ? HostOf(server) : host, installed, [&] {
        run.tutorialShown = true;
        run.requestsBeforeTutorial = server.ConnectionsServed();
    });
    return run;
}

TEST(UpdateQuestions, TutorialRepliesOtherThanExactlyFalseShowTheEntries) {
    const struct {
        const char* reply;
        bool shown;
    } cases[] = {{"false", false},    {"", true},       {"False", true},
                 {"false\r\n", true}, {" false", true}, {"dQw4w9WgXcQ", true}};
    for (const auto& c : cases) {
        ScriptedServer server({Answer(Reply(c.reply)), Answer(Reply("false"))});
        const UpdateRun run = RunUpdate(server);
        EXPECT_EQ(run.tutorialShown, c.shown) << '"' << c.reply << '"';
        // Shown between the questions: the version question was not asked yet.
        if (c.shown) {
            EXPECT_EQ(run.requestsBeforeTutorial, 1U) << c.reply;
        }
        EXPECT_EQ(run.answer.kind, Kind::NoInformation) << c.reply;
        EXPECT_EQ(server.ConnectionsServed(), 2U);
    }
}

TEST(UpdateQuestions, VersionRepliesAgainstTheInstalledVersion) {
    const struct {
        const char* installed;
        const char* reply;
        Kind kind;
        const char* shown;
    } cases[] = {
        {"1.2", "false", Kind::NoInformation, ""},
        {"1.2.0", "false", Kind::NoInformation, ""},  // not read when the host knows nothing
        {"1.2", "1.2", Kind::NotNewer, ""},
        {"1.2", "1.20", Kind::NotNewer, ""},
        {"1.2", "1.2000001", Kind::NotNewer, ""},  // the same single
        {"1.2", "1.1", Kind::NotNewer, ""},
        {"1.2", "1.21", Kind::Newer, "1.21"},
        {"1.2", " +1.3e0 ", Kind::Newer, "1.30"},
        {"0.5", ".9", Kind::Newer, ".90"},
        {"1.2", "9.9", Kind::Newer, "9.90"},
        {"1.2", "1.3\r\n", Kind::Failed, ""},
        {"1.2", "1.3\n", Kind::Failed, ""},
        {"1.2", "False", Kind::Failed, ""},
        {"1.2", "", Kind::Failed, ""},
        {"1.2", "<html>new</html>", Kind::Failed, ""},
        {"1.2", "1,3", Kind::Failed, ""},
        {"1.2", "inf", Kind::Failed, ""},
        {"1.2", "3.4e38", Kind::Newer, "339999995214436424907732413799364296704.00"},
        {"1.2", "3.5e38", Kind::Failed, ""},  // beyond single precision, not infinity
        {"1.2.0", "1.3", Kind::Failed, ""},
        {"", "1.3", Kind::Failed, ""},
    };
    for (const auto& c : cases) {
        ScriptedServer server({Answer(Reply("false")), Answer(Reply(c.reply))});
        const UpdateRun run = RunUpdate(server, c.installed);
        EXPECT_EQ(run.answer.kind, c.kind) << c.installed << " / \"" << c.reply << '"';
        EXPECT_EQ(run.answer.shownVersion, c.shown) << c.reply;
        EXPECT_FALSE(run.tutorialShown);
    }
}

// Byte for byte, in two connections: the user agent is set before the first post, and the
// cookie the first reply set goes with the second request, after the user agent.
TEST(UpdateQuestions, TheRequestsOnTheWireCarryTheFirstReplysCookie) {
    ScriptedServer server(
        {Answer(Reply("false", "200 OK",
                      "Set-Cookie: id=42; path=/\r\nSet-Cookie: other=1; domain=.example.com\r\n")),
         Answer(Reply("1.2"))});
    const UpdateRun run = RunUpdate(server);
    EXPECT_EQ(run.answer.kind, Kind::NotNewer);
    ASSERT_EQ(server.ConnectionsServed(), 2U);
    const std::string host = HostOf(server);
    EXPECT_EQ(server.Received(0),
              UpdateCheckHead("/requests/getytvideoid.php", host) + "product_id=21");
    EXPECT_EQ(server.Received(1),
              UpdateCheckHead("/requests/checkversionid.php", host, "Cookie: id=42\r\n") +
                  "product_id=21");
}

TEST(UpdateQuestions, AFailedTutorialQuestionIsSilentAndAFailedVersionQuestionIsNot) {
    {
        ScriptedServer server(
            {Answer(Reply("<html>gone</html>", "404 Not Found")), Answer(Reply("1.3"))});
        const UpdateRun run = RunUpdate(server);
        EXPECT_FALSE(run.tutorialShown);
        EXPECT_EQ(run.answer.kind, Kind::Newer);
        EXPECT_EQ(run.answer.shownVersion, "1.30");
    }
    {
        ScriptedServer server({Answer(Reply("x")), Answer(Reply("1.3", "404 Not Found"))});
        const UpdateRun run = RunUpdate(server);
        EXPECT_TRUE(run.tutorialShown);
        EXPECT_EQ(run.answer.kind, Kind::Failed);
        EXPECT_FALSE(run.answer.error.empty());
    }
    {
        // A redirect is a failure too: nothing follows it.
        ScriptedServer server({Answer(Reply("", "302 Found", "Location: /elsewhere\r\n")),
                               Answer(Reply("", "302 Found", "Location: /elsewhere\r\n"))});
        const UpdateRun run = RunUpdate(server);
        EXPECT_FALSE(run.tutorialShown);
        EXPECT_EQ(run.answer.kind, Kind::Failed);
        EXPECT_EQ(server.ConnectionsServed(), 2U);
    }
}

TEST(UpdateQuestions, ARefusedPortShowsNoTutorialAndFailsTheVersionQuestion) {
    ScriptedServer unused(Answer(Reply("false")));
    const UpdateRun run = RunUpdate(unused, "1.2", DeadHost());
    EXPECT_FALSE(run.tutorialShown);
    EXPECT_EQ(run.answer.kind, Kind::Failed);
    EXPECT_EQ(unused.ConnectionsServed(), 0U);
}

// A host that accepts and never answers ends each post at the overall deadline.
TEST(UpdateQuestions, TheDeadlineEndsASilentPeer) {
    ScriptedServer server(
        [](ScriptedServer& self, int socket, const std::string&) { self.HoldUntilClosed(socket); });
    TIdHTTP http;
    ApplyCheckTimeLimits(http, {1000, 300});
    bool shown = false;
    const auto start = std::chrono::steady_clock::now();
    const TVersionAnswer answer =
        AskUpdateQuestions(http, HostOf(server), "1.2", [&] { shown = true; });
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(shown);
    EXPECT_EQ(answer.kind, Kind::Failed);
    EXPECT_EQ(server.ConnectionsServed(), 2U);
    EXPECT_GE(elapsed, std::chrono::milliseconds(600));
    // Far below the default limits: the shortened deadline ended both posts.
    EXPECT_LT(elapsed, std::chrono::seconds(20));
}

TEST(ConnectionCheckPost, OnlyWhetherThePostSucceededCounts) {
    const struct {
        std::string reply;
        bool succeeded;
    } cases[] = {{Reply("false"), true},
                 {Reply(""), true},
                 {Reply("<html>not a version</html>"), true},
                 {Reply("x", "404 Not Found"), false},
                 {Reply("x", "500 Internal Server Error"), false},
                 {Reply("", "301 Moved Permanently", "Location: /\r\n"), false},
                 {"HTTP/1.1 2", false}};
    for (const auto& c : cases) {
        ScriptedServer server(Answer(c.reply));
        TIdHTTP http;
        EXPECT_EQ(PostConnectionCheck(http, HostOf(server)), c.succeeded) << c.reply;
        ASSERT_EQ(server.ConnectionsServed(), 1U);
        // The client's own user agent, no cookie.
        EXPECT_EQ(server.Received(0),
                  "POST /requests/checkversionid.php HTTP/1.0\r\n"
                  "Connection: keep-alive\r\n"
                  "Content-Type: application/x-www-form-urlencoded\r\n"
                  "Content-Length: 13\r\n"
                  "Host: " +
                      HostOf(server) +
                      "\r\n"
                      "Accept: text/html, */*\r\n"
                      "User-Agent: Mozilla/3.0 (compatible; Vexmora HTTP Client)\r\n"
                      "\r\n"
                      "product_id=21");
    }
    TIdHTTP http;
    EXPECT_FALSE(PostConnectionCheck(http, DeadHost()));
}

TEST(ConnectionCheckPost, TheDeadlineEndsASilentPeer) {
    ScriptedServer server(
        [](ScriptedServer& self, int socket, const std::string&) { self.HoldUntilClosed(socket); });
    TIdHTTP http;
    ApplyCheckTimeLimits(http, {1000, 200});
    EXPECT_FALSE(PostConnectionCheck(http, HostOf(server)));
}

TEST(CheckTimeLimits, DefaultsAreThirtySecondsToConnectAndSixtyInAll) {
    TIdHTTP http;
    ApplyCheckTimeLimits(http, TCheckTimeLimits{});
    EXPECT_EQ(http.ConnectTimeout(), 30000);
    EXPECT_EQ(http.RequestTimeout, 60000);
}

}  // namespace
