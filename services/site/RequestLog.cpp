#include "RequestLog.h"

#include <httplib.h>

#include <cstdio>
#include <optional>

#include "SiteLimits.h"

namespace RequestLog {

namespace {

// Header values and targets are bounded by the library; the log cuts them shorter still.
constexpr std::size_t kMaxLoggedLineBytes = 512;

thread_local std::optional<std::string> keptBody;

std::string EscapeBytes(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            escaped += '\\';
            escaped += static_cast<char>(byte);
        } else if (byte == '\r') {
            escaped += "\\r";
        } else if (byte == '\n') {
            escaped += "\\n";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte > 0x7E) {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += static_cast<char>(byte);
        }
    }
    return escaped;
}

}  // namespace

std::string Escape(std::string_view text, std::size_t maxBytes) {
    return EscapeBytes(text.substr(0, maxBytes)) + (text.size() > maxBytes ? "..." : "");
}

std::string Quote(std::string_view text, std::size_t maxBytes) {
    return "\"" + EscapeBytes(text.substr(0, maxBytes)) + "\"" +
           (text.size() > maxBytes ? "..." : "");
}

std::string Line(const httplib::Request& request, const httplib::Response& response,
                 std::string_view body) {
    // Requests the library refuses before parsing them carry no method or target.
    const auto orDash = [](const std::string& text, std::size_t maxBytes) {
        return text.empty() ? std::string("-") : Escape(text, maxBytes);
    };
    const std::string method = orDash(request.method, kMaxLoggedLineBytes);
    const std::string target = orDash(request.target, kMaxLoggedLineBytes);
    return method + " " + target + " " + std::to_string(response.status) +
           " ua=" + Quote(request.get_header_value("User-Agent"), kMaxLoggedLineBytes) +
           " cookie=" + Quote(request.get_header_value("Cookie"), kMaxLoggedLineBytes) +
           " body=" + Quote(body, SiteLimits::kMaxLoggedBodyBytes);
}

void KeepBody(std::string body) {
    keptBody = std::move(body);
}

void Write(const httplib::Request& request, const httplib::Response& response) {
    const std::string line = Line(request, response, keptBody ? *keptBody : request.body) + "\n";
    keptBody.reset();
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace RequestLog
