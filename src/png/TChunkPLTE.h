#pragma once

#include <cstdint>

#include "png/TChunk.h"

// The palette. Its colours live in the header's colour table and palette.
class TChunkPLTE : public TChunkKind<TChunkPLTE> {
public:
    static constexpr std::string_view kKindCode = "PLTE";
    static constexpr std::uint32_t kMaxEntries = 256;
    using TChunkKind::TChunkKind;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    // Colour-table entry i of the header as red * 65536 + green * 256 + blue; raises
    // EPngError "There is no such palette entry." when i is not below EntryCount.
    std::uint32_t PaletteEntry(std::uint32_t index) const;

    std::uint32_t EntryCount = 0;
};
