#include "net/TIdTCPConnection.h"

#include <algorithm>

#include "net/IdExceptions.h"
#include "net/SocketErrors.h"
#include "platform/socket/SocketErrorNumbers.h"

TIdTCPConnection::TIdTCPConnection() {
    if (!stackUse_.Available()) throw EIdStackInitializationFailed();
}

// The handler's destruction closes a socket that is still open; no hook runs from here, since
// a derived connection is already gone.
TIdTCPConnection::~TIdTCPConnection() = default;

void TIdTCPConnection::SetRecvBufferSize(int size) {
    recvBufferSize_ = std::max(size, 1);
}

void TIdTCPConnection::SetSendBufferSize(int size) {
    sendBufferSize_ = std::max(size, 1);
}

void TIdTCPConnection::SetDeadlineAfter(int milliseconds) {
    deadline_ = Clock::now() + std::chrono::milliseconds(milliseconds);
}

void TIdTCPConnection::EmitStatus(TIdStatus status, const std::string& text) {
    if (OnStatus) OnStatus(status, text);
}

TIdSocketHandle& TIdTCPConnection::PrepareHandler() {
    if (ioHandler_ && ioHandler_->Binding().HandleAllocated()) throw EIdAlreadyConnected();
    if (!ioHandler_) ioHandler_ = std::make_unique<TIdIOHandlerSocket>();
    ioHandler_->Binding().Reset();
    pendingInput_.clear();
    searchFrom_ = 0;
    peerClosed_ = false;
    return ioHandler_->Binding();
}

void TIdTCPConnection::CloseHandlerSocket() {
    if (ioHandler_) ioHandler_->Binding().CloseSocket();
}

void TIdTCPConnection::CloseConnection() {
    EmitStatus(TIdStatus::hsDisconnecting);
    if (ioHandler_) {
        peerClosed_ = true;
        CloseHandlerSocket();
        ioHandler_.reset();
    }
    DisconnectedHook();
    EmitStatus(TIdStatus::hsDisconnected);
}

bool TIdTCPConnection::IsOpen() {
    CheckPeerClosed(false);
    return ioHandler_ && ioHandler_->Binding().HandleAllocated();
}

void TIdTCPConnection::CheckPeerClosed(bool raise, bool ignorePendingInput) {
    bool closed = false;
    if (peerClosed_ || !ioHandler_) {
        if (ioHandler_ && ioHandler_->Binding().HandleAllocated()) {
            CloseHandlerSocket();
            EmitStatus(TIdStatus::hsDisconnected);
            DisconnectedHook();
        }
        closed = ioHandler_ != nullptr;
    } else {
        closed = !ioHandler_->Binding().HandleAllocated();
    }
    if (closed && raise && (pendingInput_.empty() || ignorePendingInput)) {
        throw EIdConnClosedGracefully();
    }
}

void TIdTCPConnection::PollForClose() {
    FillInput(false, 1, false);
}

bool TIdTCPConnection::DeadlinePassed() const {
    return deadline_ && Clock::now() >= *deadline_;
}

int TIdTCPConnection::EffectiveLimit(int timeout) const {
    if (timeout == TimeoutDefault) timeout = readTimeout_ == 0 ? TimeoutInfinite : readTimeout_;
    if (!deadline_) return timeout;
    const auto rest = std::chrono::ceil<std::chrono::milliseconds>(*deadline_ - Clock::now());
    const int left = static_cast<int>(std::clamp<std::int64_t>(rest.count(), 0, 0x7FFFFFFF));
    return timeout < 0 ? left : std::min(timeout, left);
}

long TIdTCPConnection::FillInput(bool raiseWhenClosed, int timeout, bool raiseOnTimeout) {
    CheckPeerClosed(raiseWhenClosed);
    if (!IsOpen()) {
        if (raiseWhenClosed) throw EIdNotConnected();
        return 0;
    }
    long received = 0;
    do {
        // Once the deadline has passed no wait starts, however ready the peer is: a peer
        // that floods must not hold the caller any more than one that trickles.
        if (raiseOnTimeout && DeadlinePassed()) throw EIdReadTimeout();
        if (!ioHandler_->Binding().Readable(EffectiveLimit(timeout))) {
            if (raiseOnTimeout) throw EIdReadTimeout();
            return -1;
        }
        received = ReceiveOnce();
        CheckPeerClosed(raiseWhenClosed);
    } while (received == 0 && IsOpen());
    return received;
}

long TIdTCPConnection::ReceiveOnce() {
    TIdSocketHandle& binding = ioHandler_->Binding();
    TIdBytes buffer(static_cast<std::size_t>(recvBufferSize_));
    long received = binding.Recv(buffer.data(), buffer.size());
    peerClosed_ = received == 0;
    if (received < 0) {
        const int tolerated = CheckSocketResult(
            binding.Stack(), received, {SocketError::Shutdown, SocketError::ConnectionAborted});
        CloseHandlerSocket();
        if (pendingInput_.empty()) throw EIdSocketError(tolerated);
        received = 0;
    }
    AppendReceived(buffer.data(), static_cast<std::size_t>(received));
    return received;
}

void TIdTCPConnection::AppendReceived(const std::uint8_t* bytes, std::size_t count) {
    const std::size_t start = pendingInput_.size();
    pendingInput_.insert(pendingInput_.end(), bytes, bytes + count);
    if (asciiFilter_) {
        for (std::size_t i = start; i < pendingInput_.size(); ++i) pendingInput_[i] &= 0x7F;
    }
}
