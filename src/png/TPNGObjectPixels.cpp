// The pixel-level face of TPNGObject: transparency kind, key colour and single pixels.
#include <algorithm>

#include "platform/raster/PackedPixels.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunktRNS.h"
#include "png/TPNGObject.h"

namespace {

TColor ColorOfPaletteEntry(std::uint32_t entry) {
    return MakeColor(static_cast<std::uint8_t>(entry >> 16), static_cast<std::uint8_t>(entry >> 8),
                     static_cast<std::uint8_t>(entry));
}

TColor ColorOfTableEntry(const TChunkIHDR& header, std::size_t index) {
    const TRgbQuad& entry = header.BitmapInfo().colorTable[index & 0xFF];
    return MakeColor(entry.red, entry.green, entry.blue);
}

// Where the tRNS grey key lands in the stored indexes: 2-bit samples are kept as 5 x v,
// 16-bit samples by their high byte.
std::size_t StoredGreyKey(const TChunkIHDR& header, const TChunktRNS& transparency) {
    const std::uint32_t key = (transparency.AlphaValues[0] << 8) | transparency.AlphaValues[1];
    switch (header.BitDepth) {
        case 16:
            return transparency.AlphaValues[0];
        case 2:
            return 5 * (key & 3);
        case 1:
        case 4:
        case 8:
            return key & ((1u << header.BitDepth) - 1);
        default:
            return 0;
    }
}

}  // namespace

TPNGTransparencyKind TPNGObject::TransparencyKind() const {
    const TChunkIHDR* header = HeaderOrNull();
    if (header == nullptr) return tkNone;
    const auto* transparency = chunkList_.FindChunkOfKind<TChunktRNS>();
    switch (header->ColorType) {
        case png::kGrey:
        case png::kRgb:
            return transparency != nullptr ? tkColorKey : tkNone;
        case png::kPalette:
            if (transparency == nullptr) return tkNone;
            return transparency->SingleTransparent ? tkColorKey : tkAlpha;
        case png::kGreyAlpha:
        case png::kRgbAlpha:
            return tkAlpha;
        default:
            return tkNone;
    }
}

TColor TPNGObject::TransparentKeyColor() const {
    const TChunkIHDR* header = HeaderOrNull();
    const auto* transparency = chunkList_.FindChunkOfKind<TChunktRNS>();
    if (header == nullptr || transparency == nullptr) return 0;
    const auto& alpha = transparency->AlphaValues;
    switch (header->ColorType) {
        case png::kGrey: {
            const std::uint8_t grey =
                ColorRed(ColorOfTableEntry(*header, StoredGreyKey(*header, *transparency)));
            return MakeColor(grey, grey, grey);
        }
        case png::kRgb: {
            // The stored samples are the high bytes of 16-bit samples, so the key's are compared.
            const std::size_t byte = header->BitDepth == 16 ? 0 : 1;
            return MakeColor(DecodeGamma[alpha[byte]], DecodeGamma[alpha[byte + 2]],
                             DecodeGamma[alpha[byte + 4]]);
        }
        case png::kPalette: {
            const auto* palette = chunkList_.FindChunkOfKind<TChunkPLTE>();
            // A tRNS chunk that failed its length test stays in the list; never look past 256.
            const std::size_t count =
                std::min<std::size_t>(transparency->PayloadSize(), alpha.size());
            for (std::uint32_t i = 0; i < count; ++i) {
                if (alpha[i] != 0) continue;
                return palette != nullptr ? ColorOfPaletteEntry(palette->PaletteEntry(i))
                                          : ColorOfTableEntry(*header, i);
            }
            return 0;
        }
        default:
            return 0;
    }
}

std::uint8_t TPNGObject::PixelIndex(const TChunkIHDR& header, const std::uint8_t* row,
                                    std::uint32_t x) const {
    // Addressed with the stored bits per pixel, so 2-bit images (kept as 4-bit) work too.
    return static_cast<std::uint8_t>(
        raster::PackedIndex(row, x, header.BitmapInfo().header.bitCount));
}

TColor TPNGObject::PixelAt(std::int32_t x, std::int32_t y) const {
    const TChunkIHDR& header = Header();
    if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight()) return 0;
    const std::uint8_t* row = header.RowAddress(static_cast<std::uint32_t>(y));
    if (row == nullptr) return 0;
    const auto column = static_cast<std::uint32_t>(x);
    switch (header.ColorType) {
        case png::kGrey: {
            const std::uint32_t bits = header.BitmapInfo().header.bitCount;
            const std::uint8_t v = PixelIndex(header, row, column);
            const std::uint8_t level =
                bits == 1 ? (v != 0 ? 255 : 0) : static_cast<std::uint8_t>(v * ((1u << bits) + 1));
            const std::uint8_t grey = DecodeGamma[level];
            return MakeColor(grey, grey, grey);
        }
        case png::kPalette: {
            // The colour table already went through the gamma table when it was built.
            const std::uint8_t v = PixelIndex(header, row, column);
            const auto* palette = chunkList_.FindChunkOfKind<TChunkPLTE>();
            return palette != nullptr ? ColorOfPaletteEntry(palette->PaletteEntry(v))
                                      : ColorOfTableEntry(header, v);
        }
        case png::kGreyAlpha: {
            const std::uint8_t grey = row[column];
            return MakeColor(grey, grey, grey);
        }
        default:
            return raster::RgbPixel(row, column);
    }
}

void TPNGObject::SetPixelAt(std::int32_t x, std::int32_t y, TColor color) {
    TChunkIHDR& header = Header();
    if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight()) return;
    std::uint8_t* row = header.RowAddress(static_cast<std::uint32_t>(y));
    if (row == nullptr) return;
    const auto column = static_cast<std::uint32_t>(x);
    switch (header.ColorType) {
        case png::kGrey:
        case png::kPalette: {
            const TPalette* palette = header.PaletteHandle();
            const std::uint32_t bits = header.BitmapInfo().header.bitCount;
            const auto index =
                static_cast<std::uint8_t>(palette != nullptr ? palette->NearestIndex(color) : 0);
            raster::SetPackedIndex(row, column, bits, index);
            break;
        }
        case png::kGreyAlpha:
            raster::SetPackedIndex(row, column, 8, ColorRed(color));
            break;
        default:
            raster::SetRgbPixel(row, column, color);
            break;
    }
}
