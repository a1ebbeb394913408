#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/TMemoryStream.h"
#include "png/TPNGObject.h"

namespace pngtest {

using Bytes = std::vector<std::uint8_t>;

std::string SuitePath(const std::string& name);
// The PngSuite file names, sorted: the broken ones (starting with "x") or the valid ones.
std::vector<std::string> SuiteFiles(bool broken);
Bytes ReadFileBytes(const std::string& path);

// Builds PNG streams chunk by chunk, with correct CRCs unless told otherwise.
class PngBuilder {
public:
    explicit PngBuilder(bool withSignature = true);
    PngBuilder& Chunk(std::string_view type, const Bytes& payload);
    PngBuilder& ChunkWithCrc(std::string_view type, const Bytes& payload, std::uint32_t crc);
    PngBuilder& Raw(const Bytes& bytes);
    // Offsets of each chunk start, in order, and the end.
    const std::vector<std::size_t>& ChunkStarts() const { return starts_; }
    const Bytes& Data() const { return bytes_; }

private:
    Bytes bytes_;
    std::vector<std::size_t> starts_;
};

std::uint32_t ChunkCrc(std::string_view type, const Bytes& payload);
Bytes Ihdr(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth, std::uint8_t colorType,
           std::uint8_t interlace = 0);
Bytes U32(std::uint32_t value);
Bytes Zlib(const Bytes& raw, int level = 6);
// A minimal valid stream: IHDR, one IDAT with the given raw (filtered) rows, IEND.
Bytes SimplePng(const Bytes& ihdr, const Bytes& rawRows);

// Reads bytes into the picture; rethrows the codec's error.
void ReadPng(TPNGObject& picture, const Bytes& bytes);
// Reads and answers the stream position after the read (for stream-placement tests).
std::int64_t ReadPngAt(TPNGObject& picture, TMemoryStream& stream);

// The gamma table the codec must use for a gAMA value, computed independently.
std::array<std::uint8_t, 256> ReferenceDecodeGamma(std::uint32_t gammaValue);

// libpng's decode as 8-bit RGBA (16-bit samples by their high byte, tRNS as alpha).
struct ReferenceImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Bytes rgba;
    bool hasGamma = false;
    std::uint32_t gammaValue = 0;
};
ReferenceImage DecodeWithLibpng(const Bytes& file);

// For an RGB file with a tRNS key: libpng's full samples compared with the key as the codec
// shows them, every byte through the decode gamma table (0 where equal, else 255). Empty for
// other files. The codec keeps RGB samples only after gamma, so "equal" means equal as shown.
Bytes ShownKeyAlphaWithLibpng(const Bytes& file, const std::array<std::uint8_t, 256>& gamma);

}  // namespace pngtest
