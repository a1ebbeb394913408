// Opening, closing and writing over scripted in-memory peers, and the process-wide stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "MemoryConnection.h"
#include "core/TMemoryStream.h"
#include "net/HostLookUp.h"
#include "net/IdExceptions.h"
#include "platform/socket/SocketErrorNumbers.h"

namespace {

using Step = MemorySocketStack::Step;
using Call = MemorySocketStack::Call;

class RecordingClient : public TIdTCPClient {
public:
    std::vector<std::string> hooks;

protected:
    void ConnectedHook() override { hooks.push_back("connected"); }
    void DisconnectedHook() override { hooks.push_back("disconnected"); }
};

TEST(ConnectionOpen, LooksUpOnlyRealNames) {
    struct Case {
        const char* host;
        bool lookedUp;
        const char* address;
    };
    const std::vector<Case> cases = {
        {"LOCALHOST", false, "127.0.0.1"},
        {"localHost", false, "127.0.0.1"},
        {"1.2.3.4", false, "1.2.3.4"},
        {"0.0.0.0", false, "0.0.0.0"},
        {"255.255.255.255", false, "255.255.255.255"},
        {"1.2.3.256", true, "10.0.0.1"},
        {"1.2.3", true, "10.0.0.2"},
        {"host.example", true, "10.0.0.3"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.host);
        MemoryConnection peer;
        peer.stack->AddHost("1.2.3.256", "10.0.0.1");
        peer.stack->AddHost("1.2.3", "10.0.0.2");
        peer.stack->AddHost("host.example", "10.0.0.3");
        peer.client->SetHost(test.host);
        peer.client->SetPort(8421);
        peer.Open({});
        EXPECT_EQ(peer.stack->HostLookUps(), test.lookedUp ? 1 : 0);
        EXPECT_EQ(peer.stack->ConnectedTo(0).ip, test.address);
        EXPECT_EQ(peer.stack->ConnectedTo(0).port, 8421);
        EXPECT_EQ(peer.client->IOHandler()->Binding().PeerIP(), test.address);
    }
}

TEST(ConnectionOpen, AnUnknownHostGivesError11001) {
    MemoryConnection peer;
    peer.client->SetHost("no-such-host.invalid");
    try {
        peer.client->OpenConnection();
        FAIL() << "no error";
    } catch (const EIdSocketError& error) {
        EXPECT_EQ(error.LastError(), 11001);
        EXPECT_STREQ(error.what(), "Socket Error # 11001\r\nHost not found.");
    }
    EXPECT_EQ(peer.stack->OpenSockets(), 0) << "a failed open closes its socket";
    EXPECT_FALSE(peer.client->IsOpen());
}

TEST(ConnectionOpen, FailuresOfEachStep) {
    {
        MemoryConnection peer;
        peer.stack->FailNext(Call::Socket, SocketError::TooManyOpenFiles);
        EXPECT_THROW(peer.client->OpenConnection(), EIdInvalidSocket);
    }
    {
        MemoryConnection peer;
        peer.stack->FailNext(Call::Bind, SocketError::AddressInUse);
        try {
            peer.client->OpenConnection();
            FAIL() << "no error";
        } catch (const EIdCouldNotBindSocket& error) {
            EXPECT_STREQ(error.what(),
                         "Could not bind socket. Address and port are already in use.");
        }
        EXPECT_EQ(peer.stack->OpenSockets(), 0);
    }
    {
        MemoryConnection peer;
        peer.stack->FailNext(Call::Bind, SocketError::AccessDenied);
        EXPECT_THROW(peer.client->OpenConnection(), EIdSocketError);
    }
    {
        MemoryConnection peer;
        peer.stack->FailNext(Call::Connect, SocketError::ConnectionRefused);
        EXPECT_THROW(peer.client->OpenConnection(), EIdSocketError);
        EXPECT_EQ(peer.stack->OpenSockets(), 0);
        // The next attempt starts afresh.
        peer.Open({Step::Data("ok\n")});
        EXPECT_EQ(peer.client->ReadLine(), "ok");
    }
    {
        MemoryConnection peer;
        peer.stack->FailNext(Call::Connect, 0);
        peer.client->SetConnectTimeout(100);
        try {
            peer.client->OpenConnection();
            FAIL() << "no error";
        } catch (const EIdConnectTimeout& error) {
            EXPECT_STREQ(error.what(), "Connect timed out.");
        }
    }
}

TEST(ConnectionOpen, OpenTwiceAndReopenAfterClose) {
    MemoryConnection peer;
    RecordingClient client;
    client.SetHost("localhost");
    std::vector<TIdStatus> notices;
    client.OnStatus = [&](TIdStatus status, const std::string&) { notices.push_back(status); };
    peer.stack->AddPeer({Step::Data("a\nleft")});
    client.OpenConnection();
    try {
        client.OpenConnection();
        FAIL() << "no error";
    } catch (const EIdAlreadyConnected& error) {
        EXPECT_STREQ(error.what(), "Already connected.");
    }
    EXPECT_EQ(client.ReadLine(), "a");
    client.ReadExact(2);
    client.CloseConnection();
    EXPECT_FALSE(client.IsOpen());
    EXPECT_EQ(client.IOHandler(), nullptr);
    EXPECT_EQ(std::string(client.PendingInput().begin(), client.PendingInput().end()), "ft")
        << "unread bytes stay until the next open";

    peer.stack->AddPeer({Step::Data("b\n")});
    client.OpenConnection();
    EXPECT_TRUE(client.PendingInput().empty());
    EXPECT_FALSE(client.PeerClosed());
    EXPECT_EQ(client.ReadLine(), "b");
    EXPECT_EQ(peer.stack->Connections(), 2u);
    EXPECT_EQ(client.hooks, (std::vector<std::string>{"connected", "disconnected", "connected"}));
    EXPECT_EQ(notices.front(), TIdStatus::hsResolving);
    EXPECT_NE(std::find(notices.begin(), notices.end(), TIdStatus::hsConnected), notices.end());
}

TEST(ConnectionOpen, APeerCloseIsSettledOnce) {
    MemoryConnection peer;
    RecordingClient client;
    client.SetHost("localhost");
    peer.stack->AddPeer({Step::Close()});
    client.OpenConnection();
    client.PollForClose();
    EXPECT_FALSE(client.IsOpen());
    EXPECT_FALSE(client.IsOpen());
    EXPECT_EQ(client.hooks, (std::vector<std::string>{"connected", "disconnected"}));
    EXPECT_THROW(client.ReadLine(), EIdConnClosedGracefully);
    EXPECT_THROW(client.SendBytes("x"), EIdConnClosedGracefully);
}

TEST(ConnectionOpen, NagleIsSwitchedOffOnlyWhenAsked) {
    MemoryConnection peer;
    peer.client->SetUseNagle(false);
    peer.Open({});
    EXPECT_FALSE(peer.client->IOHandler()->UseNagle());
}

TEST(ConnectionWrite, BatchesLinesAndStreams) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({});
    peer.stack->SetSendPieceSize(3);  // partial sends go on until all is out
    client.OpenOutputBatch();
    client.WriteLine("POST /x HTTP/1.0");
    client.WriteLine("");
    EXPECT_EQ(peer.stack->Sent(0), "") << "collected until the batch closes";
    client.CloseOutputBatch();
    EXPECT_FALSE(client.OutputBatchOpen());
    EXPECT_EQ(peer.stack->Sent(0), "POST /x HTTP/1.0\r\n\r\n");

