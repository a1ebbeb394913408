#pragma once

#include <cstdint>

#include "png/TChunk.h"

// Physical pixel dimensions.
class TChunkpHYs : public TChunkKind<TChunkpHYs> {
public:
    static constexpr std::string_view kKindCode = "pHYs";
    static constexpr std::uint32_t kPayloadSize = 9;
    using TChunkKind::TChunkKind;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    std::uint32_t PixelsPerUnitX = 0;
    std::uint32_t PixelsPerUnitY = 0;
    std::uint8_t UnitSpecifier = 0;
};
