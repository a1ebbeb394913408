#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

ScriptedServer::ScriptedServer(Script script) : script_(std::move(script)) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (listener_ < 0 ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
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

void ScriptedServer::SendAll(int socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void ScriptedServer::AcceptLoop() {
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        const std::string head = ReadHead(connection);
        {
            std::lock_guard lock(mutex_);
            heads_.push_back(head);
        }
        script_(*this, connection, head);
        close(connection);
    }
}

std::string ScriptedServer::ReadHead(int socket) {
    std::string head;
    char byte = 0;
    // Byte by byte, so nothing after the head is consumed; requests here have no body.
    while (head.size() < 65536 && head.find("\r\n\r\n") == std::string::npos) {
        pollfd waiting{socket, POLLIN, 0};
        if (poll(&waiting, 1, 5000) <= 0 || recv(socket, &byte, 1, 0) != 1) {
            break;
        }
        head.push_back(byte);
    }
    return head;
}
