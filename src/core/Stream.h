#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

enum class SeekOrigin { Beginning, Current, End };

// A sequence of bytes with a position, read and written from that position.
class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes at the position and returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes count bytes at the position and returns how many were written.
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    // Moves the position and returns the new one. Positions before 0 are clamped to 0.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;
    virtual void SetSize(std::int64_t size) = 0;

    std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Beginning); }

    // Read or write exactly count bytes, or raise EReadError / EWriteError.
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);
    void WriteBuffer(std::span<const std::uint8_t> bytes) {
        WriteBuffer(bytes.data(), bytes.size());
    }

    // Copies count bytes (all remaining bytes when count is 0) from source at its position.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};
