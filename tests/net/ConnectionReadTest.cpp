// The connection's reads over scripted in-memory peers: receives split anywhere, closes,
// errors and interrupted calls, without a network or a clock.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "MemoryConnection.h"
#include "core/TMemoryStream.h"
#include "net/IdExceptions.h"
#include "platform/socket/SocketErrorNumbers.h"

namespace {

using Step = MemorySocketStack::Step;

std::string Text(const TIdBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

struct LineCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> lines;
    std::string pendingAfter;
};

TEST(ConnectionReadLine, CutsLinesHoweverTheBytesArrive) {
    const std::vector<LineCase> cases = {
        {"one receive, several lines", {Step::Data("a\r\nbb\ncc\r\n")}, {"a", "bb", "cc"}, ""},
        {"CR LF across receives",
         {Step::Data("abc\r"), Step::Data("\ndef\r\n")},
         {"abc", "def"},
         ""},
        {"byte by byte",
         {Step::Data("x"), Step::Data("y"), Step::Data("\r"), Step::Data("\n"), Step::Data("z\n")},
         {"xy", "z"},
         ""},
        {"bytes after the last line stay pending", {Step::Data("a\nrest")}, {"a"}, "rest"},
        {"a lone CR is kept", {Step::Data("a\rb\n")}, {"a\rb"}, ""},
        {"only the CR next to the LF goes", {Step::Data("a\r\r\n")}, {"a\r"}, ""},
        {"empty lines", {Step::Data("\r\n\n")}, {"", ""}, ""},
        {"interrupted waits and receives are retried",
         {Step::Interrupt(), Step::Data("ab"), Step::Interrupt(), Step::Data("c\n")},
         {"abc"},
         ""},
    };
    for (const LineCase& test : cases) {
        SCOPED_TRACE(test.name);
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open(test.steps);
        for (const std::string& line : test.lines) EXPECT_EQ(client.ReadLine(), line);
        EXPECT_EQ(Text(client.PendingInput()), test.pendingAfter);
    }
}

TEST(ConnectionReadLine, AReplyInOneReceiveNeedsNoFurtherReceive) {
    MemoryConnection peer;
    TIdTCPClient& client =
        peer.Open({Step::Data("HTTP/1.0 200 OK\r\nA: b\r\n\r\n"), Step::Close()});
    EXPECT_EQ(client.ReadLine(), "HTTP/1.0 200 OK");
    EXPECT_EQ(client.ReadLine(), "A: b");
    EXPECT_EQ(client.ReadLine(), "");
    EXPECT_EQ(peer.stack->WaitLimits().size(), 1u);
    EXPECT_FALSE(client.PeerClosed()) << "the close is only seen by the next receive";
}

TEST(ConnectionReadLine, ACloseInTheMiddleOfALine) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("full\npart"), Step::Close()});
    EXPECT_EQ(client.ReadLine(), "full");
    // The close comes while the line waits for its end: an empty line, the part stays.
    EXPECT_EQ(client.ReadLine(), "");
    EXPECT_EQ(Text(client.PendingInput()), "part");
    EXPECT_FALSE(client.IsOpen());
    // Seen before: the next read raises.
    EXPECT_THROW(client.ReadLine(), EIdConnClosedGracefully);
}

TEST(ConnectionReadLine, LineLengthLimitJustBelowAtAndAbove) {
    for (const std::size_t length : {16383u, 16384u, 16385u}) {
        SCOPED_TRACE(length);
        MemoryConnection peer;
        const std::string line(length, 'x');
        TIdTCPClient& client =
            peer.Open({Step::Data(line.substr(0, 5000)), Step::Data(line.substr(5000) + "\n")});
        if (length <= 16384) {
            EXPECT_EQ(client.ReadLine(), line);
        } else {
            EXPECT_THROW(client.ReadLine(), EIdReadLnMaxLineLengthExceeded);
        }
    }
    // A carriage return counts towards the limit.
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data(std::string(16384, 'y') + "\r\n")});
    EXPECT_THROW(client.ReadLine(), EIdReadLnMaxLineLengthExceeded);
}

TEST(ConnectionReadLine, LongLinesWithoutTheirEndAreNotWaitedFor) {
    MemoryConnection peer;
    // More than the maximum pending and no line feed yet: raise at once, with no wait for
    // the rest that never comes.
    TIdTCPClient& client = peer.Open({Step::Data(std::string(20000, 'z')), Step::Silence()});
    EXPECT_THROW(client.ReadLine(), EIdReadLnMaxLineLengthExceeded);
}

