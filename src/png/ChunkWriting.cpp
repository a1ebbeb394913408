// The chunk kinds whose payload the writer rebuilds from the picture before framing it: the
// header, the palette, the transparency and the image data.

#include <algorithm>
#include <array>

#include "png/BigEndian.h"
#include "png/IdatEncoder.h"
#include "png/PngFormat.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunktRNS.h"
#include "png/TPNGObject.h"

namespace {

// Only 0 and 1 are interlace methods PNG knows; any other setting is written without
// interlacing, so that the header and the image data always agree.
bool WritesInterlaced(const TPNGObject& picture) {
    return picture.InterlaceMode == 1;
}

// A 2-bit grey sample v is written as the 4-bit sample 5 x v, so the grey key of a tRNS chunk
// must move with it, or it would make another grey level transparent.
void RescaleTwoBitGreyKey(TPNGObject& picture) {
    TChunktRNS* transparency = picture.ChunkList().FindChunkOfKind<TChunktRNS>();
    if (transparency == nullptr) return;
    const auto key = png::ReadU16BE(transparency->AlphaValues, 0);
    if (key && *key <= 3)
        png::WriteU16BE(transparency->AlphaValues, 0, static_cast<std::uint16_t>(*key * 5));
}

}  // namespace

bool TChunkIHDR::WriteChunk(TStream& stream) {
    // The rows of 2-bit images hold 4-bit indexes; from now on the picture says so.
    if (BitDepth == 2) {
        BitDepth = 4;
        if (ColorType == png::kGrey) RescaleTwoBitGreyKey(Picture());
    }
    ResizePayload(kPayloadSize);
    const std::span<std::uint8_t> bytes(Payload(), kPayloadSize);
    png::WriteU32BE(bytes, 0, Width);
    png::WriteU32BE(bytes, 4, Height);
    bytes[8] = BitDepth;
    bytes[9] = ColorType;
    bytes[10] = CompressionMethod;
    bytes[11] = FilterMethod;
    bytes[12] = WritesInterlaced(Picture()) ? 1 : 0;
    return WriteFrame(stream);
}

bool TChunkPLTE::WriteChunk(TStream& stream) {
    const TChunkIHDR& header = HeaderChunk();
    if (EntryCount == 0) EntryCount = header.BitmapInfo().header.clrUsed;
    // A PNG palette has at most 256 entries.
    EntryCount = std::min(EntryCount, kMaxEntries);
    // A truecolour picture keeps no colour table: its PLTE chunk is a suggested palette that
    // lives only in the payload it was read with, so that payload is written as it is
    // rather than as black entries.
    if (!header.UsesColorTable() && PayloadSize() == std::size_t{EntryCount} * 3)
        return WriteFrame(stream);
    std::array<TPaletteEntry, kMaxEntries> table{};
    if (const TPalette* palette = header.PaletteHandle()) {
        const std::size_t count = std::min<std::size_t>(palette->EntryCount(), table.size());
        std::copy_n(palette->Entries().begin(), count, table.begin());
    }
    const auto& gamma = Picture().EncodeGamma;
    ResizePayload(std::size_t{EntryCount} * 3);
    std::uint8_t* out = Payload();
    for (std::uint32_t i = 0; i < EntryCount; ++i) {
        out[3 * i] = gamma[table[i].red];
        out[3 * i + 1] = gamma[table[i].green];
        out[3 * i + 2] = gamma[table[i].blue];
    }
    return WriteFrame(stream);
}

bool TChunktRNS::WriteChunk(TStream& stream) {
    if (PayloadSize() <= kMaxPayload) std::copy_n(AlphaValues.begin(), PayloadSize(), Payload());
    // 16-bit samples are written with low byte 0, so a grey or RGB key must be too: a key
    // such as 0xFFFF would otherwise match none of the written pixels and the picture would
    // lose its transparency.
    const TChunkIHDR* header = Picture().HeaderOrNull();
    if (header != nullptr && header->BitDepth == 16 &&
        (header->ColorType == png::kGrey || header->ColorType == png::kRgb)) {
        for (std::uint32_t lowByte = 1; lowByte < PayloadSize() && lowByte < 6; lowByte += 2)
            Payload()[lowByte] = 0;
    }
    return WriteFrame(stream);
}

bool TChunkIDAT::WriteChunk(TStream& stream) {
    const TPNGObject& picture = Picture();
    png::IdatEncoderSettings settings;
    settings.rowFilters = picture.RowFilters;
    settings.deflateLevel = picture.DeflateLevel;
    settings.chunkSize = picture.IdatChunkSize();
    settings.interlaced = WritesInterlaced(picture);
    png::IdatEncoder(HeaderChunk(), picture.EncodeGamma, settings).Encode(stream);
    return true;
}
