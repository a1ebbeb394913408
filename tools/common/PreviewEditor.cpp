#include "PreviewEditor.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "skin/PreviewFrame.h"

namespace {

bool WaitReadable(int fd, int timeoutMs) {
    pollfd entry{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

}  // namespace

PreviewEditor::PreviewEditor(std::string socketPath) : path_(std::move(socketPath)) {
    sockaddr_un address{};
    if (path_.size() >= sizeof address.sun_path)
        throw std::runtime_error("socket path too long: " + path_);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) throw std::runtime_error("cannot create a socket");
    ::unlink(path_.c_str());
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path_.c_str(), 0600) != 0 || ::listen(listener_, 1) != 0) {
        const std::string error = std::strerror(errno);
        ::close(listener_);
        throw std::runtime_error("cannot listen at " + path_ + ": " + error);
    }
}

PreviewEditor::~PreviewEditor() {
    if (peer_ >= 0) ::close(peer_);
    ::close(listener_);
    ::unlink(path_.c_str());
}

bool PreviewEditor::Accept(int timeoutMs) {
    if (!WaitReadable(listener_, timeoutMs)) return false;
    if (peer_ >= 0) ::close(peer_);
    peer_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    return peer_ >= 0;
}

bool PreviewEditor::ReadExact(std::uint8_t* out, std::size_t count, int timeoutMs) {
    std::size_t done = 0;
    while (done < count) {
        if (!WaitReadable(peer_, timeoutMs)) return false;
        const ssize_t got = ::recv(peer_, out + done, count - done, 0);
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<std::uint64_t> PreviewEditor::ReadHello(int timeoutMs) {
    std::array<std::uint8_t, preview::kHelloBytes> frame{};
    if (!ReadExact(frame.data(), frame.size(), timeoutMs)) return std::nullopt;
    return preview::DecodeHello(frame);
}

std::optional<std::uint32_t> PreviewEditor::ReadAnswer(int timeoutMs) {
    std::array<std::uint8_t, preview::kAnswerBytes> frame{};
    if (!ReadExact(frame.data(), frame.size(), timeoutMs)) return std::nullopt;
    return preview::DecodeAnswer(frame);
}

void PreviewEditor::SendAnswer(std::uint32_t answer) {
    Send(preview::EncodeAnswer(answer));
}

void PreviewEditor::Send(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(peer_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) throw std::runtime_error("the program closed the preview link");
        done += static_cast<std::size_t>(sent);
    }
}

bool PreviewEditor::WaitForClose(int timeoutMs) {
    std::array<std::uint8_t, 256> sink{};
    while (WaitReadable(peer_, timeoutMs)) {
        const ssize_t got = ::recv(peer_, sink.data(), sink.size(), 0);
        if (got <= 0) return true;
    }
    return false;
}
