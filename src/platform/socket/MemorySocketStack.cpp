#include "platform/socket/MemorySocketStack.h"

#include <algorithm>
#include <cstring>

#include "platform/socket/SocketErrorNumbers.h"

namespace {
// Handles start above the standard streams, like the platform's.
constexpr TSocket kFirstHandle = 3;
}  // namespace

void MemorySocketStack::AddPeer(std::vector<Step> steps) {
    std::lock_guard guard(mutex_);
    scripts_.push_back(std::move(steps));
}

void MemorySocketStack::FailNext(Call call, int error) {
    std::lock_guard guard(mutex_);
    failures_[call].push_back(error);
}

void MemorySocketStack::AddHost(const std::string& name, const std::string& address) {
    std::lock_guard guard(mutex_);
    hosts_[name] = address;
}

void MemorySocketStack::SetSendPieceSize(std::size_t size) {
    std::lock_guard guard(mutex_);
    sendPieceSize_ = size;
}

std::string MemorySocketStack::Sent(std::size_t index) const {
    std::lock_guard guard(mutex_);
    std::size_t seen = 0;
    for (const Connection& connection : connections_) {
        if (connection.connected && seen++ == index) return connection.sent;
    }
    return {};
}

std::size_t MemorySocketStack::Connections() const {
    std::lock_guard guard(mutex_);
    return static_cast<std::size_t>(std::count_if(connections_.begin(), connections_.end(),
                                                  [](const Connection& c) { return c.connected; }));
}

int MemorySocketStack::HostLookUps() const {
    std::lock_guard guard(mutex_);
    return hostLookUps_;
}

int MemorySocketStack::OpenSockets() const {
    std::lock_guard guard(mutex_);
    return static_cast<int>(std::count_if(connections_.begin(), connections_.end(),
                                          [](const Connection& c) { return c.open; }));
}

std::vector<int> MemorySocketStack::WaitLimits() const {
    std::lock_guard guard(mutex_);
    return waitLimits_;
}

SocketAddress MemorySocketStack::ConnectedTo(std::size_t index) const {
    std::lock_guard guard(mutex_);
    std::size_t seen = 0;
    for (const Connection& connection : connections_) {
        if (connection.connected && seen++ == index) return connection.peer;
    }
    return {};
}

bool MemorySocketStack::StartUp() {
    return true;
}

void MemorySocketStack::CleanUp() {}

MemorySocketStack::Connection* MemorySocketStack::Find(TSocket socket) {
    const auto index = static_cast<std::size_t>(socket - kFirstHandle);
    if (socket < kFirstHandle || index >= connections_.size() || !connections_[index].open) {
        return nullptr;
    }
    return &connections_[index];
}

bool MemorySocketStack::TakeFailure(Call call, int& error) {
    auto found = failures_.find(call);
    if (found == failures_.end() || found->second.empty()) return false;
    error = found->second.front();
    found->second.pop_front();
    return true;
}

long MemorySocketStack::Fail(int error) {
    lastError_ = error;
    return -1;
}

TSocket MemorySocketStack::Socket() {
    std::lock_guard guard(mutex_);
    int error = 0;
    if (TakeFailure(Call::Socket, error)) {
        Fail(error);
        return kInvalidSocket;
    }
    connections_.emplace_back();
    return kFirstHandle + static_cast<TSocket>(connections_.size() - 1);
}

int MemorySocketStack::Bind(TSocket socket, const std::string&, std::uint16_t) {
    std::lock_guard guard(mutex_);
    int error = 0;
    if (!Find(socket)) return static_cast<int>(Fail(SocketError::BadFile));
    if (TakeFailure(Call::Bind, error)) return static_cast<int>(Fail(error));
    return 0;
}

ConnectResult MemorySocketStack::Connect(TSocket socket, const SocketAddress& peer, int) {
    std::lock_guard guard(mutex_);
    Connection* connection = Find(socket);
    if (!connection) {
        Fail(SocketError::BadFile);
        return ConnectResult::Failed;
    }
    int error = 0;
    if (TakeFailure(Call::Connect, error)) {
        Fail(error == 0 ? SocketError::TimedOut : error);
        return error == 0 ? ConnectResult::TimedOut : ConnectResult::Failed;
    }
    connection->connected = true;
    connection->peer = peer;
    if (scripts_.empty()) {
        connection->steps.push_back(Step::Close());
    } else {
        connection->steps.assign(scripts_.front().begin(), scripts_.front().end());
        scripts_.pop_front();
    }
    return ConnectResult::Connected;
}

