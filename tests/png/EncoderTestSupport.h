#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LibpngReference.h"
#include "png/TPNGObject.h"

// Helpers of the encoder tests: PngSuite access, raw chunk parsing, and libpng as the
// reference reader and writer.
namespace enctest {

using Bytes = std::vector<std::uint8_t>;

// The valid PngSuite files (names not starting with "x"), sorted.
std::vector<std::string> ValidSuiteFiles();
std::string SuiteFile(const std::string& name);
Bytes LoadFile(const std::string& path);

void ReadInto(TPNGObject& picture, const Bytes& bytes);
Bytes WriteToBytes(TPNGObject& picture);

struct RawChunk {
    std::string type;
    Bytes payload;
};
// The chunks of a PNG stream after its signature; the CRCs are checked (throws otherwise).
std::vector<RawChunk> ParseChunks(const Bytes& file);
// Chunk types in order, each run of IDAT chunks counted once.
std::vector<std::string> ChunkOrder(const std::vector<RawChunk>& chunks);
// The payloads of the IDAT chunks, concatenated, and their sizes.
Bytes IdatStream(const std::vector<RawChunk>& chunks);
std::vector<std::size_t> IdatSizes(const std::vector<RawChunk>& chunks);
Bytes Inflate(const Bytes& zlibStream);

// The filter-type byte of every row of the inflated image data, in stream order (passes in
// order for interlaced images).
std::vector<std::uint8_t> RowFilterTypes(const Bytes& inflated, std::uint32_t width,
                                         std::uint32_t height, std::uint8_t bitDepth,
                                         std::uint8_t colorType, bool interlaced);

// libpng's view of a stream: samples as stored (no gamma), palettes expanded to RGB, grey
// below 8 bits scaled to 8 (libpng then also turns a tRNS chunk into an alpha channel); 16-bit
// samples kept as two bytes unless strip16.
struct LibpngImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t channels = 0;
    std::uint32_t bytesPerSample = 1;
    std::uint8_t fileBitDepth = 0;
    std::uint8_t fileColorType = 0;
    std::uint8_t interlace = 0;
    Bytes samples;  // rows from the top
};
LibpngImage DecodeWithLibpng(const Bytes& file, bool strip16);

// A stream written by libpng from rows of PNG samples (rows from the top).
using LibpngSource = libpngref::Source;
Bytes EncodeWithLibpng(const LibpngSource& source);

// A picture built directly: IHDR (image prepared, zero-filled), IDAT and IEND.
std::unique_ptr<TPNGObject> MakePicture(std::uint32_t width, std::uint32_t height,
                                        std::uint8_t bitDepth, std::uint8_t colorType);

}  // namespace enctest

namespace enctest {

// Expects b, read back from what a wrote, to hold a's internal form: header, settings,
// chunk list with every kind's fields, pixel rows, alpha plane, colour table, palette and
// gamma tables; and b's low-byte plane to be all zero (the writer writes low bytes 0).
void ExpectSameInternalForm(TPNGObject& a, TPNGObject& b);

// The colour our decode shows at (x, y) as red, green, blue.
std::array<std::uint8_t, 3> ShownColor(const TPNGObject& picture, std::uint32_t x, std::uint32_t y);

}  // namespace enctest
