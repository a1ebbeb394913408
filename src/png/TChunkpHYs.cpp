#include "png/TChunkpHYs.h"

#include "png/BigEndian.h"

void TChunkpHYs::CopyFrom(const TChunk& source) {
    if (const auto* physical = dynamic_cast<const TChunkpHYs*>(&source)) {
        PixelsPerUnitX = physical->PixelsPerUnitX;
        PixelsPerUnitY = physical->PixelsPerUnitY;
        UnitSpecifier = physical->UnitSpecifier;
    }
}

bool TChunkpHYs::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    if (PayloadSize() == kPayloadSize) {
        PixelsPerUnitX = *png::ReadU32BE(PayloadBytes(), 0);
        PixelsPerUnitY = *png::ReadU32BE(PayloadBytes(), 4);
        UnitSpecifier = Payload()[8];
    }
    return true;
}

bool TChunkpHYs::WriteChunk(TStream& stream) {
    ResizePayload(kPayloadSize);
    png::WriteU32BE({Payload(), kPayloadSize}, 0, PixelsPerUnitX);
    png::WriteU32BE({Payload(), kPayloadSize}, 4, PixelsPerUnitY);
    Payload()[8] = UnitSpecifier;
    return TChunk::WriteChunk(stream);
}
