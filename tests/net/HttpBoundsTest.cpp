// The bounds on what a reply can make the client hold, each just below, at and just above.
#include <gtest/gtest.h>

#include <string>

#include "HttpMemoryPeer.h"
#include "net/HttpLimits.h"
#include "net/IdHTTPExceptions.h"

namespace {

const std::string kStatus = "HTTP/1.1 200 OK";
const std::string kLength = "Content-Length: 2";

// A 200 reply whose head (line ends not counted) holds exactly headBytes bytes in lines of
// at most 16000 bytes.
std::string ReplyWithHeadBytes(std::size_t headBytes) {
    std::string reply = kStatus + "\r\n" + kLength + "\r\n";
    std::size_t left = headBytes - kStatus.size() - kLength.size();
    while (left > 0) {
        const std::size_t line = std::min<std::size_t>(left, 16000);
        reply += "X:" + std::string(line - 2, 'a') + "\r\n";
        left -= line;
    }
    return reply + "\r\nok";
}

std::string ReplyWithHeadLines(std::size_t lines) {
    std::string reply = kStatus + "\r\n" + kLength + "\r\n";
    for (std::size_t i = 2; i < lines; ++i) reply += "X: 1\r\n";
    return reply + "\r\nok";
}

TEST(HttpBounds, ReplyHeadBytesJustBelowAtAndAbove) {
    for (const std::size_t bytes : {kMaxReplyHeadBytes - 1, kMaxReplyHeadBytes}) {
        HttpMemoryPeer peer;
        peer.AddReply(ReplyWithHeadBytes(bytes));
        EXPECT_EQ(peer.Post(), "ok") << bytes;
    }
    HttpMemoryPeer peer;
    peer.AddReply(ReplyWithHeadBytes(kMaxReplyHeadBytes + 1));
    EXPECT_THROW(peer.Post(), EIdException);
    EXPECT_FALSE(peer.http->IsOpen());
}

TEST(HttpBounds, ReplyHeadLinesJustBelowAtAndAbove) {
    for (const std::size_t lines : {kMaxReplyHeadLines - 1, kMaxReplyHeadLines}) {
        HttpMemoryPeer peer;
        peer.AddReply(ReplyWithHeadLines(lines));
        EXPECT_EQ(peer.Post(), "ok") << lines;
    }
    HttpMemoryPeer peer;
    peer.AddReply(ReplyWithHeadLines(kMaxReplyHeadLines + 1));
    try {
        peer.Post();
        FAIL() << "a head of 1001 lines was taken";
    } catch (const EIdException& error) {
        EXPECT_EQ(error.Message(), "The reply head has more than 1000 lines");
    }
}

TEST(HttpBounds, InterimRepliesJustBelowAtAndAbove) {
    for (const int interim : {kMaxInterimReplies - 1, kMaxInterimReplies, kMaxInterimReplies + 1}) {
        HttpMemoryPeer peer;
        std::string reply;
        for (int i = 0; i < interim; ++i) reply += "HTTP/1.1 100 Continue\r\n\r\n";
        peer.AddReply(reply + "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
        if (interim <= kMaxInterimReplies) {
            EXPECT_EQ(peer.Post(), "ok") << interim;
        } else {
            EXPECT_THROW(peer.Post(), EIdException);
        }
    }
}

TEST(HttpBounds, BodyByLengthJustBelowAtAndAbove) {
    for (const std::int64_t length : {kMaxReplyBody - 1, kMaxReplyBody}) {
        HttpMemoryPeer peer;
        peer.AddReply("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n" +
                      std::string(static_cast<std::size_t>(length), 'b'));
        EXPECT_EQ(peer.Post().size(), static_cast<std::size_t>(length));
    }
    // Refused before a byte of the body is read, on the success road and the error road.
    for (const std::string status : {"200 OK", "404 Not Found"}) {
        HttpMemoryPeer peer;
        peer.AddReply("HTTP/1.1 " + status +
                      "\r\nContent-Length: " + std::to_string(kMaxReplyBody + 1) + "\r\n\r\nbbbb");
        try {
            peer.Post();
            FAIL() << status;
        } catch (const EIdHTTPProtocolException&) {
            FAIL() << "the error body was read beyond the bound";
        } catch (const EIdException& error) {
            EXPECT_EQ(error.Message(), "The reply body is larger than 64 MiB");
        }
    }
}

TEST(HttpBounds, ChunkedBodyAtAndAbove) {
    {
        HttpMemoryPeer atBound;
        atBound.AddReply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4000000\r\n" +
                         std::string(static_cast<std::size_t>(kMaxReplyBody), 'c') +
                         "\r\n0\r\n\r\n");
        EXPECT_EQ(atBound.Post().size(), static_cast<std::size_t>(kMaxReplyBody));
    }

    HttpMemoryPeer above;
    above.AddReply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3FFFFFF\r\n" +
                   std::string(static_cast<std::size_t>(kMaxReplyBody - 1), 'c') +
                   "\r\n2\r\ncc\r\n0\r\n\r\n");
    EXPECT_THROW(above.Post(), EIdException);
}

TEST(HttpBounds, BodyUntilCloseAtAndAbove) {
    for (const std::int64_t length : {kMaxReplyBody, kMaxReplyBody + 1}) {
        HttpMemoryPeer peer;
        peer.AddReply("HTTP/1.0 200 OK\r\n\r\n" +
                      std::string(static_cast<std::size_t>(length), 'u'));
        if (length <= kMaxReplyBody) {
            EXPECT_EQ(peer.Post().size(), static_cast<std::size_t>(length));
        } else {
            EXPECT_THROW(peer.Post(), EIdException);
        }
    }
}

TEST(HttpBounds, ChunkSizeDigitsJustBelowAtAndAbove) {
    const auto post = [](const std::string& sizeLine) {
        HttpMemoryPeer peer;
        peer.AddReply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + sizeLine +
                      "\r\nhello\r\n0\r\n\r\n");
        return peer.Post();
    };
    EXPECT_EQ(post(std::string(14, '0') + "5"), "hello");
    EXPECT_EQ(post(std::string(15, '0') + "5"), "hello");
    EXPECT_THROW(post(std::string(16, '0') + "5"), EIdException);
    // Sixteen digits that do not fit a signed 64-bit size, and a size with other text.
    EXPECT_THROW(post("FFFFFFFFFFFFFFFF"), EIdException);
    EXPECT_THROW(post("5x"), EIdException);
    EXPECT_THROW(post(""), EIdException);
}

}  // namespace
