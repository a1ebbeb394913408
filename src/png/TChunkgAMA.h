#pragma once

#include <cstdint>

#include "png/TChunk.h"

// Image gamma, stored as gamma x 100000.
class TChunkgAMA : public TChunkKind<TChunkgAMA> {
public:
    static constexpr std::string_view kKindCode = "gAMA";
    explicit TChunkgAMA(TPNGObject& picture);

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;

    // A payload of another length than 4 is first made 4 bytes long and counts as 1.
    std::uint32_t GammaValue();
    void SetGammaValue(std::uint32_t value);
};
