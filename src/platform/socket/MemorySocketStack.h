#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/socket/SocketStack.h"

// A socket stack whose peers are scripts in memory. Tests and fuzzers install it (StackLock::
// Install) to drive the connection through receives split anywhere, closes, errors, time-outs
// and interrupted calls without a network or a clock.
class MemorySocketStack : public SocketStack {
public:
    // One thing the peer does, met in order by the client's waits and receives.
    struct Step {
        enum class Kind {
            Data,       // bytes that arrive together; a receive may take part of them
            Close,      // the peer closes: receives give 0 from here on
            Error,      // the next receive fails with error
            Silence,    // the next wait passes without input (its time limit ran out)
            Interrupt,  // the next wait or receive is interrupted (10004)
        };
        Kind kind = Kind::Data;
        std::string bytes;
        int error = 0;

        static Step Data(std::string bytes) { return {Kind::Data, std::move(bytes), 0}; }
        static Step Close() { return {Kind::Close, {}, 0}; }
        static Step Error(int error) { return {Kind::Error, {}, error}; }
        static Step Silence() { return {Kind::Silence, {}, 0}; }
        static Step Interrupt() { return {Kind::Interrupt, {}, 0}; }
    };

    // Platform calls that a test can make fail.
    enum class Call { Socket, Bind, Connect, Send };

    // The script of the next connection made; connections take scripts in order. A connection
    // without script finds its peer closed.
    void AddPeer(std::vector<Step> steps);
    // The next call of that kind fails with error (for Connect, TimedOut when error is 0).
    void FailNext(Call call, int error);
    // A name HostByName knows; every other name fails with 11001.
    void AddHost(const std::string& name, const std::string& address);
    // At most this many bytes per send (0: no limit), to exercise partial sends.
    void SetSendPieceSize(std::size_t size);

    // Bytes the client sent on its connection number index (0 = the first made).
    std::string Sent(std::size_t index) const;
    std::size_t Connections() const;
    int HostLookUps() const;
    int OpenSockets() const;
    // The time limits the client passed to its waits, in order.
    std::vector<int> WaitLimits() const;
    // The peer address of the connection number index, as the client connected to it.
    SocketAddress ConnectedTo(std::size_t index) const;

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
    struct Connection {
        std::deque<Step> steps;
        std::string sent;
        SocketAddress peer;
        bool open = true;
        bool connected = false;
        bool sendingShut = false;
    };

    Connection* Find(TSocket socket);
    bool TakeFailure(Call call, int& error);
    long Fail(int error);

    mutable std::mutex mutex_;
    std::deque<std::vector<Step>> scripts_;
    std::map<Call, std::deque<int>> failures_;
    std::map<std::string, std::string> hosts_;
    std::vector<Connection> connections_;
    std::vector<int> waitLimits_;
    std::size_t sendPieceSize_ = 0;
    int hostLookUps_ = 0;
    int lastError_ = 0;
};
