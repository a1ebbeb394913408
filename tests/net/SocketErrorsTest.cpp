// Error numbers and their texts: the platform's errno and getaddrinfo results mapped onto
// the socket library's numbers, and the messages built from them.
#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "net/SocketErrors.h"
#include "platform/socket/PosixErrorNumbers.h"

namespace {

TEST(SocketErrors, ErrnoValuesMapByMeaning) {
    const std::vector<std::pair<int, int>> table = {
        {ECONNREFUSED, 10061}, {ETIMEDOUT, 10060},    {ENETUNREACH, 10051}, {EHOSTUNREACH, 10065},
        {ECONNRESET, 10054},   {EPIPE, 10058},        {ESHUTDOWN, 10058},   {ECONNABORTED, 10053},
        {EADDRINUSE, 10048},   {EBADF, 10009},        {EACCES, 10013},      {EINVAL, 10022},
        {EMFILE, 10024},       {EAGAIN, 10035},       {ENOTCONN, 10057},    {EINTR, 10004},
        {EINPROGRESS, 10036},  {EALREADY, 10037},     {ENOTSOCK, 10038},    {EADDRNOTAVAIL, 10049},
        {ENETDOWN, 10050},     {ENETRESET, 10052},    {ENOBUFS, 10055},     {EISCONN, 10056},
        {EHOSTDOWN, 10064},    {EAFNOSUPPORT, 10047}, {EFAULT, 10014},      {EMSGSIZE, 10040},
    };
    for (const auto& [errnoValue, number] : table) {
        EXPECT_EQ(SocketErrorFromErrno(errnoValue), number) << errnoValue;
        EXPECT_FALSE(SocketErrorText(number).empty()) << number;
    }
}

TEST(SocketErrors, HostLookUpFailures) {
    EXPECT_EQ(SocketErrorFromAddrInfo(EAI_NONAME, 0), 11001);
    EXPECT_EQ(SocketErrorFromAddrInfo(EAI_AGAIN, 0), 11001);
    EXPECT_EQ(SocketErrorFromAddrInfo(EAI_FAIL, 0), 11001);
    EXPECT_EQ(SocketErrorFromAddrInfo(EAI_MEMORY, 0), 10055);
    EXPECT_EQ(SocketErrorFromAddrInfo(EAI_SYSTEM, ECONNREFUSED), 10061);
}

TEST(SocketErrors, MessagesKeepTheLibrarysWording) {
    EXPECT_EQ(SocketErrorMessage(10061), "Socket Error # 10061\r\nConnection refused.");
    EXPECT_EQ(SocketErrorMessage(11001), "Socket Error # 11001\r\nHost not found.");
    EXPECT_EQ(SocketErrorText(10035), "Operation would block. ") << "with its trailing blank";
    EXPECT_EQ(SocketErrorText(10066), "Directory not empty") << "without a full stop";
    EXPECT_EQ(SocketErrorText(10058), "Cannot send or receive after socket is closed.");
    EXPECT_EQ(SocketErrorMessage(12345), "Socket Error # 12345\r\n") << "unknown: no text";
    EXPECT_EQ(SocketErrorText(10005), "");
    EXPECT_EQ(SocketErrorText(11002), "");
}

}  // namespace
