#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Stream.h"

namespace png {

// One zlib stream written out as IDAT chunks. The deflate output buffer is exactly one chunk
// long: every time it fills, it is written as an IDAT chunk of chunkSize bytes, and Finish
// writes what is left as a shorter last chunk. Nothing larger than one chunk is ever held.
class IdatDeflater {
public:
    // Raises EPNGDeflateError when zlib refuses the level (valid: 0 to 9).
    IdatDeflater(TStream& stream, int level, std::uint32_t chunkSize);
    ~IdatDeflater();
    IdatDeflater(const IdatDeflater&) = delete;
    IdatDeflater& operator=(const IdatDeflater&) = delete;

    void Feed(const std::uint8_t* data, std::size_t count);
    // Ends the zlib stream and writes the remaining output.
    void Finish();

private:
    void Deflate(int flush);
    void WriteBufferedChunk();

    TStream& stream_;
    z_stream deflater_{};
    std::vector<std::uint8_t> output_;
};

// Writes one IDAT chunk holding count bytes: Length, Type, data and CRC.
void WriteIdatChunk(TStream& stream, const std::uint8_t* data, std::uint32_t count);

}  // namespace png
