#pragma once

#include <array>
#include <cstdint>

#include "platform/raster/RasterTypes.h"
#include "png/TChunk.h"

// Transparency: one key colour (grey and RGB images) or an alpha value per palette entry.
class TChunktRNS : public TChunkKind<TChunktRNS> {
public:
    static constexpr std::string_view kKindCode = "tRNS";
    static constexpr std::uint32_t kMaxPayload = 256;
    using TChunkKind::TChunkKind;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    // Makes the colour the picture's single transparent colour (pictures built from bitmaps).
    void SetKeyColor(TColor color);

    bool SingleTransparent = false;
    std::array<std::uint8_t, 256> AlphaValues{};
};
