#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The socket handle of the platform. Only the stack that made it knows what it stands for.
using TSocket = int;
inline constexpr TSocket kInvalidSocket = -1;

// An IPv4 address written as a dotted quad, and a port in host order.
struct SocketAddress {
    std::string ip;
    std::uint16_t port = 0;
};

// What a connect with a time limit came to.
enum class ConnectResult { Connected, Failed, TimedOut };

// Every platform call of the HTTP client's transport, gathered behind one interface so that
// the connection logic runs over real sockets or over a scripted in-memory peer alike.
//
// Failing calls return -1 (or false) and leave an error number for LastError() on the calling
// thread. Error numbers are those of the Windows socket library (10061 for a refused
// connection, 11001 for an unknown host), whatever the platform underneath: the messages the
// user sees are built from them. An interrupted call reports 10004; the caller retries it.
class SocketStack {
public:
    virtual ~SocketStack() = default;

    // The socket library's start-up and clean-up; each runs at most once per process.
    virtual bool StartUp() = 0;
    virtual void CleanUp() = 0;

    // An IPv4 stream socket that a started program does not inherit, or kInvalidSocket.
    virtual TSocket Socket() = 0;
    // Binds to ip (any address when empty) and port (0: the platform picks one). 0 or -1.
    virtual int Bind(TSocket socket, const std::string& ip, std::uint16_t port) = 0;
    // Connects to a dotted-quad address. A timeoutMs of 0 or less blocks until the platform
    // gives up; a positive one ends the attempt after that many milliseconds.
    virtual ConnectResult Connect(TSocket socket, const SocketAddress& peer, int timeoutMs) = 0;
    virtual bool LocalAddress(TSocket socket, SocketAddress& address) = 0;
    virtual bool PeerAddress(TSocket socket, SocketAddress& address) = 0;
    // Resolves a host name to the first IPv4 address as a dotted quad; false when it fails.
    virtual bool HostByName(const std::string& name, std::string& address) = 0;
    // Waits for input on one socket: 1 when it is readable (data, close or error pending),
    // 0 when timeoutMs (negative: no limit) passed first, -1 on failure.
    virtual int WaitForInput(TSocket socket, int timeoutMs) = 0;
    // Bytes received, 0 at the peer's close, -1 on failure.
    virtual long Receive(TSocket socket, void* buffer, std::size_t size) = 0;
    // Bytes sent, -1 on failure. A peer that has gone never ends the process.
    virtual long Send(TSocket socket, const void* buffer, std::size_t size) = 0;
    // Shuts down the sending direction; the result is of no interest to the caller.
    virtual void ShutdownSending(TSocket socket) = 0;
    virtual void Close(TSocket socket) = 0;
    // Switches send coalescing (Nagle's algorithm) off or on. 0 or -1.
    virtual int SetNoDelay(TSocket socket, bool noDelay) = 0;
    // The error number of the calling thread's last failed call.
    virtual int LastError() = 0;
};
