#pragma once

#include <cstdint>

#include "png/TChunk.h"

// Time of the last modification.
class TChunktIME : public TChunkKind<TChunktIME> {
public:
    static constexpr std::string_view kKindCode = "tIME";
    static constexpr std::uint32_t kPayloadSize = 7;
    using TChunkKind::TChunkKind;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;
};
