#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace {

// Request heads are small; the cap keeps a runaway client from filling the test's memory.
constexpr std::size_t kMaxHead = 65536;
constexpr std::size_t kMaxBody = 16 * 1024 * 1024;
constexpr int kQuietMs = 5000;

std::size_t ContentLength(const std::string& head) {
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t at = lower.find("\r\ncontent-length:");
    if (at == std::string::npos) return 0;
    const unsigned long long length = std::strtoull(head.c_str() + at + 17, nullptr, 10);
    return static_cast<std::size_t>(std::min<unsigned long long>(length, kMaxBody));
}

}  // namespace

ScriptedServer::ScriptedServer(Script script, Options options)
    : ScriptedServer(std::vector<Script>{std::move(script)}, options) {}

ScriptedServer::ScriptedServer(std::vector<Script> scripts, Options options)
    : scripts_(std::move(scripts)), options_(options) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (scripts_.empty() || listener_ < 0 ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener_ >= 0) close(listener_);
        throw std::runtime_error("scripted server cannot listen");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { AcceptLoop(); });
}

ScriptedServer::~ScriptedServer() {
    stopping_ = true;
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
}

std::string ScriptedServer::Address(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> ScriptedServer::RequestHeads() const {
    std::lock_guard lock(mutex_);
    return heads_;
}

std::string ScriptedServer::Received(std::size_t connection) const {
    std::lock_guard lock(mutex_);
    return connection < received_.size() ? received_[connection] : std::string();
}

std::size_t ScriptedServer::ConnectionsServed() const {
    std::lock_guard lock(mutex_);
    return received_.size();
}

void ScriptedServer::SendAll(int socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void ScriptedServer::HoldUntilClosed(int socket) {
    char buffer[4096];
    while (!stopping_) {
        pollfd waiting{socket, POLLIN, 0};
        if (poll(&waiting, 1, 20) <= 0) continue;
        const ssize_t got = recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        Record(buffer, static_cast<std::size_t>(got));
    }
}

void ScriptedServer::AcceptLoop() {
    for (std::size_t index = 0; !stopping_;) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        Serve(connection, index++);
        close(connection);
    }
}

void ScriptedServer::Serve(int socket, std::size_t index) {
    {
        std::lock_guard lock(mutex_);
        received_.emplace_back();
    }
    std::string request;
    if (options_.readRequest) {
        request = ReadRequest(socket);
        std::lock_guard lock(mutex_);
        const std::size_t end = request.find("\r\n\r\n");
        heads_.push_back(end == std::string::npos ? request : request.substr(0, end + 4));
    }
    scripts_[std::min(index, scripts_.size() - 1)](*this, socket, request);
}

void ScriptedServer::Record(const char* bytes, std::size_t count) {
    std::lock_guard lock(mutex_);
    received_.back().append(bytes, count);
}

bool ScriptedServer::ReadRecorded(int socket, char* buffer, std::size_t count,
                                  std::size_t& received) {
    pollfd waiting{socket, POLLIN, 0};
    if (poll(&waiting, 1, kQuietMs) <= 0) return false;
    const ssize_t got = recv(socket, buffer, count, 0);
    if (got <= 0) return false;
    received = static_cast<std::size_t>(got);
    Record(buffer, received);
    return true;
}

std::string ScriptedServer::ReadRequest(int socket) {
    std::string request;
    char byte = 0;
    std::size_t got = 0;
    // Byte by byte, so nothing after the head is consumed before its length is known.
    while (request.size() < kMaxHead && request.find("\r\n\r\n") == std::string::npos) {
        if (!ReadRecorded(socket, &byte, 1, got)) return request;
        request.push_back(byte);
    }
    std::size_t body = ContentLength(request);
    char buffer[4096];
    while (body > 0 && ReadRecorded(socket, buffer, std::min(body, sizeof buffer), got)) {
        request.append(buffer, got);
        body -= got;
    }
    return request;
}
