#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The skin editor's end of the preview link, for tools and tests: a listening local socket
// that takes one program at a time. Blocking, with a time limit on every wait so that a
// silent peer ends a test instead of hanging it.
class PreviewEditor {
public:
    // Listens at the path (replacing a stale socket there), readable and writable by the
    // owner only. Throws std::runtime_error.
    explicit PreviewEditor(std::string socketPath);
    ~PreviewEditor();
    PreviewEditor(const PreviewEditor&) = delete;
    PreviewEditor& operator=(const PreviewEditor&) = delete;

    // Waits for the program to connect; false on time-out.
    bool Accept(int timeoutMs);
    // The window id of the next hello; nothing when the program closed, timed out or sent
    // something else.
    std::optional<std::uint64_t> ReadHello(int timeoutMs);
    // The program's next answer; nothing when it closed or timed out.
    std::optional<std::uint32_t> ReadAnswer(int timeoutMs);
    void SendAnswer(std::uint32_t answer);
    void Send(std::span<const std::uint8_t> bytes);
    // Whether the program closes the connection within the time (bytes it sends meanwhile
    // are read and dropped).
    bool WaitForClose(int timeoutMs);
    const std::string& SocketPath() const { return path_; }

private:
    bool ReadExact(std::uint8_t* out, std::size_t count, int timeoutMs);

    std::string path_;
    int listener_ = -1;
    int peer_ = -1;
};
