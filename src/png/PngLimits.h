#pragma once

#include <cstddef>
#include <cstdint>

// Every bound the codec puts on what a PNG stream may make it do, in one place.
namespace png {

// The PNG standard (section 5.3) caps chunk lengths at 2^31 - 1; a longer one is corrupt.
inline constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;

// Width and height above this are refused with EPNGSizeExceeds, as the codec always did.
inline constexpr std::uint32_t kMaxDimension = 65535;

// Pixel rows, alpha plane and low-byte plane together; 8192 x 8192 RGBA fits, while a hostile
// header cannot make us allocate gigabytes.
inline constexpr std::size_t kMaxImageBytes = std::size_t{256} * 1024 * 1024;

// Payload of a chunk kept in memory (all but IDAT); generous for text and metadata chunks.
inline constexpr std::uint32_t kMaxStoredPayload = 16 * 1024 * 1024;

// Payload bytes read per step, so that a declared length never turns into an allocation
// before the stream has delivered the bytes.
inline constexpr std::size_t kPayloadReadStep = 1024 * 1024;

// Inflated size of one zTXt text; a larger one is a decompression bomb and leaves it empty.
inline constexpr std::size_t kMaxInflatedText = 8 * 1024 * 1024;

// Per-chunk caps alone let a stream repeat small chunks until the list and its objects cost
// hundreds of megabytes, so the read also caps what all kept chunks cost together. With them a
// read stays within the image's pixel memory plus a few tens of megabytes.

// Ancillary chunks kept in one picture's list; ones past it are dropped (CRC still verified),
// as no real picture carries a thousand pieces of metadata.
inline constexpr std::size_t kMaxAncillaryChunks = 1000;

// All chunks kept in the list. It leaves room beyond the ancillary cap for the few critical
// chunks a valid stream holds (IHDR, PLTE, IDAT, IEND), so only a stream repeating critical
// chunks meets it, and that read fails with EPNGTooManyChunks.
inline constexpr std::size_t kMaxStoredChunks = kMaxAncillaryChunks + 24;

// Payload bytes of all kept ancillary chunks together (room for one chunk of the largest size
// kept); a chunk that would pass it is dropped.
inline constexpr std::size_t kMaxAncillaryBytes = 16 * 1024 * 1024;

// Text of all tEXt and zTXt chunks together (zTXt inflated); a chunk whose text would pass it
// is dropped, so that a few small compressed chunks cannot each inflate to kMaxInflatedText.
inline constexpr std::size_t kMaxTotalText = 8 * 1024 * 1024;

// Compressed IDAT bytes read at a time, never across a chunk end.
inline constexpr std::size_t kIdatInputBufferSize = 65535;

// Output window of InflateBuffer and DeflateBuffer.
inline constexpr std::size_t kZlibBufferWindow = 256;

}  // namespace png
