#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "net/IdGlobal.h"
#include "net/TIdIOHandlerSocket.h"
#include "platform/socket/SocketStackUse.h"

class TStream;

// A buffered TCP connection: received bytes wait in PendingInput until a read takes lines or
// counts from its front; writes go out at once or collect in an output batch. Opening the
// connection is TIdTCPClient's; everything else is here.
class TIdTCPConnection {
public:
    using Clock = std::chrono::steady_clock;
    using StatusEvent = std::function<void(TIdStatus status, const std::string& text)>;

    TIdTCPConnection();
    virtual ~TIdTCPConnection();
    TIdTCPConnection(const TIdTCPConnection&) = delete;
    TIdTCPConnection& operator=(const TIdTCPConnection&) = delete;

    // --- Settings ---
    // Milliseconds to wait for input; 0 means no limit.
    int ReadTimeout() const { return readTimeout_; }
    void SetReadTimeout(int milliseconds) { readTimeout_ = milliseconds; }
    int MaxLineLength() const { return maxLineLength_; }
    void SetMaxLineLength(int length) { maxLineLength_ = length; }
    TIdMaxLineAction MaxLineAction() const { return maxLineAction_; }
    void SetMaxLineAction(TIdMaxLineAction action) { maxLineAction_ = action; }
    // Bytes asked for in one receive, and the largest piece ReadToStream reads at once.
    int RecvBufferSize() const { return recvBufferSize_; }
    void SetRecvBufferSize(int size);
    // The largest piece SendStream sends at once.
    int SendBufferSize() const { return sendBufferSize_; }
    void SetSendBufferSize(int size);
    // When true, the top bit of every received byte is cleared.
    bool ASCIIFilter() const { return asciiFilter_; }
    void SetASCIIFilter(bool filter) { asciiFilter_ = filter; }
    // A moment after which every read raises EIdReadTimeout, however the peer trickles its
    // bytes; none (the default) leaves only ReadTimeout. Whoever makes a call that must end
    // sets it for the call and clears it after.
    std::optional<Clock::time_point> Deadline() const { return deadline_; }
    void SetDeadline(std::optional<Clock::time_point> deadline) { deadline_ = deadline; }
    void SetDeadlineAfter(int milliseconds);
    void ClearDeadline() { deadline_.reset(); }

    // The handler, once OpenConnection made it; owned by the connection.
    TIdIOHandlerSocket* IOHandler() const { return ioHandler_.get(); }

    // Notices of resolving, connecting, connected, disconnecting and disconnected.
    StatusEvent OnStatus;

    // --- State ---
    const TIdBytes& PendingInput() const { return pendingInput_; }
    bool PeerClosed() const { return peerClosed_; }

    // --- Operations ---
    void CloseConnection();
    // Settles a close the peer made, then whether a handler exists with its socket open.
    bool IsOpen();
    void CheckPeerClosed(bool raise = true, bool ignorePendingInput = false);
    // A 1 ms read attempt that raises nothing: bytes stay pending, a close is noted.
    void PollForClose();
    // Receives once into PendingInput (waiting up to the limit): the byte count, 0 when the
    // connection is closed and raising was not asked for, -1 on an unraised time-out.
    long FillInput(bool raiseWhenClosed = true, int timeout = TimeoutDefault,
                   bool raiseOnTimeout = true);

    // A line up to terminator (empty: line feed; a carriage return before a lone line feed
    // is dropped too). maxLength -1 is MaxLineLength, 0 no maximum.
    std::string ReadLine(std::string_view terminator = "\n", int timeout = TimeoutDefault,
                         int maxLength = -1);
    TIdBytes ReadExact(std::int64_t count);
    // Reads count bytes into stream at its position, or everything until the peer closes.
    void ReadToStream(TStream& stream, std::int64_t count, bool untilClosed);

    void SendBytes(std::span<const std::uint8_t> bytes, bool sendNow = false);
    void SendBytes(std::string_view bytes, bool sendNow = false);
    // The text followed by CR LF, as one buffer.
    void WriteLine(std::string_view text);
    // The whole stream from its start, in pieces of at most SendBufferSize.
    void SendStream(TStream& stream);

    // Collects what SendBytes gets until the batch is closed; a positive threshold sends the
    // collected bytes each time they reach it.
    void OpenOutputBatch(int threshold = -1);
    // Sends the collected bytes in one call, then drops the batch.
    void CloseOutputBatch();
    // Drops the batch and what it collected, sending nothing.
    void CancelOutputBatch();
    bool OutputBatchOpen() const { return outputBatch_.has_value(); }

protected:
    // Called once a connection is open, and once it is found or made closed.
    virtual void ConnectedHook() {}
    virtual void DisconnectedHook() {}

    void EmitStatus(TIdStatus status, const std::string& text = {});
    // Makes a fresh handler ready for a new socket: PendingInput emptied, PeerClosed cleared.
    TIdSocketHandle& PrepareHandler();
    void CloseHandlerSocket();
    // The wait limit for a read: TimeoutDefault resolved, then cut to the deadline.
    int EffectiveLimit(int timeout) const;
    bool DeadlinePassed() const;

private:
    void AppendReceived(const std::uint8_t* bytes, std::size_t count);
    long ReceiveOnce();
    std::string TakeLine(std::size_t terminatorAt, std::string_view terminator);
    std::string LineTooLong(std::size_t maxLength);
    void MovePendingToStream(TStream& stream, std::int64_t& wanted);
    void SendNow(std::span<const std::uint8_t> bytes);

    // The connection is one of the client family that keeps the socket stack alive.
    SocketStackUse stackUse_;
    int readTimeout_ = 0;
    int maxLineLength_ = 16384;
    TIdMaxLineAction maxLineAction_ = TIdMaxLineAction::maException;
    int recvBufferSize_ = 32768;
    int sendBufferSize_ = 32768;
    bool asciiFilter_ = false;
    std::optional<Clock::time_point> deadline_;

    std::unique_ptr<TIdIOHandlerSocket> ioHandler_;
    TIdBytes pendingInput_;
    std::size_t searchFrom_ = 0;
    bool peerClosed_ = false;
    struct OutputBatch {
        TIdBytes bytes;
        int threshold = -1;
    };
    std::optional<OutputBatch> outputBatch_;
};
