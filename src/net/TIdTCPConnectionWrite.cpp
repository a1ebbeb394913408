// The write operations of TIdTCPConnection: single buffers, lines, streams and batches.
#include <algorithm>

#include "core/Stream.h"
#include "net/IdExceptions.h"
#include "net/SocketErrors.h"
#include "net/TIdTCPConnection.h"
#include "platform/socket/SocketErrorNumbers.h"

void TIdTCPConnection::SendBytes(std::span<const std::uint8_t> bytes, bool sendNow) {
    if (bytes.empty()) return;
    CheckPeerClosed(true, true);
    if (!IsOpen()) throw EIdNotConnected();
    if (outputBatch_ && !sendNow) {
        outputBatch_->bytes.insert(outputBatch_->bytes.end(), bytes.begin(), bytes.end());
        if (outputBatch_->threshold > 0 &&
            outputBatch_->bytes.size() >= static_cast<std::size_t>(outputBatch_->threshold)) {
            const TIdBytes collected = std::move(outputBatch_->bytes);
            outputBatch_->bytes.clear();
            SendNow(collected);
        }
        return;
    }
    SendNow(bytes);
}

void TIdTCPConnection::SendBytes(std::string_view bytes, bool sendNow) {
    SendBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
              sendNow);
}

void TIdTCPConnection::SendNow(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        TIdSocketHandle& binding = ioHandler_->Binding();
        const long sent = binding.Send(bytes.data(), bytes.size());
        if (sent < 0) {
            const int tolerated =
                CheckSocketResult(binding.Stack(), sent,
                                  {SocketError::Shutdown, SocketError::ConnectionAborted,
                                   SocketError::ConnectionReset});
            CloseHandlerSocket();
            throw EIdSocketError(tolerated);
        }
        peerClosed_ = sent == 0;
        CheckPeerClosed(true);
        bytes = bytes.subspan(static_cast<std::size_t>(sent));
    }
}

void TIdTCPConnection::WriteLine(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    SendBytes(line);
}

void TIdTCPConnection::SendStream(TStream& stream) {
    stream.SetPosition(0);
    TIdBytes buffer;
    for (std::int64_t left = stream.Size(); left > 0;) {
        const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(left, sendBufferSize_));
        buffer.resize(piece);
        const std::size_t read = stream.Read(buffer.data(), piece);
        if (read == 0) throw EIdNoDataToRead();
        SendBytes(std::span(buffer.data(), read), true);
        left -= static_cast<std::int64_t>(read);
    }
}

void TIdTCPConnection::OpenOutputBatch(int threshold) {
    outputBatch_ = OutputBatch{{}, threshold};
}

void TIdTCPConnection::CloseOutputBatch() {
    if (!outputBatch_) return;
    const TIdBytes collected = std::move(outputBatch_->bytes);
    outputBatch_.reset();
    SendBytes(collected, true);
}

void TIdTCPConnection::CancelOutputBatch() {
    outputBatch_.reset();
}
