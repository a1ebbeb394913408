#include "png/ZlibBuffer.h"

#include <zlib.h>

#include <array>
#include <climits>

#include "png/PngLimits.h"

namespace png {

namespace {

constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;

std::string MessageOf(const z_stream& stream, int result) {
    return stream.msg != nullptr ? std::string(stream.msg) : std::string(zError(result));
}

}  // namespace

bool DeflateBuffer(std::span<const std::uint8_t> data, int level, std::vector<std::uint8_t>& output,
                   std::string& errorText) {
    output.clear();
    if (data.size() > UINT_MAX) {
        errorText = "input too large";
        return false;
    }
    z_stream stream{};
    int result =
        deflateInit2(&stream, level, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY);
    if (result != Z_OK) {
        errorText = MessageOf(stream, result);
        return false;
    }
    std::array<std::uint8_t, kZlibBufferWindow> window{};
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    do {
        stream.next_out = window.data();
        stream.avail_out = static_cast<uInt>(window.size());
        result = deflate(&stream, Z_FINISH);
        output.insert(output.end(), window.data(), stream.next_out);
    } while (result == Z_OK);
    const bool ok = result == Z_STREAM_END;
    if (!ok) errorText = MessageOf(stream, result);
    deflateEnd(&stream);
    return ok;
}

bool InflateBuffer(std::span<const std::uint8_t> data, std::size_t maxOutput,
                   std::vector<std::uint8_t>& output, std::string& errorText) {
    output.clear();
    if (data.size() > UINT_MAX) {
        errorText = "input too large";
        return false;
    }
    z_stream stream{};
    int result = inflateInit2(&stream, kWindowBits);
    if (result != Z_OK) {
        errorText = MessageOf(stream, result);
        return false;
    }
    std::array<std::uint8_t, kZlibBufferWindow> window{};
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    bool ok = false;
    for (;;) {
        stream.next_out = window.data();
        stream.avail_out = static_cast<uInt>(window.size());
        result = inflate(&stream, Z_NO_FLUSH);
        output.insert(output.end(), window.data(), stream.next_out);
        if (output.size() > maxOutput) {
            errorText = kInflateLimitText;
            break;
        }
        if (result == Z_STREAM_END) {
            ok = true;
            break;
        }
        if (result != Z_OK) {
            // Z_BUF_ERROR here means the input ended before the stream did.
            errorText = MessageOf(stream, result);
            break;
        }
    }
    inflateEnd(&stream);
    if (!ok) output.clear();
    return ok;
}

}  // namespace png