    TMemoryStream body;
    body.WriteBuffer("product_id=21", 13);
    client.SetSendBufferSize(5);
    client.SendStream(body);
    EXPECT_EQ(peer.stack->Sent(0), "POST /x HTTP/1.0\r\n\r\nproduct_id=21");

    client.OpenOutputBatch(4);
    client.SendBytes("ab");
    client.SendBytes("cd");
    EXPECT_EQ(peer.stack->Sent(0).substr(33), "abcd") << "flushed at the threshold";
    client.SendBytes("e");
    client.SendBytes("now", true);
    client.CancelOutputBatch();
    EXPECT_EQ(peer.stack->Sent(0).substr(33), "abcdnow");
    client.SendBytes("");
}

TEST(ConnectionWrite, SendErrorsCloseAndRaise) {
    for (const int error : {SocketError::Shutdown, SocketError::ConnectionAborted,
                            SocketError::ConnectionReset, SocketError::NetworkDown}) {
        SCOPED_TRACE(error);
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({});
        peer.stack->FailNext(Call::Send, error);
        try {
            client.WriteLine("x");
            FAIL() << "no error";
        } catch (const EIdSocketError& raised) {
            EXPECT_EQ(raised.LastError(), error);
        }
        const bool tolerated = error != SocketError::NetworkDown;
        EXPECT_EQ(peer.stack->OpenSockets(), tolerated ? 0 : 1);
    }
}

TEST(ConnectionWrite, AStreamThatYieldsNothing) {
    class EmptyReads : public TMemoryStream {
    public:
        using TMemoryStream::TMemoryStream;
        std::size_t Read(void*, std::size_t) override { return 0; }
    };
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({});
    EmptyReads stream(std::vector<std::uint8_t>(10, 'x'));
    try {
        client.SendStream(stream);
        FAIL() << "no error";
    } catch (const EIdNoDataToRead& error) {
        EXPECT_STREQ(error.what(), "No data to read.");
    }
}

TEST(SocketStack, OneStackWhileAnyHolderLivesAndOneStartUp) {
    const int startUps = StackLock::StartUpCount();
    {
        MemoryConnection peer;
        peer.Open({});
        TIdTCPClient second;
        EXPECT_GE(StackLock::HolderCount(), 2);
    }
    EXPECT_EQ(StackLock::HolderCount(), 0);
    EXPECT_LE(StackLock::StartUpCount(), 1);
    EXPECT_GE(StackLock::StartUpCount(), startUps);
}

TEST(SocketStack, ClientsComeAndGoOnSeveralThreads) {
    // The update check and connection checks create and free their clients at the same time.
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 4; ++worker) {
        workers.emplace_back([] {
            for (int round = 0; round < 500; ++round) {
                TIdTCPClient client;
                client.SetHost("localhost");
            }
        });
    }
    for (std::thread& worker : workers) worker.join();
    EXPECT_EQ(StackLock::HolderCount(), 0);
    EXPECT_EQ(StackLock::StartUpCount(), 1);
}

}  // namespace
