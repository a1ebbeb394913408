// The connection over real loopback sockets against the scripted server: refusals, peers
// that go away, stay silent, trickle or never accept, and interrupted waits.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "ScriptedServer.h"
#include "core/TMemoryStream.h"
#include "net/IdExceptions.h"
#include "net/TIdTCPClient.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A loopback socket bound to a free port; the port is closed again when it goes.
struct LoopbackSocket {
    int handle = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::uint16_t port = 0;

    LoopbackSocket() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(handle, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port = ntohs(address.sin_port);
        }
    }
    ~LoopbackSocket() { close(handle); }
};

std::uint16_t PortOf(const ScriptedServer& server) {
    return static_cast<std::uint16_t>(server.Port());
}

long ElapsedMs(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

TEST(ConnectionLoopback, ARequestWithBodyAndItsReply) {
    ScriptedServer server([](ScriptedServer&, int socket, const std::string&) {
        ScriptedServer::SendAll(socket, "HTTP/1.0 200 OK\r\nX: 1\r\n\r\nbody bytes");
    });
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(PortOf(server));
    client.SetConnectTimeout(5000);  // the bounded connect succeeds like the blocking one
    client.OpenConnection();
    const int flags = fcntl(client.IOHandler()->Binding().Handle(), F_GETFD);
    EXPECT_TRUE(flags & FD_CLOEXEC) << "a started browser must not inherit the socket";
    EXPECT_EQ(client.IOHandler()->Binding().PeerPort(), server.Port());
    EXPECT_EQ(client.IOHandler()->Binding().IP(), "127.0.0.1");

    const std::string head = "POST /requests/checkversionid.php HTTP/1.0\r\nContent-Length: 13";
    client.OpenOutputBatch();
    client.WriteLine(head);
    client.WriteLine("");
    client.CloseOutputBatch();
    TMemoryStream body;
    body.WriteBuffer("product_id=21", 13);
    client.SendStream(body);

    EXPECT_EQ(client.ReadLine(), "HTTP/1.0 200 OK");
    EXPECT_EQ(client.ReadLine(), "X: 1");
    EXPECT_EQ(client.ReadLine(), "");
    TMemoryStream reply;
    client.ReadToStream(reply, -1, true);
    EXPECT_EQ(reply.ToString(), "body bytes");
    client.CloseConnection();
    EXPECT_EQ(server.Received(0), head + "\r\n\r\nproduct_id=21");
}

TEST(ConnectionLoopback, ARefusedConnection) {
    std::uint16_t closedPort = 0;
    {
        LoopbackSocket unused;
        closedPort = unused.port;
    }
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(closedPort);
    try {
        client.OpenConnection();
        FAIL() << "connected to a closed port";
    } catch (const EIdSocketError& error) {
        EXPECT_EQ(error.LastError(), 10061);
        EXPECT_EQ(std::string(error.what()), "Socket Error # 10061\r\nConnection refused.");
    }
    EXPECT_FALSE(client.IsOpen());
}

TEST(ConnectionLoopback, SendingToAPeerThatWentLeavesTheProcessAlive) {
    // SIGPIPE keeps its default action here: only MSG_NOSIGNAL stands between a send to a
    // closed peer and the end of this test program.
    const auto previous = std::signal(SIGPIPE, SIG_DFL);
    ScriptedServer server([](ScriptedServer&, int, const std::string&) {},
                          ScriptedServerOptions{false});
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(PortOf(server));
    client.OpenConnection();
    const std::string piece(1024, 'p');
    int errorNumber = 0;
    for (int attempt = 0; attempt < 2000 && errorNumber == 0; ++attempt) {
        try {
            client.SendBytes(piece);
            std::this_thread::sleep_for(milliseconds(5));
        } catch (const EIdSocketError& error) {
            errorNumber = error.LastError();
        }
    }
    EXPECT_TRUE(errorNumber == 10054 || errorNumber == 10058) << errorNumber;
    EXPECT_FALSE(client.IsOpen()) << "a tolerated send error closes the socket";
    std::signal(SIGPIPE, previous);
}

TEST(ConnectionLoopback, ASilentPeerRunsIntoTheReadTimeout) {
    ScriptedServer server(
        [](ScriptedServer& self, int socket, const std::string&) { self.HoldUntilClosed(socket); },
        ScriptedServerOptions{false});
    TIdTCPClient client;
    client.SetHost("localhost");
    client.SetPort(PortOf(server));
    client.SetReadTimeout(200);
    client.OpenConnection();
    const auto start = Clock::now();
    try {
        client.ReadLine();
        FAIL() << "no time-out";
    } catch (const EIdReadTimeout& error) {
        EXPECT_STREQ(error.what(), "Read Timeout");
    }
    EXPECT_GE(ElapsedMs(start), 195);
    EXPECT_TRUE(client.IsOpen()) << "a time-out leaves the closing to the caller";
    client.WriteLine("bye");
    client.CloseConnection();
}

TEST(ConnectionLoopback, TheConnectLimitAgainstAListenerWithAFullBacklog) {
    LoopbackSocket listener;
    ASSERT_EQ(listen(listener.handle, 0), 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(listener.port);
    // Fill the accept queue, which nobody empties, until a connect no longer completes.
    std::vector<int> fillers;
    for (int i = 0; i < 64; ++i) {
        const int filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        fillers.push_back(filler);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        pollfd waiting{filler, POLLOUT, 0};
        if (poll(&waiting, 1, 100) == 0) break;
    }
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(listener.port);
    client.SetConnectTimeout(150);
    const auto start = Clock::now();
    try {
        client.OpenConnection();
        FAIL() << "connected to a full backlog";
    } catch (const EIdConnectTimeout& error) {
        EXPECT_STREQ(error.what(), "Connect timed out.");
    }
    EXPECT_GE(ElapsedMs(start), 145);
    EXPECT_FALSE(client.IsOpen());
    for (const int filler : fillers) close(filler);
}

TEST(ConnectionLoopback, TheDeadlineStopsAPeerThatTrickles) {
    ScriptedServer server(
        [](ScriptedServer& self, int socket, const std::string&) {
            while (!self.Stopping() && send(socket, "x", 1, MSG_NOSIGNAL) == 1) {
                std::this_thread::sleep_for(milliseconds(100));
            }
        },
        ScriptedServerOptions{false});
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(PortOf(server));
    client.SetReadTimeout(0);
    client.OpenConnection();
    client.SetDeadlineAfter(300);
    const auto start = Clock::now();
    EXPECT_THROW(client.ReadLine(), EIdReadTimeout);
    EXPECT_GE(ElapsedMs(start), 295);
    EXPECT_GE(client.PendingInput().size(), 1u) << "bytes kept coming all along";

    client.SetDeadlineAfter(200);
    TMemoryStream stream;
    EXPECT_THROW(client.ReadToStream(stream, -1, true), EIdReadTimeout);
    client.ClearDeadline();
    client.CloseConnection();
}

std::atomic<int> interruptions = 0;
void CountInterruption(int) {
    ++interruptions;
}

TEST(ConnectionLoopback, InterruptedWaitsGoOn) {
    struct sigaction action {};
    action.sa_handler = CountInterruption;  // no SA_RESTART: poll returns EINTR
    struct sigaction previous {};
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);
    std::atomic<bool> speak = false;
    ScriptedServer server(
        [&](ScriptedServer& self, int socket, const std::string&) {
            while (!speak && !self.Stopping()) std::this_thread::sleep_for(milliseconds(5));
            ScriptedServer::SendAll(socket, "line\n");
            self.HoldUntilClosed(socket);
        },
        ScriptedServerOptions{false});
    TIdTCPClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(PortOf(server));
    client.OpenConnection();
    std::promise<pthread_t> readerThread;
    auto line = std::async(std::launch::async, [&] {
        readerThread.set_value(pthread_self());
        return client.ReadLine();
    });
    const pthread_t reader = readerThread.get_future().get();
    interruptions = 0;
    while (interruptions < 3) {
        pthread_kill(reader, SIGUSR1);
        std::this_thread::sleep_for(milliseconds(10));
    }
    speak = true;
    EXPECT_EQ(line.get(), "line");
    client.CloseConnection();
    sigaction(SIGUSR1, &previous, nullptr);
}

}  // namespace
