#include "common/RgbaPng.h"

#include <memory>

#include "core/TMemoryStream.h"
#include "png/PngFormat.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIEND.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

namespace tools {

std::vector<std::uint8_t> EncodeRgbaPng(std::uint32_t width, std::uint32_t height,
                                        const std::vector<std::uint8_t>& rgba) {
    TPNGObject picture;
    // Clear sets the gamma tables to the identity, which the encoder maps the colours through.
    picture.Clear();
    auto header = std::make_unique<TChunkIHDR>(picture);
    TChunkIHDR& ihdr = *header;
    picture.ChunkList().Add(std::move(header));
    ihdr.Width = width;
    ihdr.Height = height;
    ihdr.BitDepth = 8;
    ihdr.ColorType = png::kRgbAlpha;
    ihdr.PrepareImage();
    picture.ChunkList().Add(std::make_unique<TChunkIDAT>(picture));
    picture.ChunkList().Add(std::make_unique<TChunkIEND>(picture));
    // The codec keeps RGB samples as blue, green, red and the alpha in a plane of its own.
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = ihdr.RowAddress(y);
        std::uint8_t* alpha = ihdr.AlphaRowAddress(y);
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = rgba.data() + (std::size_t{y} * width + x) * 4;
            row[3 * x] = p[2];
            row[3 * x + 1] = p[1];
            row[3 * x + 2] = p[0];
            alpha[x] = p[3];
        }
    }
    picture.RowFilters = rfNone | rfSub | rfUp | rfAverage | rfPaeth;
    picture.DeflateLevel = 9;
    TMemoryStream out;
    picture.WriteToStream(out);
    return std::vector<std::uint8_t>(out.Bytes().begin(), out.Bytes().end());
}

}  // namespace tools
