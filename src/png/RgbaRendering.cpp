#include "png/RgbaRendering.h"

#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"
#include "png/TChunktRNS.h"
#include "png/TPNGObject.h"

namespace {

std::uint8_t StoredIndex(const std::uint8_t* row, std::uint32_t x, std::uint32_t bits) {
    const std::uint32_t perByte = 8 / bits;
    const std::uint32_t shift = 8 - bits - bits * (x % perByte);
    return static_cast<std::uint8_t>((row[x / perByte] >> shift) & ((1u << bits) - 1));
}

// Whether a grey pixel holds the tRNS key sample. The stored index is 5 x v for 2-bit images
// and the high byte (with the low byte beside it) for 16-bit ones.
bool IsGreyKey(const TChunkIHDR& header, const TChunktRNS& key, std::uint8_t index,
               const std::uint8_t* lowRow, std::uint32_t x) {
    const std::uint32_t sample = (key.AlphaValues[0] << 8) | key.AlphaValues[1];
    switch (header.BitDepth) {
        case 16:
            return index == key.AlphaValues[0] && lowRow[x] == key.AlphaValues[1];
        case 2:
            return sample < 4 && index == 5 * sample;
        default:
            return sample < (1u << header.BitDepth) && index == sample;
    }
}

// RGB samples are stored through the decode gamma table, so the key is compared through it.
bool IsRgbKey(const TPNGObject& picture, const TChunkIHDR& header, const TChunktRNS& key,
              const std::uint8_t* pixel, const std::uint8_t* lowPixel) {
    const auto& gamma = picture.DecodeGamma;
    const auto& k = key.AlphaValues;
    if (header.BitDepth == 16) {
        return pixel[2] == gamma[k[0]] && pixel[1] == gamma[k[2]] && pixel[0] == gamma[k[4]] &&
               lowPixel[2] == gamma[k[1]] && lowPixel[1] == gamma[k[3]] &&
               lowPixel[0] == gamma[k[5]];
    }
    return k[0] == 0 && k[2] == 0 && k[4] == 0 && pixel[2] == gamma[k[1]] &&
           pixel[1] == gamma[k[3]] && pixel[0] == gamma[k[5]];
}

}  // namespace

std::vector<std::uint8_t> RenderRgba(const TPNGObject& picture) {
    TChunkIHDR& header = picture.Header();
    const auto* key = picture.ChunkList().FindChunkOfKind<TChunktRNS>();
    const std::uint32_t width = header.Width;
    const std::uint32_t height = header.Height;
    const std::uint32_t bits = header.BitmapInfo().header.bitCount;
    // The codec caps the stored image, but one bit per pixel there is four bytes here: a
    // small file could ask for gigabytes. The same cap applies to what is rendered.
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    if (pixels > png::kMaxImageBytes / 4) throw EPNGImageTooLarge();
    std::vector<std::uint8_t> out(pixels * 4, 0);
    if (header.PixelRows() == nullptr) return out;
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = header.RowAddress(y);
        const std::uint8_t* lowRow = header.LowByteRowAddress(y);
        const std::uint8_t* alphaRow = header.AlphaRowAddress(y);
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint8_t* rgba = out.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            rgba[3] = alphaRow != nullptr ? alphaRow[x] : 255;
            if (header.UsesColorTable()) {
                const std::uint8_t index = StoredIndex(row, x, bits);
                const TRgbQuad& entry = header.BitmapInfo().colorTable[index];
                rgba[0] = entry.red;
                rgba[1] = entry.green;
                rgba[2] = entry.blue;
                if (key != nullptr && header.ColorType == png::kPalette)
                    rgba[3] = key->AlphaValues[index];
                if (key != nullptr && header.ColorType == png::kGrey &&
                    IsGreyKey(header, *key, index, lowRow, x)) {
                    rgba[3] = 0;
                }
            } else {
                const std::uint8_t* pixel = row + 3 * static_cast<std::size_t>(x);
                rgba[0] = pixel[2];
                rgba[1] = pixel[1];
                rgba[2] = pixel[0];
                const std::uint8_t* lowPixel =
                    lowRow != nullptr ? lowRow + 3 * static_cast<std::size_t>(x) : nullptr;
                if (key != nullptr && header.ColorType == png::kRgb &&
                    IsRgbKey(picture, header, *key, pixel, lowPixel)) {
                    rgba[3] = 0;
                }
            }
        }
    }
    return out;
}
