#pragma once

#include "png/TChunktEXt.h"

// A keyword and its zlib-compressed text.
class TChunkzTXt : public TChunkKind<TChunkzTXt, TChunktEXt> {
public:
    static constexpr std::string_view kKindCode = "zTXt";
    using TChunkKind::TChunkKind;

    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    // Answers false, writing nothing, when the text cannot be compressed.
    bool WriteChunk(TStream& stream) override;
};