TEST(ConnectionReadLine, SplitModeReturnsTheFirstPieces) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("abcdefgh\n")});
    client.SetMaxLineAction(TIdMaxLineAction::maSplit);
    client.SetMaxLineLength(3);
    EXPECT_EQ(client.ReadLine(), "abc");
    EXPECT_EQ(client.ReadLine(), "def");
    EXPECT_EQ(client.ReadLine(), "gh");
}

TEST(ConnectionReadLine, OtherTerminators) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("a--b-"), Step::Data("-c\r\n")});
    EXPECT_EQ(client.ReadLine("--"), "a");
    EXPECT_EQ(client.ReadLine("--"), "b") << "a terminator split across receives";
    EXPECT_EQ(client.ReadLine(""), "c") << "empty is a line feed";
}

TEST(ConnectionReadLine, TimeOutsRaiseOnlyWithTheDefaultLimit) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Silence(), Step::Silence(), Step::Data("late\n")});
    client.SetReadTimeout(2000);
    EXPECT_THROW(client.ReadLine(), EIdReadTimeout);
    EXPECT_EQ(client.ReadLine("\n", 50), "") << "an explicit limit ends quietly";
    EXPECT_EQ(client.ReadLine(), "late");
    EXPECT_EQ(peer.stack->WaitLimits(), (std::vector<int>{2000, 50, 2000}));
}

TEST(ConnectionReadLine, ReadTimeoutZeroWaitsWithoutLimit) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("x\n")});
    EXPECT_EQ(client.ReadLine(), "x");
    EXPECT_EQ(peer.stack->WaitLimits(), (std::vector<int>{-1}));
}

TEST(ConnectionRead, TheDeadlineCutsWaitsAndEndsReadsAndConnects) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("a\n"), Step::Data("b\n")});
    client.SetReadTimeout(2000);
    client.SetDeadlineAfter(60000);
    EXPECT_EQ(client.ReadLine(), "a");
    EXPECT_EQ(peer.stack->WaitLimits().back(), 2000) << "the nearer limit wins";
    client.SetDeadlineAfter(50);
    client.ReadExact(1);
    EXPECT_LE(peer.stack->WaitLimits().back(), 50);
    // Once passed, no read waits, however ready the peer is.
    client.SetDeadline(TIdTCPConnection::Clock::now() - std::chrono::milliseconds(1));
    EXPECT_EQ(Text(client.ReadExact(1)), "\n") << "bytes that came stay readable";
    EXPECT_THROW(client.ReadExact(1), EIdReadTimeout);
    EXPECT_NO_THROW(client.PollForClose());
    client.CloseConnection();
    EXPECT_THROW(client.OpenConnection(), EIdConnectTimeout);
    client.ClearDeadline();
    EXPECT_NO_THROW(client.OpenConnection());
}

TEST(ConnectionRead, ReadExactAcrossPieces) {
    MemoryConnection peer;
    TIdTCPClient& client =
        peer.Open({Step::Data("ab"), Step::Data("cde"), Step::Data("fghij"), Step::Close()});
    EXPECT_TRUE(client.ReadExact(0).empty());
    EXPECT_TRUE(client.ReadExact(-5).empty());
    EXPECT_EQ(Text(client.ReadExact(4)), "abcd");
    EXPECT_EQ(Text(client.ReadExact(4)), "efgh");
    EXPECT_THROW(client.ReadExact(4), EIdConnClosedGracefully);
    EXPECT_EQ(Text(client.PendingInput()), "ij") << "pending input survives failures";
}

TEST(ConnectionRead, ReadToStreamWithACount) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("head\nbo"), Step::Data("dy-and-more")});
    client.SetRecvBufferSize(4);
    EXPECT_EQ(client.ReadLine(), "head");
    TMemoryStream stream;
    stream.WriteBuffer("pre:", 4);
    client.ReadToStream(stream, 7, false);
    EXPECT_EQ(stream.ToString(), "pre:body-an");
    EXPECT_EQ(stream.Position(), 11);
    EXPECT_EQ(Text(client.PendingInput()), "d-m") << "a receive is 4 bytes at most";
}

