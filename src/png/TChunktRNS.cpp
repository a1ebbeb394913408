#include "png/TChunktRNS.h"

#include <algorithm>

#include "png/BigEndian.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"

void TChunktRNS::CopyFrom(const TChunk& source) {
    if (const auto* transparency = dynamic_cast<const TChunktRNS*>(&source)) {
        AlphaValues = transparency->AlphaValues;
        SingleTransparent = transparency->SingleTransparent;
    }
    TChunk::CopyFrom(source);
}

bool TChunktRNS::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    if (PayloadSize() > kMaxPayload) throw EPNGInvalidPalette();
    AlphaValues.fill(255);
    std::copy_n(Payload(), PayloadSize(), AlphaValues.begin());
    switch (HeaderChunk().ColorType) {
        case png::kGrey:
        case png::kRgb:
            SingleTransparent = true;
            break;
        case png::kPalette:
            SingleTransparent =
                std::count_if(AlphaValues.begin(), AlphaValues.begin() + PayloadSize(),
                              [](std::uint8_t alpha) { return alpha != 255; }) == 1;
            break;
        default:
            break;
    }
    return true;
}

void TChunktRNS::SetKeyColor(TColor color) {
    AlphaValues.fill(0);
    SingleTransparent = true;
    TChunkIHDR& header = HeaderChunk();
    switch (header.ColorType) {
        case png::kGrey:
            ResizePayload(2);
            png::WriteU16BE(AlphaValues, 0, ColorRed(color));
            break;
        case png::kRgb:
            ResizePayload(6);
            png::WriteU16BE(AlphaValues, 0, ColorRed(color));
            png::WriteU16BE(AlphaValues, 2, ColorGreen(color));
            png::WriteU16BE(AlphaValues, 4, ColorBlue(color));
            break;
        case png::kPalette: {
            const auto& info = header.BitmapInfo();
            const std::uint32_t used =
                info.header.clrUsed % 256 == 0 ? 256 : info.header.clrUsed % 256;
            std::uint32_t k = 0;
            while (k < used && !(info.colorTable[k].blue == ColorBlue(color) &&
                                 info.colorTable[k].green == ColorGreen(color) &&
                                 info.colorTable[k].red == ColorRed(color))) {
                ++k;
            }
            k %= 256;
            std::fill_n(AlphaValues.begin(), k, 255);
            ResizePayload(k + 1);
            break;
        }
        default:
            break;
    }
    std::copy_n(AlphaValues.begin(), PayloadSize(), Payload());
}
