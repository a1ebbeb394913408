#include "png/EncodeRowConverters.h"

#include <cstring>

#include "png/PngFormat.h"

namespace png {

namespace {

// Column of the k-th pixel; the plain form lets the compiler see column == k.
template <bool kAdam7>
inline std::uint32_t Column(const RowGeometry& geometry, std::uint32_t k) {
    if constexpr (kAdam7) {
        return geometry.firstColumn + k * geometry.columnStep;
    } else {
        return k;
    }
}

// With identity tables (every copied picture, every picture without gAMA) the lookup is
// skipped; the plain loops then come down to byte shuffles.
template <bool kGamma>
inline std::uint8_t Gamma(const GammaTable& table, std::uint8_t value) {
    if constexpr (kGamma) {
        return table[value];
    } else {
        return value;
    }
}

// Plain packed or byte rows are stored exactly as PNG lays them out.
void EncodeIndexes(const RowSource& source, std::uint8_t* destination, const RowGeometry& geometry,
                   const GammaTable&) {
    std::memcpy(destination, source.pixels, geometry.rowBytes);
}

// Adam7 rows of packed indexes: each pass pixel is taken from its bit field and packed again,
// leftmost pixel in the high bits.
template <std::uint32_t kBits>
void EncodeIndexesAdam7(const RowSource& source, std::uint8_t* destination,
                        const RowGeometry& geometry, const GammaTable&) {
    constexpr std::uint32_t kPerByte = 8 / kBits;
    constexpr std::uint32_t kMask = (1u << kBits) - 1;
    std::memset(destination, 0, geometry.rowBytes);
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<true>(geometry, k);
        const std::uint32_t value =
            (source.pixels[x / kPerByte] >> (8 - kBits - kBits * (x % kPerByte))) & kMask;
        destination[k / kPerByte] = static_cast<std::uint8_t>(
            destination[k / kPerByte] | (value << (8 - kBits - kBits * (k % kPerByte))));
    }
}

template <bool kAdam7>
void EncodeIndex16(const RowSource& source, std::uint8_t* destination, const RowGeometry& geometry,
                   const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        destination[2 * k] = source.pixels[Column<kAdam7>(geometry, k)];
        destination[2 * k + 1] = 0;
    }
}

// PixelRows hold blue, green, red; PNG wants red, green, blue.
template <bool kAdam7, bool kGamma>
void EncodeRgb8(const RowSource& source, std::uint8_t* destination, const RowGeometry& geometry,
                const GammaTable& gamma) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint8_t* pixel =
            source.pixels + 3 * static_cast<std::size_t>(Column<kAdam7>(geometry, k));
        std::uint8_t* out = destination + 3 * static_cast<std::size_t>(k);
        out[0] = Gamma<kGamma>(gamma, pixel[2]);
        out[1] = Gamma<kGamma>(gamma, pixel[1]);
        out[2] = Gamma<kGamma>(gamma, pixel[0]);
    }
}

template <bool kAdam7, bool kGamma>
void EncodeRgb16(const RowSource& source, std::uint8_t* destination, const RowGeometry& geometry,
                 const GammaTable& gamma) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint8_t* pixel =
            source.pixels + 3 * static_cast<std::size_t>(Column<kAdam7>(geometry, k));
        std::uint8_t* out = destination + 6 * static_cast<std::size_t>(k);
        out[0] = Gamma<kGamma>(gamma, pixel[2]);
        out[1] = 0;
        out[2] = Gamma<kGamma>(gamma, pixel[1]);
        out[3] = 0;
        out[4] = Gamma<kGamma>(gamma, pixel[0]);
        out[5] = 0;
    }
}

template <bool kAdam7>
void EncodeGreyAlpha8(const RowSource& source, std::uint8_t* destination,
                      const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        destination[2 * k] = source.pixels[x];
        destination[2 * k + 1] = source.alpha[x];
    }
}

template <bool kAdam7>
void EncodeGreyAlpha16(const RowSource& source, std::uint8_t* destination,
                       const RowGeometry& geometry, const GammaTable&) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        std::uint8_t* out = destination + 4 * static_cast<std::size_t>(k);
        out[0] = source.pixels[x];
        out[1] = 0;
        out[2] = source.alpha[x];
        out[3] = 0;
    }
}

