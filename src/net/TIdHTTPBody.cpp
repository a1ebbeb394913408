// Reply bodies of the HTTP client: by length, in chunks or until the close, each bounded.
#include <optional>

#include "core/TMemoryStream.h"
#include "net/HttpLimits.h"
#include "net/IdHTTPExceptions.h"
#include "net/TIdHTTP.h"

namespace {

constexpr int kErrorBodyReadTimeout = 2000;
constexpr int kDrainReadTimeout = 4000;

[[noreturn]] void BodyTooLarge() {
    throw EIdException("The reply body is larger than 64 MiB");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The size of a chunk: the hexadecimal digits in front of the first space or ";" (RFC 7230
// section 4.1; what follows is a chunk extension). Anything else would end the body early
// and hand a cut body on as the whole.
std::int64_t ChunkSize(const std::string& line) {
    const std::string digits = line.substr(0, line.find_first_of(" ;"));
    if (digits.empty() || digits.size() > kMaxChunkSizeDigits) {
        throw EIdException("Invalid chunk size line");
    }
    std::uint64_t size = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) throw EIdException("Invalid chunk size line");
        size = size << 4 | static_cast<unsigned>(digit);
    }
    if (size > static_cast<std::uint64_t>(INT64_MAX)) throw EIdException("Invalid chunk size line");
    return static_cast<std::int64_t>(size);
}

// Puts the connection's read limit back however the read ends.
class ReadTimeoutFor {
public:
    ReadTimeoutFor(TIdTCPConnection& connection, int milliseconds)
        : connection_(connection), previous_(connection.ReadTimeout()) {
        connection_.SetReadTimeout(milliseconds);
    }
    ~ReadTimeoutFor() { connection_.SetReadTimeout(previous_); }
    ReadTimeoutFor(const ReadTimeoutFor&) = delete;
    ReadTimeoutFor& operator=(const ReadTimeoutFor&) = delete;

private:
    TIdTCPConnection& connection_;
    int previous_;
};

}  // namespace

// successRoad: the body is the caller's answer, so one that ends before its length is an
// error; an error reply's body is kept as far as it came.
void TIdHTTP::ReadBody(TStream* sink, bool successRoad) {
    if (!sink) return;
    const std::int64_t length = response_.ContentLength;
    if (length > 0) {
        if (length > kMaxReplyBody) BodyTooLarge();
        const std::int64_t start = sink->Position();
        try {
            ReadToStream(*sink, length, false);
        } catch (const EIdConnClosedGracefully&) {
            if (successRoad) throw;
        }
        if (successRoad && sink->Position() - start < length) throw EIdConnClosedGracefully();
        return;
    }
    if (response_.HeaderLines.HeaderValue("Transfer-Encoding").find("chunked") !=
        std::string::npos) {
        ReadChunked(*sink);
        return;
    }
    if (!response_.LengthGiven) ReadUntilClosed(*sink);
}

void TIdHTTP::ReadChunked(TStream& sink) {
    std::int64_t total = 0;
    for (std::int64_t size = ChunkSize(ReadLine()); size > 0; size = ChunkSize(ReadLine())) {
        if (size > kMaxReplyBody - total) BodyTooLarge();
        const std::int64_t start = sink.Position();
        ReadToStream(sink, size, false);
        if (sink.Position() - start < size) throw EIdConnClosedGracefully();
        total += size;
        ReadLine();
    }
    ReadLine();
}

// Everything until the peer closes, taken as it arrives so that the bound holds before the
// bytes are stored.
void TIdHTTP::ReadUntilClosed(TStream& sink) {
    std::int64_t total = 0;
    for (;;) {
        if (PendingInput().empty() && FillInput(false) <= 0 && PendingInput().empty()) return;
        const auto count = static_cast<std::int64_t>(PendingInput().size());
        if (count > kMaxReplyBody - total) BodyTooLarge();
        const TIdBytes bytes = ReadExact(count);
        sink.WriteBuffer(bytes.data(), bytes.size());
        total += count;
    }
}

void TIdHTTP::FailWithStatus() {
    TMemoryStream scratch;
    {
        const ReadTimeoutFor limit(*this, kErrorBodyReadTimeout);
        ReadBody(&scratch, false);
    }
    throw EIdHTTPProtocolException(response_.StatusCode(), response_.StatusLine,
                                   scratch.ToString());
}

void TIdHTTP::DrainBody() {
    const ReadTimeoutFor limit(*this, kDrainReadTimeout);
    TMemoryStream scratch;
    try {
        ReadBody(&scratch, false);
    } catch (const std::exception&) {
    }
}
