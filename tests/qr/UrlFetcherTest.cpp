#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

#include "ChartServiceProcess.h"
#include "QrTestTools.h"
#include "ScriptedServer.h"
#include "core/TMemoryStream.h"
#include "qr/UrlFetcher.h"

namespace {

// The system proxy settings are the environment's; these tests talk to loopback directly
// unless they set a proxy themselves.
class UrlFetcher : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                 "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
            unsetenv(name);
        }
    }
};

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) % 256);
    return bytes;
}

std::string Reply(std::string_view status, std::string_view body,
                  std::string_view extraHeaders = "") {
    return std::string("HTTP/1.1 ") + std::string(status) +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
           std::string(extraHeaders) + "\r\n" + std::string(body);
}

std::string Fetch(const std::string& url, const FetchLimits& limits = {}) {
    TMemoryStream stream;
    FetchUrlToStream(url, stream, limits);
    return stream.ToString();
}

// A stream that runs out of memory once it holds limit bytes.
class ExhaustedStream : public TMemoryStream {
public:
    explicit ExhaustedStream(std::size_t limit) : limit_(limit) {}
    std::size_t Write(const void* buffer, std::size_t count) override {
        if (Size() + static_cast<std::int64_t>(count) > static_cast<std::int64_t>(limit_))
            throw std::bad_alloc();
        return TMemoryStream::Write(buffer, count);
    }

private:
    std::size_t limit_;
};

// A loopback port on which nothing listens: the socket is bound but never listening, so
// connections are refused for as long as it is held.
class RefusingPort {
public:
    RefusingPort() {
        socket_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~RefusingPort() { close(socket_); }
    int Port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

}  // namespace

TEST_F(UrlFetcher, DeliversThePictureOfTheChartService) {
    ChartServiceProcess service;
    TMemoryStream stream;
    FetchUrlToStream(service.Address("/chart?chs=200x200&cht=qr&chld=M&chl=Hello+World&chof=png"),
                     stream);
    const std::string png = stream.ToString();
    const auto header = ReadPngHeader(png);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->width, 200u);
    EXPECT_EQ(header->height, 200u);
    EXPECT_EQ(ScanQr(png), "Hello World");
}

TEST_F(UrlFetcher, SeveralThreadsFetchAtOnce) {
    // Each test runs in its own process under ctest, so the library is started here by
    // whichever thread comes first.
    ChartServiceProcess service;
    std::vector<std::string> pictures(6);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        threads.emplace_back([&, i] {
            TMemoryStream stream;
            FetchUrlToStream(
                service.Address("/chart?chs=150x150&cht=qr&chl=thread+" + std::to_string(i)),
                stream);
            pictures[i] = stream.ToString();
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(ScanQr(pictures[i]), "thread " + std::to_string(i));
    }
}

TEST_F(UrlFetcher, DeliversTheBodyOfAnErrorStatus) {
    const std::string page = "<html><body>Bad chart request</body></html>";
    ScriptedServer server([&](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket,
                                Reply("400 Bad Request", page, "Content-Type: text/html\r\n"));
    });
    EXPECT_EQ(Fetch(server.Address("/chart?chs=1x1")), page);

    ChartServiceProcess service;
    const std::string servicePage = Fetch(service.Address("/chart?chs=200x200&cht=bar&chl=a"));
    EXPECT_NE(servicePage.find("400 Bad Request"), std::string::npos);
    EXPECT_FALSE(IsPng(servicePage));
}

TEST_F(UrlFetcher, FollowsRedirectsAndKeepsTheirCookies) {
    ScriptedServer server([](ScriptedServer&, int socket, const std::string& head) {
        if (head.rfind("GET /start ", 0) == 0) {
            ScriptedServer::SendAll(socket,
                                    Reply("302 Found", "moved",
                                          "Location: /middle\r\nSet-Cookie: visit=1; Path=/\r\n"));
        } else if (head.rfind("GET /middle ", 0) == 0) {
            ScriptedServer::SendAll(socket,
                                    Reply("301 Moved Permanently", "", "Location: /final?x=1\r\n"));
        } else {
            ScriptedServer::SendAll(socket, Reply("200 OK", "final body"));
        }
    });
    EXPECT_EQ(Fetch(server.Address("/start")), "final body");
    const auto heads = server.RequestHeads();
    ASSERT_EQ(heads.size(), 3u);
    EXPECT_EQ(heads[2].rfind("GET /final?x=1 HTTP/1.1\r\n", 0), 0u);
    EXPECT_NE(heads[2].find("Cookie: visit=1\r\n"), std::string::npos);
}

TEST_F(UrlFetcher, AsksForAFreshReply) {
    ScriptedServer server([](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, Reply("200 OK", "fresh"));
    });
    EXPECT_EQ(Fetch(server.Address("/chart?chl=a")), "fresh");
    ASSERT_EQ(server.RequestHeads().size(), 1u);
    const std::string head = server.RequestHeads()[0];
    EXPECT_EQ(head.rfind("GET /chart?chl=a HTTP/1.1\r\n", 0), 0u);
    EXPECT_NE(head.find("\r\nCache-Control: no-cache\r\n"), std::string::npos);
    EXPECT_NE(head.find("\r\nPragma: no-cache\r\n"), std::string::npos);
}

