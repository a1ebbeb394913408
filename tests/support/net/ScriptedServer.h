#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct ScriptedServerOptions {
    // False hands each connection to its script at once, for peers that speak first or not
    // at all.
    bool readRequest = true;
};

// A loopback TCP server that answers each connection with a script, to give clients replies
// no well-behaved server would send. Connections are served one after the other: the server
// reads the request (its head, then a body of Content-Length bytes), records it and runs the
// connection's script, then closes. Every byte read from a connection is recorded.
class ScriptedServer {
public:
    // Writes the reply of one connection. The request is passed as received (head and body).
    using Script =
        std::function<void(ScriptedServer& server, int socket, const std::string& request)>;

    using Options = ScriptedServerOptions;

    // One script for every connection.
    explicit ScriptedServer(Script script, Options options = {});
    // Connection n runs scripts[n]; connections after the last run the last.
    explicit ScriptedServer(std::vector<Script> scripts, Options options = {});
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }
    std::string Address(std::string_view path) const;
    // The request heads, one per connection, in order.
    std::vector<std::string> RequestHeads() const;
    // Every byte read from connection n, request and all.
    std::string Received(std::size_t connection) const;
    std::size_t ConnectionsServed() const;
    // True once the destructor has begun; scripts that stall poll it.
    bool Stopping() const { return stopping_; }

    // Sends all bytes, ignoring a peer that has gone.
    static void SendAll(int socket, std::string_view bytes);
    // Keeps the connection open, recording what arrives, until the client closes it (or the
    // server stops).
    void HoldUntilClosed(int socket);

private:
    void AcceptLoop();
    void Serve(int socket, std::size_t index);
    std::string ReadRequest(int socket);
    // Reads up to count bytes, recording them; false when the peer closed or went quiet.
    bool ReadRecorded(int socket, char* buffer, std::size_t count, std::size_t& received);
    void Record(const char* bytes, std::size_t count);

    std::vector<Script> scripts_;
    Options options_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    mutable std::mutex mutex_;
    std::vector<std::string> heads_;
    std::vector<std::string> received_;
    std::thread thread_;
};
