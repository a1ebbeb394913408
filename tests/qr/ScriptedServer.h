#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// A loopback TCP server that answers each connection with a script: it reads one request
// head, records it and lets the script write whatever bytes it likes, then closes. Used to
// give the fetcher replies no well-behaved server would send.
class ScriptedServer {
public:
    // Writes the reply of one connection. The request head is passed as received.
    using Script =
        std::function<void(ScriptedServer& server, int socket, const std::string& requestHead)>;

    explicit ScriptedServer(Script script);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }
    std::string Address(std::string_view path) const;
    std::vector<std::string> RequestHeads() const;
    // True once the destructor has begun; scripts that stall poll it.
    bool Stopping() const { return stopping_; }

    // Sends all bytes, ignoring a peer that has gone.
    static void SendAll(int socket, std::string_view bytes);

private:
    void AcceptLoop();
    static std::string ReadHead(int socket);

    Script script_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    mutable std::mutex mutex_;
    std::vector<std::string> heads_;
    std::thread thread_;
};