TEST_F(UrlFetcher, LargeBodiesArriveCompleteAndInOrder) {
    const std::string body = Pattern(3 * 1024 * 1024 + 12345);
    ScriptedServer server([&](ScriptedServer&, int socket, const std::string& head) {
        const bool chunked = head.find("/chunked") != std::string::npos;
        ScriptedServer::SendAll(
            socket, chunked ? "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                            : "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                                  "\r\n\r\n");
        // Pieces of odd sizes, so reads end in the middle of them.
        for (std::size_t offset = 0, piece = 1; offset < body.size();
             offset += piece, piece = piece * 3 % 65521 + 1) {
            const std::string_view part = std::string_view(body).substr(offset, piece);
            if (chunked) {
                char size[32];
                std::snprintf(size, sizeof size, "%zx\r\n", part.size());
                ScriptedServer::SendAll(socket, size);
            }
            ScriptedServer::SendAll(socket, part);
            if (chunked) ScriptedServer::SendAll(socket, "\r\n");
        }
        if (chunked) ScriptedServer::SendAll(socket, "0\r\n\r\n");
    });
    const std::string plain = Fetch(server.Address("/plain"));
    EXPECT_EQ(plain.size(), body.size());
    EXPECT_TRUE(plain == body);
    const std::string chunked = Fetch(server.Address("/chunked"));
    EXPECT_EQ(chunked.size(), body.size());
    EXPECT_TRUE(chunked == body);
}

TEST_F(UrlFetcher, BodyCutPartWayKeepsWhatArrived) {
    const std::string body = Pattern(300000);
    ScriptedServer server([&](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n");
        ScriptedServer::SendAll(socket, body);
    });
    EXPECT_TRUE(Fetch(server.Address("/cut")) == body);
}

TEST_F(UrlFetcher, StalledServerIsGivenUp) {
    ScriptedServer server([](ScriptedServer& self, int socket, const std::string&) {
        // One byte of body: the stall rule looks at the transfer rate, which must stay low.
        ScriptedServer::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nf");
        while (!self.Stopping()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    });
    FetchLimits limits;
    limits.stallTimeout = std::chrono::seconds(1);
    EXPECT_EQ(Fetch(server.Address("/stall"), limits), "f");
}

TEST_F(UrlFetcher, WritesFromTheStartWithoutShorteningTheStream) {
    ScriptedServer server([](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, Reply("200 OK", "abc"));
    });
    TMemoryStream stream;
    stream.WriteBuffer("0123456789", 10);
    FetchUrlToStream(server.Address("/"), stream);
    EXPECT_EQ(stream.ToString(), "abc3456789");
    EXPECT_EQ(stream.Position(), 3);
}

TEST_F(UrlFetcher, UnresolvableHostLeavesAnEmptyStream) {
    TMemoryStream stream;
    EXPECT_NO_THROW(FetchUrlToStream("http://vexmora-chart.invalid/chart?chs=200x200", stream));
    EXPECT_EQ(stream.Size(), 0);
}

TEST_F(UrlFetcher, RefusedConnectionLeavesAnEmptyStream) {
    RefusingPort port;
    TMemoryStream stream;
    stream.WriteBuffer("old", 3);
    EXPECT_NO_THROW(
        FetchUrlToStream("http://127.0.0.1:" + std::to_string(port.Port()) + "/chart", stream));
    EXPECT_EQ(stream.ToString(), "old");
    EXPECT_EQ(stream.Position(), 0);

    EXPECT_NO_THROW(FetchUrlToStream("not a url at all", stream));
    EXPECT_NO_THROW(FetchUrlToStream("file:///etc/passwd", stream));
    EXPECT_EQ(stream.ToString(), "old");
}

TEST_F(UrlFetcher, RedirectToAnotherSchemeIsNotFollowed) {
    ScriptedServer server([](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket,
                                Reply("302 Found", "here", "Location: file:///etc/passwd\r\n"));
    });
    EXPECT_EQ(Fetch(server.Address("/")).find("root:"), std::string::npos);
}

TEST_F(UrlFetcher, MemoryExhaustionPropagates) {
    const std::string body = Pattern(200000);
    ScriptedServer server([&](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, Reply("200 OK", body));
    });
    ExhaustedStream stream(50000);
    EXPECT_THROW(FetchUrlToStream(server.Address("/big"), stream), std::bad_alloc);
    // The handle was cleaned up; the next download works as before.
    EXPECT_TRUE(Fetch(server.Address("/big")) == body);
}

TEST_F(UrlFetcher, ReplyLimitJustBelowAtAndAbove) {
    const std::string body = Pattern(100000);
    ScriptedServer server([&](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, Reply("200 OK", body));
    });
    FetchLimits limits;
    limits.maxBodySize = body.size() + 1;
    EXPECT_TRUE(Fetch(server.Address("/"), limits) == body);
    limits.maxBodySize = body.size();
    EXPECT_TRUE(Fetch(server.Address("/"), limits) == body);
    limits.maxBodySize = body.size() - 1;
    EXPECT_THROW(Fetch(server.Address("/"), limits), EReplyTooLarge);
}

TEST_F(UrlFetcher, UsesTheSystemProxy) {
    ScriptedServer proxy([](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, Reply("200 OK", "via proxy"));
    });
    setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(proxy.Port())).c_str(), 1);
    const std::string body = Fetch("http://charts.example.invalid/chart?chl=a");
    unsetenv("http_proxy");
    EXPECT_EQ(body, "via proxy");
    ASSERT_EQ(proxy.RequestHeads().size(), 1u);
    EXPECT_EQ(proxy.RequestHeads()[0].rfind(
                  "GET http://charts.example.invalid/chart?chl=a HTTP/1.1\r\n", 0),
              0u);
}
