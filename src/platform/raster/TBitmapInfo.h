#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/raster/RasterTypes.h"

// The 40-byte header of a device-independent bitmap (the BITMAPINFOHEADER layout). A
// positive height means bottom-up rows, a negative one top-down rows.
struct TBitmapInfoHeader {
    static constexpr std::uint32_t kSize = 40;
    static constexpr std::uint32_t kCompressionRgb = 0;

    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// Header plus the full 256-entry colour table, as the platform's BITMAPINFO with room for
// every palette size.
struct TBitmapInfo {
    static constexpr std::size_t kColorTableSize = 256;
    static constexpr std::size_t kSerializedHeaderSize = 40;

    TBitmapInfoHeader header;
    std::array<TRgbQuad, kColorTableSize> colorTable{};

    void Zero() { *this = TBitmapInfo{}; }

    // Bytes per row for a bitmap of this bit count and width: whole 32-bit words, as the
    // platform's bitmaps are laid out. Nothing when the size does not fit.
    static std::optional<std::uint32_t> RowStrideFor(std::uint32_t bitCount, std::uint32_t width);

    // The header in its little-endian on-disk/clipboard form.
    std::array<std::uint8_t, kSerializedHeaderSize> SerializeHeader() const;
};
