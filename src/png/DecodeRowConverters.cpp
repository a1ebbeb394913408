#include "png/DecodeRowConverters.h"

#include <cstring>

#include "platform/raster/PackedPixels.h"
#include "png/PngFormat.h"

namespace png {

namespace {

template <bool kGamma>
inline std::uint8_t Gamma(const GammaTable& table, std::uint8_t value) {
    if constexpr (kGamma) {
        return table[value];
    } else {
        return value;
    }
}

// Column of the k-th pixel; the plain form lets the compiler see column == k.
template <bool kAdam7>
inline std::uint32_t Column(const RowGeometry& geometry, std::uint32_t k) {
    if constexpr (kAdam7) {
        return geometry.firstColumn + k * geometry.columnStep;
    } else {
        return k;
    }
}

// Packed samples: the k-th field of `bits` bits, leftmost pixel in the high bits.
inline std::uint8_t PackedSample(const std::uint8_t* source, std::uint32_t k, std::uint32_t bits) {
    return static_cast<std::uint8_t>(raster::PackedIndex(source, k, bits));
}

inline void SetPackedSample(std::uint8_t* row, std::uint32_t column, std::uint32_t bits,
                            std::uint8_t value) {
    raster::SetPackedIndex(row, column, bits, value);
}

// Grey or palette indexes of 1, 4 or 8 bits, stored as they are.
template <std::uint32_t kBits>
void ConvertIndexes(const std::uint8_t* source, const RowTarget& target,
                    const RowGeometry& geometry, const GammaTable&) {
    std::memcpy(target.pixels, source, geometry.rowBytes);
}

template <std::uint32_t kBits>
void ConvertIndexesAdam7(const std::uint8_t* source, const RowTarget& target,
                         const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        SetPackedSample(target.pixels, Column<true>(geometry, k), kBits,
                        PackedSample(source, k, kBits));
    }
}

// 2-bit samples become 4-bit indexes: 5 x v for grey (into the 16-level ramp), v for palettes.
template <bool kAdam7, std::uint8_t kFactor>
void ConvertTwoBit(const std::uint8_t* source, const RowTarget& target, const RowGeometry& geometry,
                   const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const auto value = static_cast<std::uint8_t>(PackedSample(source, k, 2) * kFactor);
        SetPackedSample(target.pixels, Column<kAdam7>(geometry, k), 4, value);
    }
}

template <bool kAdam7>
void ConvertIndex16(const std::uint8_t* source, const RowTarget& target,
                    const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        target.pixels[x] = source[2 * k];
        target.lowBytes[x] = source[2 * k + 1];
    }
}

template <bool kAdam7, bool kGamma>
void ConvertRgb8(const std::uint8_t* source, const RowTarget& target, const RowGeometry& geometry,
                 const GammaTable& gamma) {
    std::uint8_t* out = target.pixels;
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::size_t x = 3 * static_cast<std::size_t>(Column<kAdam7>(geometry, k));
        const std::uint8_t* in = source + 3 * static_cast<std::size_t>(k);
        out[x] = Gamma<kGamma>(gamma, in[2]);
        out[x + 1] = Gamma<kGamma>(gamma, in[1]);
        out[x + 2] = Gamma<kGamma>(gamma, in[0]);
    }
}

template <bool kAdam7, bool kGamma>
void ConvertRgba8(const std::uint8_t* source, const RowTarget& target, const RowGeometry& geometry,
                  const GammaTable& gamma) {
    std::uint8_t* out = target.pixels;
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t column = Column<kAdam7>(geometry, k);
        const std::size_t x = 3 * static_cast<std::size_t>(column);
        const std::uint8_t* in = source + 4 * static_cast<std::size_t>(k);
        out[x] = Gamma<kGamma>(gamma, in[2]);
        out[x + 1] = Gamma<kGamma>(gamma, in[1]);
        out[x + 2] = Gamma<kGamma>(gamma, in[0]);
        target.alpha[column] = in[3];
    }
}

// 16-bit RGB with or without alpha: high bytes into PixelRows, low bytes into LowBytePlane,
// both through the gamma table; the alpha plane keeps the high byte of alpha.
template <bool kAdam7, bool kAlpha>
void ConvertRgb16(const std::uint8_t* source, const RowTarget& target, const RowGeometry& geometry,
                  const GammaTable& gamma) {
    constexpr std::size_t kStep = kAlpha ? 8 : 6;
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t column = Column<kAdam7>(geometry, k);
        const std::size_t x = 3 * static_cast<std::size_t>(column);
        const std::uint8_t* in = source + kStep * k;
        target.pixels[x] = gamma[in[4]];
        target.pixels[x + 1] = gamma[in[2]];
        target.pixels[x + 2] = gamma[in[0]];
        target.lowBytes[x] = gamma[in[5]];
        target.lowBytes[x + 1] = gamma[in[3]];
        target.lowBytes[x + 2] = gamma[in[1]];
        if constexpr (kAlpha) target.alpha[column] = in[6];
    }
}

template <bool kAdam7>
void ConvertGreyAlpha8(const std::uint8_t* source, const RowTarget& target,
                       const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        target.pixels[x] = source[2 * k];
        target.alpha[x] = source[2 * k + 1];
    }
}

template <bool kAdam7>
void ConvertGreyAlpha16(const std::uint8_t* source, const RowTarget& target,
                        const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        target.pixels[x] = source[4 * k];
        target.lowBytes[x] = source[4 * k + 1];
        target.alpha[x] = source[4 * k + 2];
    }
}

template <bool kAdam7>
DecodeRowConverter SelectIndexed(std::uint8_t colorType, std::uint8_t bitDepth) {
    switch (bitDepth) {
        case 1:
            return kAdam7 ? &ConvertIndexesAdam7<1> : &ConvertIndexes<1>;
        case 2:
            return colorType == kGrey ? &ConvertTwoBit<kAdam7, 5> : &ConvertTwoBit<kAdam7, 1>;
        case 4:
            return kAdam7 ? &ConvertIndexesAdam7<4> : &ConvertIndexes<4>;
        case 8:
            return kAdam7 ? &ConvertIndexesAdam7<8> : &ConvertIndexes<8>;
        case 16:
            return &ConvertIndex16<kAdam7>;
        default:
            return nullptr;
    }
}

template <bool kAdam7>
DecodeRowConverter Select(std::uint8_t colorType, std::uint8_t bitDepth, bool identityGamma) {
    switch (colorType) {
        case kGrey:
        case kPalette:
            return SelectIndexed<kAdam7>(colorType, bitDepth);
        case kRgb:
            if (bitDepth == 8)
                return identityGamma ? &ConvertRgb8<kAdam7, false> : &ConvertRgb8<kAdam7, true>;
            return bitDepth == 16 ? &ConvertRgb16<kAdam7, false> : nullptr;
        case kGreyAlpha:
            if (bitDepth == 8) return &ConvertGreyAlpha8<kAdam7>;
            return bitDepth == 16 ? &ConvertGreyAlpha16<kAdam7> : nullptr;
        case kRgbAlpha:
            if (bitDepth == 8)
                return identityGamma ? &ConvertRgba8<kAdam7, false> : &ConvertRgba8<kAdam7, true>;
            return bitDepth == 16 ? &ConvertRgb16<kAdam7, true> : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

DecodeRowConverter SelectDecodeConverter(std::uint8_t colorType, std::uint8_t bitDepth,
                                         bool interlaced, bool identityGamma) {
    return interlaced ? Select<true>(colorType, bitDepth, identityGamma)
                      : Select<false>(colorType, bitDepth, identityGamma);
}

}  // namespace png