template <bool kAdam7, bool kGamma>
void EncodeRgbAlpha8(const RowSource& source, std::uint8_t* destination,
                     const RowGeometry& geometry, const GammaTable& gamma) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        const std::uint8_t* pixel = source.pixels + 3 * static_cast<std::size_t>(x);
        std::uint8_t* out = destination + 4 * static_cast<std::size_t>(k);
        out[0] = Gamma<kGamma>(gamma, pixel[2]);
        out[1] = Gamma<kGamma>(gamma, pixel[1]);
        out[2] = Gamma<kGamma>(gamma, pixel[0]);
        out[3] = source.alpha[x];
    }
}

// The interlaced form goes through the gamma table as well: the colours were decoded through
// DecodeGamma whatever the interlacing, so skipping the table here would shift them.
template <bool kAdam7, bool kGamma>
void EncodeRgbAlpha16(const RowSource& source, std::uint8_t* destination,
                      const RowGeometry& geometry, const GammaTable& gamma) {
    for (std::uint32_t k = 0; k < geometry.pixelCount; ++k) {
        const std::uint32_t x = Column<kAdam7>(geometry, k);
        const std::uint8_t* pixel = source.pixels + 3 * static_cast<std::size_t>(x);
        std::uint8_t* out = destination + 8 * static_cast<std::size_t>(k);
        out[0] = Gamma<kGamma>(gamma, pixel[2]);
        out[1] = 0;
        out[2] = Gamma<kGamma>(gamma, pixel[1]);
        out[3] = 0;
        out[4] = Gamma<kGamma>(gamma, pixel[0]);
        out[5] = 0;
        out[6] = source.alpha[x];
        out[7] = 0;
    }
}

EncodeRowConverter SelectIndexConverter(std::uint8_t bitDepth, bool interlaced) {
    switch (bitDepth) {
        case 1:
            return interlaced ? EncodeIndexesAdam7<1> : EncodeIndexes;
        case 2:
        case 4:
            return interlaced ? EncodeIndexesAdam7<4> : EncodeIndexes;
        case 8:
            return interlaced ? EncodeIndexesAdam7<8> : EncodeIndexes;
        case 16:
            return interlaced ? EncodeIndex16<true> : EncodeIndex16<false>;
        default:
            return nullptr;
    }
}

template <bool kAdam7, bool kGamma>
EncodeRowConverter SelectDirectConverter(std::uint8_t colorType, std::uint8_t bitDepth) {
    const bool wide = bitDepth == 16;
    if (bitDepth != 8 && !wide) return nullptr;
    switch (colorType) {
        case kRgb:
            return wide ? EncodeRgb16<kAdam7, kGamma> : EncodeRgb8<kAdam7, kGamma>;
        case kGreyAlpha:
            return wide ? EncodeGreyAlpha16<kAdam7> : EncodeGreyAlpha8<kAdam7>;
        case kRgbAlpha:
            return wide ? EncodeRgbAlpha16<kAdam7, kGamma> : EncodeRgbAlpha8<kAdam7, kGamma>;
        default:
            return nullptr;
    }
}

template <bool kAdam7>
EncodeRowConverter SelectDirectConverter(std::uint8_t colorType, std::uint8_t bitDepth,
                                         bool identityGamma) {
    return identityGamma ? SelectDirectConverter<kAdam7, false>(colorType, bitDepth)
                         : SelectDirectConverter<kAdam7, true>(colorType, bitDepth);
}

}  // namespace

EncodeRowConverter SelectEncodeConverter(std::uint8_t colorType, std::uint8_t bitDepth,
                                         bool interlaced, bool identityGamma) {
    if (colorType == kGrey || colorType == kPalette) {
        return SelectIndexConverter(bitDepth, interlaced);
    }
    return interlaced ? SelectDirectConverter<true>(colorType, bitDepth, identityGamma)
                      : SelectDirectConverter<false>(colorType, bitDepth, identityGamma);
}

}  // namespace png
