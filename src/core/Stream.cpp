#include "core/Stream.h"

#include <algorithm>
#include <vector>

#include "core/Exception.h"

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count != 0 && Read(buffer, count) != count) {
        throw EReadError("Stream read error");
    }
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    if (count != 0 && Write(buffer, count) != count) {
        throw EWriteError("Stream write error");
    }
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    // A fixed-size buffer keeps a copy of a large stream from doubling its memory.
    constexpr std::int64_t kCopyBufferSize = 64 * 1024;
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min(count, kCopyBufferSize)));
    std::int64_t left = count;
    while (left > 0) {
        const auto piece = static_cast<std::size_t>(std::min(left, kCopyBufferSize));
        source.ReadBuffer(buffer.data(), piece);
        WriteBuffer(buffer.data(), piece);
        left -= static_cast<std::int64_t>(piece);
    }
    return count;
}