bool MemorySocketStack::LocalAddress(TSocket socket, SocketAddress& address) {
    std::lock_guard guard(mutex_);
    if (!Find(socket)) return Fail(SocketError::BadFile) == 0;
    address = {"127.0.0.1", static_cast<std::uint16_t>(40000 + socket)};
    return true;
}

bool MemorySocketStack::PeerAddress(TSocket socket, SocketAddress& address) {
    std::lock_guard guard(mutex_);
    Connection* connection = Find(socket);
    if (!connection || !connection->connected) return Fail(SocketError::NotConnected) == 0;
    address = connection->peer;
    return true;
}

bool MemorySocketStack::HostByName(const std::string& name, std::string& address) {
    std::lock_guard guard(mutex_);
    ++hostLookUps_;
    const auto found = hosts_.find(name);
    if (found == hosts_.end()) return Fail(SocketError::HostNotFound) == 0;
    address = found->second;
    return true;
}

int MemorySocketStack::WaitForInput(TSocket socket, int timeoutMs) {
    std::lock_guard guard(mutex_);
    waitLimits_.push_back(timeoutMs);
    Connection* connection = Find(socket);
    if (!connection) return static_cast<int>(Fail(SocketError::BadFile));
    if (connection->steps.empty()) connection->steps.push_back(Step::Close());
    switch (connection->steps.front().kind) {
        case Step::Kind::Silence:
            connection->steps.pop_front();
            return 0;
        case Step::Kind::Interrupt:
            connection->steps.pop_front();
            return static_cast<int>(Fail(SocketError::Interrupted));
        default:
            return 1;
    }
}

long MemorySocketStack::Receive(TSocket socket, void* buffer, std::size_t size) {
    std::lock_guard guard(mutex_);
    Connection* connection = Find(socket);
    if (!connection) return Fail(SocketError::BadFile);
    // A receive with nothing scripted would block for ever on a real socket; here the peer
    // has simply gone.
    while (!connection->steps.empty() && connection->steps.front().kind == Step::Kind::Silence) {
        connection->steps.pop_front();
    }
    if (connection->steps.empty()) connection->steps.push_back(Step::Close());
    Step& step = connection->steps.front();
    switch (step.kind) {
        case Step::Kind::Close:
            return 0;
        case Step::Kind::Error: {
            const int error = step.error;
            connection->steps.pop_front();
            return Fail(error);
        }
        case Step::Kind::Interrupt:
            connection->steps.pop_front();
            return Fail(SocketError::Interrupted);
        default: {
            const std::size_t taken = std::min(size, step.bytes.size());
            std::memcpy(buffer, step.bytes.data(), taken);
            step.bytes.erase(0, taken);
            if (step.bytes.empty()) connection->steps.pop_front();
            return static_cast<long>(taken);
        }
    }
}

long MemorySocketStack::Send(TSocket socket, const void* buffer, std::size_t size) {
    std::lock_guard guard(mutex_);
    Connection* connection = Find(socket);
    if (!connection) return Fail(SocketError::BadFile);
    int error = 0;
    if (TakeFailure(Call::Send, error)) return Fail(error);
    if (connection->sendingShut) return Fail(SocketError::Shutdown);
    const std::size_t taken = sendPieceSize_ == 0 ? size : std::min(size, sendPieceSize_);
    connection->sent.append(static_cast<const char*>(buffer), taken);
    return static_cast<long>(taken);
}

void MemorySocketStack::ShutdownSending(TSocket socket) {
    std::lock_guard guard(mutex_);
    if (Connection* connection = Find(socket)) connection->sendingShut = true;
}

void MemorySocketStack::Close(TSocket socket) {
    std::lock_guard guard(mutex_);
    if (Connection* connection = Find(socket)) connection->open = false;
}

int MemorySocketStack::SetNoDelay(TSocket socket, bool) {
    std::lock_guard guard(mutex_);
    return Find(socket) ? 0 : static_cast<int>(Fail(SocketError::BadFile));
}

int MemorySocketStack::LastError() {
    std::lock_guard guard(mutex_);
    return lastError_;
}