TEST(ConnectionRead, ReadToStreamUntilClosed) {
    MemoryConnection peer;
    TIdTCPClient& client =
        peer.Open({Step::Data("one "), Step::Data("two "), Step::Data("three"), Step::Close()});
    client.SetRecvBufferSize(3);
    TMemoryStream stream;
    client.ReadToStream(stream, -1, true);
    EXPECT_EQ(stream.ToString(), "one two three");
    EXPECT_FALSE(client.IsOpen());
}

TEST(ConnectionRead, ACloseBeforeTheCountCutsAtTheLastWholePiece) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("0123456789"), Step::Close()});
    client.SetRecvBufferSize(4);
    TMemoryStream stream;
    EXPECT_THROW(client.ReadToStream(stream, 20, false), EIdConnClosedGracefully);
    EXPECT_EQ(stream.ToString(), "01234567");
    EXPECT_EQ(stream.Size(), 8) << "the growth in advance is undone";
}

TEST(ConnectionRead, AnAnnouncedCountIsNotTrusted) {
    // A Content-Length of 10^18 must allocate nothing it does not receive.
    for (const bool untilClosed : {false, true}) {
        SCOPED_TRACE(untilClosed);
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({Step::Data("tiny"), Step::Close()});
        TMemoryStream stream;
        if (untilClosed) {
            client.ReadToStream(stream, 1000000000000000000LL, true);
            EXPECT_EQ(stream.ToString(), "tiny");
        } else {
            EXPECT_THROW(client.ReadToStream(stream, 1000000000000000000LL, false),
                         EIdConnClosedGracefully);
            EXPECT_EQ(stream.Size(), 0);
        }
    }
}

TEST(ConnectionRead, PollForCloseNoticesACloseAndKeepsBytes) {
    {
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({Step::Data("left"), Step::Close()});
        EXPECT_TRUE(client.IsOpen());
        client.PollForClose();
        EXPECT_TRUE(client.IsOpen());
        EXPECT_EQ(Text(client.PendingInput()), "left");
        client.PollForClose();
        EXPECT_FALSE(client.IsOpen());
        EXPECT_EQ(peer.stack->WaitLimits(), (std::vector<int>{1, 1}));
    }
    MemoryConnection quiet;
    TIdTCPClient& silent = quiet.Open({Step::Silence(), Step::Data("x\n")});
    EXPECT_NO_THROW(silent.PollForClose()) << "a time-out raises nothing";
    EXPECT_TRUE(silent.IsOpen());
}

TEST(ConnectionRead, ReceiveErrors) {
    {
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({Step::Error(SocketError::ConnectionReset)});
        try {
            client.ReadLine();
            FAIL() << "no error";
        } catch (const EIdSocketError& error) {
            EXPECT_EQ(error.LastError(), 10054);
            EXPECT_STREQ(error.what(), "Socket Error # 10054\r\nConnection reset by peer.");
        }
    }
    {
        // A tolerated abort with nothing pending raises; the socket is closed either way.
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({Step::Error(SocketError::ConnectionAborted)});
        EXPECT_THROW(client.ReadExact(1), EIdSocketError);
        EXPECT_EQ(peer.stack->OpenSockets(), 0);
    }
    {
        // With bytes pending it counts as a close.
        MemoryConnection peer;
        TIdTCPClient& client = peer.Open({Step::Data("part"), Step::Error(SocketError::Shutdown)});
        EXPECT_EQ(client.ReadLine(), "");
        EXPECT_EQ(Text(client.PendingInput()), "part");
        EXPECT_FALSE(client.IsOpen());
    }
}

TEST(ConnectionRead, AsciiFilterClearsTheTopBit) {
    MemoryConnection peer;
    TIdTCPClient& client = peer.Open({Step::Data("\xC1\xE2\n")});
    client.SetASCIIFilter(true);
    EXPECT_EQ(client.ReadLine(), "Ab");
}

TEST(ConnectionRead, ReadsOnAConnectionNeverOpened) {
    MemoryConnection peer;
    TMemoryStream stream;
    EXPECT_THROW(peer.client->ReadLine(), EIdNotConnected);
    EXPECT_THROW(peer.client->ReadExact(1), EIdNotConnected);
    EXPECT_THROW(peer.client->SendBytes("x"), EIdNotConnected);
    EXPECT_FALSE(peer.client->IsOpen());
    EXPECT_NO_THROW(peer.client->PollForClose());
    try {
        peer.client->ReadLine();
    } catch (const EIdException& error) {
        EXPECT_STREQ(error.what(), "Not Connected");
    }
}

}  // namespace
