#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Facts of the PNG format (ISO/IEC 15948, W3C PNG) shared by the reader and the writer.
namespace png {

inline constexpr std::array<std::uint8_t, 8> kSignature{0x89, 0x50, 0x4E, 0x47,
                                                        0x0D, 0x0A, 0x1A, 0x0A};

using ChunkType = std::array<char, 4>;

constexpr ChunkType MakeChunkType(std::string_view name) {
    return {name[0], name[1], name[2], name[3]};
}

inline constexpr ChunkType kTypeIHDR = MakeChunkType("IHDR");
inline constexpr ChunkType kTypeIDAT = MakeChunkType("IDAT");
inline constexpr ChunkType kTypeIEND = MakeChunkType("IEND");
inline constexpr ChunkType kTypePLTE = MakeChunkType("PLTE");
inline constexpr ChunkType kTypegAMA = MakeChunkType("gAMA");
inline constexpr ChunkType kTypetRNS = MakeChunkType("tRNS");
inline constexpr ChunkType kTypepHYs = MakeChunkType("pHYs");
inline constexpr ChunkType kTypetIME = MakeChunkType("tIME");
inline constexpr ChunkType kTypetEXt = MakeChunkType("tEXt");
inline constexpr ChunkType kTypezTXt = MakeChunkType("zTXt");
inline constexpr ChunkType kTypecHRM = MakeChunkType("cHRM");

// Bit 5 of the first type byte: set for ancillary chunks (lower-case first letter).
constexpr bool IsAncillary(const ChunkType& type) {
    return (static_cast<std::uint8_t>(type[0]) & 0x20) != 0;
}

enum ColorType : std::uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgbAlpha = 6 };

enum FilterType : std::uint8_t {
    kFilterNone = 0,
    kFilterSub = 1,
    kFilterUp = 2,
    kFilterAverage = 3,
    kFilterPaeth = 4
};

// The Paeth predictor of the PNG standard, section 9.4: the neighbour nearest to a + b - c,
// with ties going to a, then b.
constexpr std::uint8_t PaethPredictor(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc) return a;
    if (pb <= pc) return b;
    return c;
}

// Adam7 interlacing (PNG standard section 8.2), indexed by pass 0..6.
inline constexpr int kAdam7Passes = 7;
inline constexpr std::array<std::uint32_t, 7> kAdam7FirstRow{0, 0, 4, 0, 2, 0, 1};
inline constexpr std::array<std::uint32_t, 7> kAdam7FirstColumn{0, 4, 0, 2, 0, 1, 0};
inline constexpr std::array<std::uint32_t, 7> kAdam7RowStep{8, 8, 8, 4, 4, 2, 2};
inline constexpr std::array<std::uint32_t, 7> kAdam7ColumnStep{8, 8, 4, 4, 2, 2, 1};

constexpr std::uint32_t Adam7PassWidth(std::uint32_t imageWidth, int pass) {
    const std::uint32_t first = kAdam7FirstColumn[static_cast<std::size_t>(pass)];
    const std::uint32_t step = kAdam7ColumnStep[static_cast<std::size_t>(pass)];
    return imageWidth > first ? (imageWidth - first + step - 1) / step : 0;
}

// Bytes of one filtered row of `width` pixels without its filter-type byte; 0 for colour
// types the format does not know. Widths are at most 65535, so this cannot overflow.
constexpr std::uint32_t RowBytesFor(std::uint8_t colorType, std::uint8_t bitDepth,
                                    std::uint32_t width) {
    const std::uint64_t w = width;
    switch (colorType) {
        case kGrey:
        case kPalette:
            return static_cast<std::uint32_t>((w * bitDepth + 7) / 8);
        case kRgb:
            return static_cast<std::uint32_t>(w * bitDepth * 3 / 8);
        case kGreyAlpha:
            return static_cast<std::uint32_t>(w * bitDepth * 2 / 8);
        case kRgbAlpha:
            return static_cast<std::uint32_t>(w * bitDepth * 4 / 8);
        default:
            return 0;
    }
}

// The filter distance: bytes of one complete pixel, at least 1 for known colour types.
constexpr std::uint32_t BytesPerPixelFor(std::uint8_t colorType, std::uint8_t bitDepth) {
    switch (colorType) {
        case kGrey:
            return bitDepth == 16 ? 2 : 1;
        case kPalette:
            return 1;
        case kRgb:
            return bitDepth * 3u / 8;
        case kGreyAlpha:
            return bitDepth * 2u / 8;
        case kRgbAlpha:
            return bitDepth * 4u / 8;
        default:
            return 0;
    }
}

}  // namespace png
