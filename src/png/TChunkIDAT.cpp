#include "png/TChunkIDAT.h"

#include "png/GreyRamp.h"
#include "png/IdatDecoder.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

bool TChunkIDAT::ReadPayload(TStream& stream, const png::ChunkType&, std::uint32_t length) {
    TChunkIHDR& header = HeaderChunk();
    TPNGObject& picture = Picture();
    if (header.UsesColorTable() &&
        (header.ColorType == png::kGrey || header.ColorType == png::kGreyAlpha)) {
        // Grey samples index a ramp built with the gamma table as it stands now.
        const std::size_t levels = std::size_t{1} << header.BitmapInfo().header.bitCount;
        header.ReplacePalette(png::MakeGreyRamp(levels, picture.DecodeGamma));
    }
    png::IdatDecoder decoder(stream, header, picture.DecodeGamma, length);
    decoder.DecodeRows(picture.InterlaceMode == 1);
    decoder.FinishChunk();
    return true;
}
