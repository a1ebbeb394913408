#include "png/TChunkPLTE.h"

#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

void TChunkPLTE::CopyFrom(const TChunk& source) {
    const auto* palette = dynamic_cast<const TChunkPLTE*>(&source);
    if (palette == nullptr) throw EPngError(png::kTextChunksNotCompatible);
    EntryCount = palette->EntryCount;
}

bool TChunkPLTE::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    if (PayloadSize() % 3 != 0 || PayloadSize() / 3 > kMaxEntries) throw EPNGInvalidPalette();
    EntryCount = PayloadSize() / 3;
    const auto& gamma = Picture().DecodeGamma;
    auto palette = std::make_unique<TPalette>(EntryCount);
    const auto bytes = PayloadBytes();
    for (std::uint32_t i = 0; i < EntryCount; ++i) {
        palette->SetEntry(
            i, {gamma[bytes[3 * i]], gamma[bytes[3 * i + 1]], gamma[bytes[3 * i + 2]], 0});
    }
    Picture().ReplacePalette(std::move(palette));
    return true;
}

std::uint32_t TChunkPLTE::PaletteEntry(std::uint32_t index) const {
    if (index >= EntryCount || index >= TBitmapInfo::kColorTableSize)
        throw EPngError(png::kTextNoSuchPaletteEntry);
    const TRgbQuad& entry = HeaderChunk().BitmapInfo().colorTable[index];
    return (static_cast<std::uint32_t>(entry.red) << 16) |
           (static_cast<std::uint32_t>(entry.green) << 8) | entry.blue;
}
