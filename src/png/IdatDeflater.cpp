#include "png/IdatDeflater.h"

#include <array>
#include <climits>

#include "png/BigEndian.h"
#include "png/Crc32.h"
#include "png/EPNGDeflateError.h"
#include "png/PngFormat.h"

namespace png {

namespace {

constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;

}  // namespace

IdatDeflater::IdatDeflater(TStream& stream, int level, std::uint32_t chunkSize)
    : stream_(stream), output_(chunkSize) {
    // zlib refuses a level outside 0 to 9 with Z_STREAM_ERROR.
    const int result =
        deflateInit2(&deflater_, level, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY);
    if (result != Z_OK) throw EPNGDeflateError(result);
    deflater_.next_out = output_.data();
    deflater_.avail_out = static_cast<uInt>(output_.size());
}

IdatDeflater::~IdatDeflater() {
    deflateEnd(&deflater_);
}

void IdatDeflater::Feed(const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        // avail_in is 32 bits wide; rows are far shorter, but the loop keeps any size right.
        const std::size_t step = count < UINT_MAX ? count : UINT_MAX;
        deflater_.next_in = const_cast<Bytef*>(data);
        deflater_.avail_in = static_cast<uInt>(step);
        while (deflater_.avail_in > 0) Deflate(Z_NO_FLUSH);
        data += step;
        count -= step;
    }
}

void IdatDeflater::Finish() {
    deflater_.next_in = nullptr;
    deflater_.avail_in = 0;
    for (;;) {
        const int result = deflate(&deflater_, Z_FINISH);
        if (result == Z_STREAM_END) break;
        if (result != Z_OK) throw EPNGDeflateError(result);
        WriteBufferedChunk();
    }
    WriteBufferedChunk();
}

void IdatDeflater::Deflate(int flush) {
    const int result = deflate(&deflater_, flush);
    // Z_BUF_ERROR only says no progress was possible, which a full output window explains.
    if (result != Z_OK && result != Z_BUF_ERROR) throw EPNGDeflateError(result);
    if (deflater_.avail_out == 0) WriteBufferedChunk();
}

void IdatDeflater::WriteBufferedChunk() {
    const auto produced = static_cast<std::uint32_t>(output_.size() - deflater_.avail_out);
    if (produced > 0) WriteIdatChunk(stream_, output_.data(), produced);
    deflater_.next_out = output_.data();
    deflater_.avail_out = static_cast<uInt>(output_.size());
}

void WriteIdatChunk(TStream& stream, const std::uint8_t* data, std::uint32_t count) {
    std::array<std::uint8_t, 8> head{};
    WriteU32BE(head, 0, count);
    std::copy(kTypeIDAT.begin(), kTypeIDAT.end(), head.begin() + 4);
    std::uint32_t crc = Crc32Update(kCrcStart, head.data() + 4, 4);
    crc = Crc32Update(crc, data, count);
    std::array<std::uint8_t, 4> tail{};
    WriteU32BE(tail, 0, ~crc);
    stream.WriteBuffer(head.data(), head.size());
    stream.WriteBuffer(data, count);
    stream.WriteBuffer(tail.data(), tail.size());
}

}  // namespace png
