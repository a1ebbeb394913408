// The client's request cycle over scripted in-memory peers and loopback: the endpoint, the
// connection's fate after each reply, protocol errors and the optional time limits.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "HttpMemoryPeer.h"
#include "ScriptedServer.h"
#include "core/TMemoryStream.h"
#include "net/IdHTTPExceptions.h"
#include "net/TIdCookieManager.h"

namespace {

using Step = MemorySocketStack::Step;

const std::string kOk = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

TEST(HttpClient, HostLinePortAndEndpointFollowTheUrl) {
    HttpMemoryPeer peer;
    EXPECT_EQ(peer.http->CurrentTarget().PortText, "80");
    peer.AddReply(kOk);
    peer.AddReply(kOk);
    peer.AddReply(kOk);
    peer.Post("http://127.0.0.1:80/a.php");
    peer.Post("http://127.0.0.1:8080/b.php");
    // No port: the last one that is not a scheme's own stays.
    peer.Post("http://127.0.0.1/c.php");
    EXPECT_NE(peer.stack->Sent(0).find("\r\nHost: 127.0.0.1\r\n"), std::string::npos);
    EXPECT_NE(peer.stack->Sent(1).find("\r\nHost: 127.0.0.1:8080\r\n"), std::string::npos);
    EXPECT_EQ(peer.stack->ConnectedTo(0).port, 80);
    EXPECT_EQ(peer.stack->ConnectedTo(1).port, 8080);
    EXPECT_EQ(peer.stack->ConnectedTo(2).port, 8080);
}

TEST(HttpClient, BadPortsAndHttpsFailBeforeAnyConnection) {
    HttpMemoryPeer peer;
    EXPECT_THROW(peer.Post("https://127.0.0.1/x"), EIdIOHandlerPropInvalid);
    EXPECT_THROW(peer.Post("http://127.0.0.1:port/x"), EIdIntegerConvertError);
    EXPECT_THROW(peer.Post("http://127.0.0.1:70000/x"), EIdIntegerConvertError);
    EXPECT_EQ(peer.stack->Connections(), 0u);
}

TEST(HttpClient, ConnectionStaysOpenOnlyWhenTheReplyPromisesKeepAlive) {
    HttpMemoryPeer peer;
    peer.AddReply("HTTP/1.1 200 OK\r\nConnection:  KEEP-alive \r\nContent-Length: 2\r\n\r\nok",
                  false);
    EXPECT_EQ(peer.Post(), "ok");
    EXPECT_TRUE(peer.http->IsOpen());
    // The next POST closes it and opens a fresh one; HTTP/1.1 without Connection closes.
    peer.AddReply("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", false);
    EXPECT_EQ(peer.Post(), "ok");
    EXPECT_EQ(peer.stack->Connections(), 2u);
    EXPECT_FALSE(peer.http->IsOpen());
    EXPECT_EQ(peer.stack->OpenSockets(), 0);
    // A failure closes it as well, unless the reply asked to keep it.
    peer.AddReply("HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n", false);
    EXPECT_THROW(peer.Post(), EIdHTTPProtocolException);
    EXPECT_FALSE(peer.http->IsOpen());
}

TEST(HttpClient, ProtocolErrorsCarryCodeBodyAndStatusLine) {
    HttpMemoryPeer peer;
    peer.AddReply("HTTP/1.0 403 Forbidden here\r\nContent-Length: 7\r\n\r\nno way!");
    try {
        peer.Post();
        FAIL() << "a 403 was taken";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ReplyCode(), 403);
        EXPECT_EQ(error.Message(), "HTTP/1.0 403 Forbidden here");
        EXPECT_EQ(error.ReplyBody(), "no way!");
    }
    // The error body is kept as far as it came.
    peer.AddReply("HTTP/1.1 404 Not Found\r\nContent-Length: 100\r\n\r\nshort");
    try {
        peer.Post();
        FAIL() << "a 404 was taken";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ReplyBody(), "short");
    }
}

