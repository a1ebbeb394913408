// The read operations of TIdTCPConnection: lines, counts and streams cut from PendingInput.
#include <algorithm>
#include <limits>

#include "core/Stream.h"
#include "net/IdExceptions.h"
#include "net/NetLimits.h"
#include "net/TIdTCPConnection.h"

std::string TIdTCPConnection::ReadLine(std::string_view terminator, int timeout, int maxLength) {
    if (terminator.empty()) terminator = "\n";
    const std::size_t maximum = maxLength < 0
                                    ? static_cast<std::size_t>(std::max(maxLineLength_, 0))
                                    : static_cast<std::size_t>(maxLength);
    for (;;) {
        const auto from = pendingInput_.begin() +
                          static_cast<std::ptrdiff_t>(std::min(searchFrom_, pendingInput_.size()));
        const auto found = std::search(from, pendingInput_.end(), terminator.begin(),
                                       terminator.end(), [](std::uint8_t byte, char wanted) {
                                           return byte == static_cast<std::uint8_t>(wanted);
                                       });
        if (found != pendingInput_.end()) {
            const auto at = static_cast<std::size_t>(found - pendingInput_.begin());
            if (maximum > 0 && at > maximum) return LineTooLong(maximum);
            return TakeLine(at, terminator);
        }
        if (maximum > 0 && pendingInput_.size() > maximum) return LineTooLong(maximum);
        // A terminator may straddle what has come and what is still to come.
        searchFrom_ = pendingInput_.size() - std::min(pendingInput_.size(), terminator.size() - 1);
        CheckPeerClosed(true, true);
        const long received = FillInput(true, timeout, timeout == TimeoutDefault);
        // 0: the peer closed while this line waited for its end; the partial line stays
        // pending. -1: an explicit limit ran out; the line is not there.
        if (received <= 0) return {};
    }
}

std::string TIdTCPConnection::TakeLine(std::size_t terminatorAt, std::string_view terminator) {
    std::string line(pendingInput_.begin(),
                     pendingInput_.begin() + static_cast<std::ptrdiff_t>(terminatorAt));
    pendingInput_.erase(
        pendingInput_.begin(),
        pendingInput_.begin() + static_cast<std::ptrdiff_t>(terminatorAt + terminator.size()));
    searchFrom_ = 0;
    if (terminator == "\n" && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string TIdTCPConnection::LineTooLong(std::size_t maxLength) {
    if (maxLineAction_ == TIdMaxLineAction::maException) throw EIdReadLnMaxLineLengthExceeded();
    std::string line(pendingInput_.begin(),
                     pendingInput_.begin() + static_cast<std::ptrdiff_t>(maxLength));
    pendingInput_.erase(pendingInput_.begin(),
                        pendingInput_.begin() + static_cast<std::ptrdiff_t>(maxLength));
    searchFrom_ = 0;
    return line;
}

TIdBytes TIdTCPConnection::ReadExact(std::int64_t count) {
    if (count <= 0) return {};
    const auto wanted = static_cast<std::uint64_t>(count);
    while (pendingInput_.size() < wanted) {
        FillInput(true, TimeoutDefault, true);
        CheckPeerClosed(true, true);
    }
    const auto end = pendingInput_.begin() + static_cast<std::ptrdiff_t>(wanted);
    TIdBytes bytes(pendingInput_.begin(), end);
    pendingInput_.erase(pendingInput_.begin(), end);
    searchFrom_ = 0;
    return bytes;
}

void TIdTCPConnection::MovePendingToStream(TStream& stream, std::int64_t& wanted) {
    const auto moved = static_cast<std::size_t>(
        std::min<std::uint64_t>(pendingInput_.size(), static_cast<std::uint64_t>(wanted)));
    if (moved == 0) return;
    stream.WriteBuffer(pendingInput_.data(), moved);
    pendingInput_.erase(pendingInput_.begin(),
                        pendingInput_.begin() + static_cast<std::ptrdiff_t>(moved));
    searchFrom_ = 0;
    wanted -= static_cast<std::int64_t>(moved);
}

void TIdTCPConnection::ReadToStream(TStream& stream, std::int64_t count, bool untilClosed) {
    // The count comes from the peer: the stream grows only a little ahead of what arrived,
    // so a Content-Length of 10^18 allocates nothing it does not receive.
    if (count >= 0) {
        const std::int64_t ahead = std::min<std::int64_t>(count, kReadAheadLimit);
        const std::int64_t position = stream.Position();
        if (stream.Size() < position + ahead) stream.SetSize(position + ahead);
    }
    std::int64_t wanted = untilClosed ? std::numeric_limits<std::int64_t>::max() : count;
    struct CutAtPosition {
        TStream& stream;
        ~CutAtPosition() { stream.SetSize(stream.Position()); }
    } cut{stream};
    MovePendingToStream(stream, wanted);
    const std::int64_t piece = std::min<std::int64_t>(wanted, recvBufferSize_);
    try {
        while (wanted > 0 && IsOpen()) {
            const TIdBytes bytes = ReadExact(std::min(wanted, piece));
            stream.WriteBuffer(bytes.data(), bytes.size());
            wanted -= static_cast<std::int64_t>(bytes.size());
        }
    } catch (const EIdConnClosedGracefully&) {
        if (!untilClosed) throw;
        MovePendingToStream(stream, wanted);
    }
}
