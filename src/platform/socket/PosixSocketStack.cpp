#include "platform/socket/PosixSocketStack.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/socket/PosixErrorNumbers.h"
#include "platform/socket/SocketErrorNumbers.h"

namespace {

// Error numbers are per thread, like the platform's own: two workers may fail at once.
thread_local int lastError = 0;

int Failed(int errnoValue) {
    lastError = SocketErrorFromErrno(errnoValue);
    return -1;
}

bool ToSockaddr(const std::string& ip, std::uint16_t port, sockaddr_in& address) {
    address = sockaddr_in{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (ip.empty()) {
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    return inet_pton(AF_INET, ip.c_str(), &address.sin_addr) == 1;
}

bool FromSockaddr(const sockaddr_in& in, SocketAddress& address) {
    char text[INET_ADDRSTRLEN] = {};
    if (!inet_ntop(AF_INET, &in.sin_addr, text, sizeof text)) return false;
    address.ip = text;
    address.port = ntohs(in.sin_port);
    return true;
}

// poll for one event, going on for the time that is left when a signal interrupts it.
int PollFor(TSocket socket, short events, int timeoutMs, short& revents) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        int left = -1;
        if (timeoutMs >= 0) {
            const auto rest = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
            left = rest.count() > 0 ? static_cast<int>(rest.count()) : 0;
        }
        pollfd waiting{socket, events, 0};
        const int ready = poll(&waiting, 1, left);
        if (ready >= 0) {
            revents = waiting.revents;
            return ready;
        }
        if (errno != EINTR) return Failed(errno);
    }
}

}  // namespace

bool PosixSocketStack::StartUp() {
    return true;
}

void PosixSocketStack::CleanUp() {}

TSocket PosixSocketStack::Socket() {
    const int handle = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (handle < 0) {
        Failed(errno);
        return kInvalidSocket;
    }
    return handle;
}

int PosixSocketStack::Bind(TSocket socket, const std::string& ip, std::uint16_t port) {
    sockaddr_in address{};
    if (!ToSockaddr(ip, port, address)) return Failed(EINVAL);
    if (bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return Failed(errno);
    }
    return 0;
}

ConnectResult PosixSocketStack::Connect(TSocket socket, const SocketAddress& peer, int timeoutMs) {
    sockaddr_in address{};
    if (!ToSockaddr(peer.ip, peer.port, address)) {
        Failed(EINVAL);
        return ConnectResult::Failed;
    }
    if (timeoutMs > 0) {
        const int flags = fcntl(socket, F_GETFL);
        if (flags < 0 || fcntl(socket, F_SETFL, flags | O_NONBLOCK) != 0) {
            Failed(errno);
            return ConnectResult::Failed;
        }
        ConnectResult result = ConnectResult::Connected;
        if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            if (errno == EINPROGRESS || errno == EINTR) {
                result = ConnectWithin(socket, timeoutMs);
            } else {
                Failed(errno);
                result = ConnectResult::Failed;
            }
        }
        const int saved = lastError;
        fcntl(socket, F_SETFL, flags);
        lastError = saved;
        return result;
    }
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return ConnectResult::Connected;
    }
    // An interrupted blocking connect goes on in the background; wait for its outcome.
    if (errno == EINTR) return FinishInterruptedConnect(socket);
    Failed(errno);
    return ConnectResult::Failed;
}

ConnectResult PosixSocketStack::ConnectWithin(TSocket socket, int timeoutMs) {
    lastError = 0;
    short revents = 0;
    const int ready = PollFor(socket, POLLOUT, timeoutMs, revents);
    if (ready < 0) return ConnectResult::Failed;
    if (ready == 0) {
        lastError = SocketError::TimedOut;
        return ConnectResult::TimedOut;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
        Failed(errno);
        return ConnectResult::Failed;
    }
    if (error != 0) {
        Failed(error);
        return ConnectResult::Failed;
    }
    return ConnectResult::Connected;
}

ConnectResult PosixSocketStack::FinishInterruptedConnect(TSocket socket) {
    const ConnectResult result = ConnectWithin(socket, -1);
    return result == ConnectResult::TimedOut ? ConnectResult::Failed : result;
}

bool PosixSocketStack::LocalAddress(TSocket socket, SocketAddress& address) {
    sockaddr_in in{};
    socklen_t length = sizeof in;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&in), &length) != 0) {
        Failed(errno);
        return false;
    }
    return FromSockaddr(in, address);
}

bool PosixSocketStack::PeerAddress(TSocket socket, SocketAddress& address) {
    sockaddr_in in{};
    socklen_t length = sizeof in;
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&in), &length) != 0) {
        Failed(errno);
        return false;
    }
    return FromSockaddr(in, address);
}

bool PosixSocketStack::HostByName(const std::string& name, std::string& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0 || found == nullptr) {
        lastError = SocketErrorFromAddrInfo(result == 0 ? EAI_NONAME : result, errno);
        return false;
    }
    SocketAddress first;
    const bool ok = FromSockaddr(*reinterpret_cast<const sockaddr_in*>(found->ai_addr), first);
    freeaddrinfo(found);
    if (!ok) {
        lastError = SocketError::HostNotFound;
        return false;
    }
    address = first.ip;
    return true;
}

int PosixSocketStack::WaitForInput(TSocket socket, int timeoutMs) {
    short revents = 0;
    const int ready = PollFor(socket, POLLIN, timeoutMs < 0 ? -1 : timeoutMs, revents);
    // A hang-up or error counts as readable: the receive that follows reports it.
    return ready;
}

long PosixSocketStack::Receive(TSocket socket, void* buffer, std::size_t size) {
    const ssize_t received = recv(socket, buffer, size, 0);
    return received < 0 ? Failed(errno) : static_cast<long>(received);
}

long PosixSocketStack::Send(TSocket socket, const void* buffer, std::size_t size) {
    const ssize_t sent = send(socket, buffer, size, MSG_NOSIGNAL);
    return sent < 0 ? Failed(errno) : static_cast<long>(sent);
}

void PosixSocketStack::ShutdownSending(TSocket socket) {
    shutdown(socket, SHUT_WR);
}

void PosixSocketStack::Close(TSocket socket) {
    close(socket);
}

int PosixSocketStack::SetNoDelay(TSocket socket, bool noDelay) {
    const int value = noDelay ? 1 : 0;
    if (setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &value, sizeof value) != 0) {
        return Failed(errno);
    }
    return 0;
}

int PosixSocketStack::LastError() {
    return lastError;
}
