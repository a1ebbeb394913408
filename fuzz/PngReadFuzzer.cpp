// Feeds arbitrary bytes to the PNG reader. Every outcome must be a decoded picture or one of
// the codec's errors; the sanitizers catch everything else.
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/TMemoryStream.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

namespace {

// Mutated bytes almost never carry valid CRCs, which would stop every input at its first
// chunk. A second pass therefore reads the same bytes with each complete chunk's CRC fixed.
std::vector<std::uint8_t> WithFixedCrcs(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    std::size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const std::uint32_t length = (std::uint32_t{bytes[at]} << 24) |
                                     (std::uint32_t{bytes[at + 1]} << 16) |
                                     (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
        if (length > bytes.size() - at - 12) break;
        const uLong crc = crc32(0, bytes.data() + at + 4, static_cast<uInt>(length + 4));
        for (int i = 0; i < 4; ++i)
            bytes[at + 8 + length + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
    return bytes;
}

void ReadAndInspect(std::vector<std::uint8_t> bytes) {
    TMemoryStream stream(std::move(bytes));
    TPNGObject picture;
    try {
        picture.ReadFromStream(stream);
    } catch (const EPngError&) {
    }
    // Whatever was kept must be safe to inspect and copy.
    TChunkIHDR* header = picture.HeaderOrNull();
    if (header == nullptr) return;
    try {
        (void)picture.TransparencyKind();
        (void)picture.TransparentKeyColor();
        (void)picture.PixelAt(0, 0);
        // Rejected headers may hold widths beyond int32; stay in 64 bits until clamped.
        const auto lastColumn = static_cast<std::int64_t>(header->Width) - 1;
        const auto lastRow = static_cast<std::int64_t>(header->Height) - 1;
        (void)picture.PixelAt(
            static_cast<std::int32_t>(std::min<std::int64_t>(lastColumn, INT32_MAX)),
            static_cast<std::int32_t>(std::min<std::int64_t>(lastRow, INT32_MAX)));
        TPNGObject copy;
        copy.CopyFrom(&picture);
        (void)copy.PixelAt(0, 0);
    } catch (const EPngError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadAndInspect(std::vector<std::uint8_t>(data, data + size));
    ReadAndInspect(WithFixedCrcs(data, size));
    return 0;
}
