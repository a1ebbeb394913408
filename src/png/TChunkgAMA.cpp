#include "png/TChunkgAMA.h"

#include "png/BigEndian.h"
#include "png/PngErrors.h"
#include "png/TPNGObject.h"

TChunkgAMA::TChunkgAMA(TPNGObject& picture) : TChunkKind(picture) {
    SetGammaValue(1);
}

void TChunkgAMA::CopyFrom(const TChunk& source) {
    const auto* gamma = dynamic_cast<const TChunkgAMA*>(&source);
    if (gamma == nullptr) throw EPngError(png::kTextChunksNotCompatible);
    SetGammaValue(gamma->PayloadSize() == 4 ? *png::ReadU32BE(gamma->PayloadBytes(), 0) : 1);
}

std::uint32_t TChunkgAMA::GammaValue() {
    if (PayloadSize() != 4) {
        ResizePayload(4);
        return 1;
    }
    return *png::ReadU32BE(PayloadBytes(), 0);
}

void TChunkgAMA::SetGammaValue(std::uint32_t value) {
    if (PayloadSize() != 4) ResizePayload(4);
    png::WriteU32BE({Payload(), 4}, 0, value);
}

bool TChunkgAMA::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    const std::uint32_t value = GammaValue();
    if (value != 0) Picture().ComputeGammaTables(value);
    return true;
}
