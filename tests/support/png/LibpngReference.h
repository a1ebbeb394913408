#pragma once

#include <png.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// libpng as an independent reader and writer of PNG streams held in memory.
namespace libpngref {

using Bytes = std::vector<std::uint8_t>;

// What the stream's header chunks say, before any transform.
struct FileInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colorType = 0;
    std::uint8_t interlace = 0;
    bool hasGamma = false;
    std::uint32_t gamma = 0;
    Bytes palette;  // RGB triples
    bool hasKey = false;
    png_color_16 key{};  // the tRNS colour of grey and RGB files
};

// The decoded rows (top first) and their layout after the transforms.
struct Decoded {
    FileInfo file;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t channels = 0;
    std::uint32_t bitDepth = 0;
    std::size_t rowBytes = 0;
    Bytes rows;
};

// Sets libpng transforms once the header is read; interlace handling is always on.
using Transforms = std::function<void(png_structp, png_infop)>;

// Throws std::runtime_error when libpng rejects the stream. The second form decodes into
// target's storage (reused between calls) and leaves Decoded::rows empty.
Decoded Decode(const Bytes& file, const Transforms& transforms = {});
Decoded DecodeInto(const Bytes& file, Bytes& target, const Transforms& transforms = {});

// Rows of PNG samples (top first) for libpng to write.
struct Source {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 8;
    std::uint8_t colorType = 0;
    bool interlaced = false;
    Bytes rows;
    Bytes palette;            // RGB triples
    Bytes transparency;       // raw tRNS payload
    std::uint32_t gamma = 0;  // gAMA value, 0 for none
};

// Compression and filter choices, set before the header is written.
using WriteSettings = std::function<void(png_structp)>;

// Throws std::runtime_error when libpng refuses.
Bytes Encode(const Source& source, const WriteSettings& settings = {});

// 8-bit grey through libpng's simplified reader; nothing when libpng rejects the stream.
struct GrayImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Bytes pixels;
};
std::optional<GrayImage> DecodeGray(const void* data, std::size_t size);

}  // namespace libpngref