TEST(HttpClient, RequestFieldsPersistAndTheCookieStoreComesWithTheFirstReply) {
    HttpMemoryPeer peer;
    EXPECT_EQ(peer.http->CookieManager(), nullptr);
    peer.http->Request().ContentType = "text/plain";
    peer.AddReply(kOk);
    peer.Post();
    EXPECT_NE(peer.http->CookieManager(), nullptr);
    EXPECT_EQ(peer.http->Request().Connection, "keep-alive");
    EXPECT_NE(peer.stack->Sent(0).find("\r\nContent-Type: text/plain\r\n"), std::string::npos);
    EXPECT_EQ(peer.http->HopCount(), 0);
}

TEST(HttpClient, ACookieStoreTheCallerGivesIsUsedAndNotTakenOver) {
    TIdCookieManager given;
    HttpMemoryPeer other;
    other.http->SetCookieManager(&given);
    other.AddReply("HTTP/1.1 200 OK\r\nSet-Cookie: k=v\r\nContent-Length: 0\r\n\r\n");
    other.Post();
    EXPECT_EQ(given.Cookies().Count(), 1u);
}

TEST(HttpClient, LargeBodyLeavesInPiecesAfterTheHead) {
    HttpMemoryPeer peer;
    peer.AddReply(kOk);
    std::string text(70000, 'z');
    TMemoryStream body;
    body.WriteBuffer(text.data(), text.size());
    TMemoryStream sink;
    peer.http->PostStream("http://127.0.0.1/upload", body, sink);
    const std::string sent = peer.stack->Sent(0);
    EXPECT_NE(sent.find("\r\nContent-Length: 70000\r\n"), std::string::npos);
    EXPECT_EQ(sent.substr(sent.find("\r\n\r\n") + 4), text);
    EXPECT_EQ(sink.ToString(), "ok");
    // The version is put back after the POST.
    EXPECT_EQ(peer.http->ProtocolVersion, TIdHTTPProtocolVersion::pv1_1);
}

TEST(HttpClient, SilenceRaisesReadTimeoutOnlyWithALimit) {
    HttpMemoryPeer peer;
    peer.http->SetReadTimeout(50);
    peer.stack->AddPeer({Step::Data("HTTP/1.1 200 OK\r\n"), Step::Silence()});
    EXPECT_THROW(peer.Post(), EIdReadTimeout);
}

// A peer that sends a byte of its head every few milliseconds, for ever.
TEST(HttpClient, RequestTimeoutEndsACallThatAPeerTrickles) {
    ScriptedServer server([](ScriptedServer& self, int socket, const std::string&) {
        const std::string head = "HTTP/1.1 200 OK\r\nX-Slow: ";
        ScriptedServer::SendAll(socket, head);
        while (!self.Stopping()) {
            ScriptedServer::SendAll(socket, "a");
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    TIdHTTP http;
    http.RequestTimeout = 300;
    std::vector<std::string> fields{"product_id=21"};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(http.PostForm(server.Address("/x"), fields), EIdReadTimeout);
    // Far below the time the peer would go on for: the limit ended the call.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_FALSE(http.IsOpen());
}

}  // namespace

namespace {

TEST(HttpClient, ACookieWithABadPortListIsDroppedAloneAndTheReplyStands) {
    HttpMemoryPeer peer;
    peer.AddReply(
        "HTTP/1.1 200 OK\r\nSet-cookie2: bad=1; Version=1; Port=\"80,x\"\r\n"
        "Set-cookie2: good=2; Version=1; Path=/\r\nContent-Length: 2\r\n\r\nok");
    EXPECT_EQ(peer.Post(), "ok");
    const auto cookies = peer.http->CookieManager()->Cookies().Snapshot();
    ASSERT_EQ(cookies.size(), 1u);
    EXPECT_EQ(cookies[0].name, "good");
}

}  // namespace
