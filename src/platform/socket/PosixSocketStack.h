#pragma once

#include "platform/socket/SocketStack.h"

// The socket stack over POSIX sockets. Every socket is opened close-on-exec, so a browser
// started while a connection is open does not inherit it; every send passes MSG_NOSIGNAL; waits
// use poll, which has no limit on descriptor numbers; host names are resolved with the
// thread-safe getaddrinfo, since several checks may resolve at once.
class PosixSocketStack : public SocketStack {
public:
    bool StartUp() override;
    void CleanUp() override;
    TSocket Socket() override;
    int Bind(TSocket socket, const std::string& ip, std::uint16_t port) override;
    ConnectResult Connect(TSocket socket, const SocketAddress& peer, int timeoutMs) override;
    bool LocalAddress(TSocket socket, SocketAddress& address) override;
    bool PeerAddress(TSocket socket, SocketAddress& address) override;
    bool HostByName(const std::string& name, std::string& address) override;
    int WaitForInput(TSocket socket, int timeoutMs) override;
    long Receive(TSocket socket, void* buffer, std::size_t size) override;
    long Send(TSocket socket, const void* buffer, std::size_t size) override;
    void ShutdownSending(TSocket socket) override;
    void Close(TSocket socket) override;
    int SetNoDelay(TSocket socket, bool noDelay) override;
    int LastError() override;

private:
    ConnectResult ConnectWithin(TSocket socket, int timeoutMs);
    ConnectResult FinishInterruptedConnect(TSocket socket);
};
