#pragma once

#include "png/TChunk.h"

// Image data. Reading it decodes the whole run of IDAT chunks the image needs into the
// header's image; the chunk itself keeps no payload.
class TChunkIDAT : public TChunkKind<TChunkIDAT> {
public:
    static constexpr std::string_view kKindCode = "IDAT";
    using TChunkKind::TChunkKind;

    // Entered at the first data byte of the first IDAT chunk; leaves the stream after the CRC
    // of the last IDAT chunk used.
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;
};
