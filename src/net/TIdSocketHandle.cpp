#include "net/TIdSocketHandle.h"

#include <chrono>

#include "net/IdExceptions.h"
#include "net/IdGlobal.h"
#include "net/SocketErrors.h"
#include "platform/socket/SocketErrorNumbers.h"

TIdSocketHandle::TIdSocketHandle() {
    if (!stackUse_.Available()) throw EIdStackInitializationFailed();
}

TIdSocketHandle::~TIdSocketHandle() {
    CloseSocket();
}

void TIdSocketHandle::Reset() {
    CloseSocket();
    ip_.clear();
    port_ = 0;
    peerIp_.clear();
    peerPort_ = 0;
}

void TIdSocketHandle::AllocateSocket() {
    CloseSocket();
    handle_ = Stack().Socket();
    if (handle_ == kInvalidSocket) throw EIdInvalidSocket();
}

void TIdSocketHandle::Bind() {
    const int result = Stack().Bind(handle_, ip_, port_);
    if (CheckSocketResult(Stack(), result, {SocketError::AddressInUse}) != 0) {
        throw EIdCouldNotBindSocket();
    }
}

void TIdSocketHandle::Connect(int timeoutMs) {
    const ConnectResult result = Stack().Connect(handle_, {peerIp_, peerPort_}, timeoutMs);
    if (result == ConnectResult::TimedOut) throw EIdConnectTimeout();
    if (result == ConnectResult::Failed) CheckSocketResult(Stack(), -1);
}

void TIdSocketHandle::SetPeer(const std::string& ip, std::uint16_t port) {
    peerIp_ = ip;
    peerPort_ = port;
}

void TIdSocketHandle::UpdateBindingLocal() {
    SocketAddress address;
    if (Stack().LocalAddress(handle_, address)) {
        ip_ = address.ip;
        port_ = address.port;
    }
}

void TIdSocketHandle::UpdateBindingPeer() {
    SocketAddress address;
    if (Stack().PeerAddress(handle_, address)) {
        peerIp_ = address.ip;
        peerPort_ = address.port;
    }
}

void TIdSocketHandle::CloseSocket() {
    if (handle_ == kInvalidSocket) return;
    const TSocket handle = handle_;
    handle_ = kInvalidSocket;
    Stack().ShutdownSending(handle);
    Stack().Close(handle);
}

void TIdSocketHandle::SetNoDelay(bool noDelay) {
    CheckSocketResult(Stack(), Stack().SetNoDelay(handle_, noDelay));
}

void TIdSocketHandle::SetClientPortRange(std::uint16_t low, std::uint16_t high) {
    clientPortMin_ = low;
    clientPortMax_ = high;
}

bool TIdSocketHandle::Readable(int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    if (!HandleAllocated()) throw EIdConnClosedGracefully();
    const bool limited = timeoutMs >= 0;
    const auto end = Clock::now() + std::chrono::milliseconds(limited ? timeoutMs : 0);
    int limit = limited ? timeoutMs : -1;
    for (;;) {
        const int ready = Stack().WaitForInput(handle_, limit);
        if (ready >= 0) return ready == 1;
        // An interrupted wait goes on for the time that is left, and is no error.
        if (Stack().LastError() != SocketError::Interrupted) CheckSocketResult(Stack(), -1);
        if (limited) {
            const auto rest = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
            limit = rest.count() > 0 ? static_cast<int>(rest.count()) : 0;
        }
    }
}

long TIdSocketHandle::Recv(void* buffer, std::size_t size) {
    if (!HandleAllocated()) throw EIdClosedSocket();
    for (;;) {
        const long received = Stack().Receive(handle_, buffer, size);
        if (received >= 0 || Stack().LastError() != SocketError::Interrupted) return received;
    }
}

long TIdSocketHandle::Send(const void* buffer, std::size_t size) {
    if (!HandleAllocated()) throw EIdClosedSocket();
    for (;;) {
        const long sent = Stack().Send(handle_, buffer, size);
        if (sent >= 0 || Stack().LastError() != SocketError::Interrupted) return sent;
    }
}
