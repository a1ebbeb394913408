#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/socket/SocketStack.h"
#include "platform/socket/SocketStackUse.h"

// One socket of the connection with its local and peer address. All platform calls go
// through the process-wide socket stack, which the handle holds while it exists.
class TIdSocketHandle {
public:
    TIdSocketHandle();
    ~TIdSocketHandle();
    TIdSocketHandle(const TIdSocketHandle&) = delete;
    TIdSocketHandle& operator=(const TIdSocketHandle&) = delete;

    // Back to no socket and empty addresses, closing a socket that is still open.
    void Reset();
    // An IPv4 stream socket; raises EIdInvalidSocket when none can be had.
    void AllocateSocket();
    // Binds to IP (any address when empty) and Port. Address in use raises
    // EIdCouldNotBindSocket, any other failure EIdSocketError.
    void Bind();
    // Connects to the peer set with SetPeer. timeoutMs of 0 or less: one blocking connect;
    // positive: EIdConnectTimeout once that many milliseconds have passed.
    void Connect(int timeoutMs);
    void SetPeer(const std::string& ip, std::uint16_t port);
    // Reads back the addresses the platform chose after connecting.
    void UpdateBindingLocal();
    void UpdateBindingPeer();
    // Marks the handle closed, shuts down sending and closes the socket; results ignored.
    void CloseSocket();
    void SetNoDelay(bool noDelay);

    // Waits for input; raises EIdConnClosedGracefully when the handle is not open. A limit
    // of TimeoutInfinite (or any negative) waits without end. Interrupted waits go on for
    // the time that is left.
    bool Readable(int timeoutMs);
    // The stack's result, retried when interrupted; -1 leaves the error in the stack. Both
    // raise EIdClosedSocket when the handle is not open.
    long Recv(void* buffer, std::size_t size);
    long Send(const void* buffer, std::size_t size);

    bool HandleAllocated() const { return handle_ != kInvalidSocket; }
    TSocket Handle() const { return handle_; }
    SocketStack& Stack() const { return stackUse_.Stack(); }

    // Local address to bind, then the one in use after connecting.
    const std::string& IP() const { return ip_; }
    void SetIP(const std::string& ip) { ip_ = ip; }
    std::uint16_t Port() const { return port_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    // The range of local ports to choose from; both 0 (the default) lets the platform pick.
    std::uint16_t ClientPortMin() const { return clientPortMin_; }
    std::uint16_t ClientPortMax() const { return clientPortMax_; }
    void SetClientPortRange(std::uint16_t low, std::uint16_t high);
    const std::string& PeerIP() const { return peerIp_; }
    std::uint16_t PeerPort() const { return peerPort_; }

private:
    SocketStackUse stackUse_;
    TSocket handle_ = kInvalidSocket;
    std::string ip_;
    std::uint16_t port_ = 0;
    std::uint16_t clientPortMin_ = 0;
    std::uint16_t clientPortMax_ = 0;
    std::string peerIp_;
    std::uint16_t peerPort_ = 0;
};
