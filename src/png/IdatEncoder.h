#pragma once

#include <cstdint>

#include "core/Stream.h"
#include "png/EncodeRowConverters.h"
#include "png/GreyRamp.h"

class TChunkIHDR;

namespace png {

class IdatDeflater;
class RowFilterChooser;

// The settings of one IDAT encoding, taken from the picture.
struct IdatEncoderSettings {
    std::uint8_t rowFilters = 0;
    std::uint8_t deflateLevel = 0;
    std::uint32_t chunkSize = 0;
    bool interlaced = false;
};

// Compresses the header's image into IDAT chunks written to a stream: each row converted to
// PNG samples, filtered, and fed to one zlib stream, in image order or pass by pass (Adam7).
// Only one row and one chunk of output are held at a time.
class IdatEncoder {
public:
    IdatEncoder(const TChunkIHDR& header, const GammaTable& encodeGamma,
                const IdatEncoderSettings& settings);

    // Raises EPNGDeflateError when zlib fails, and EPNGHeaderNotPresent, before writing
    // anything, when the header describes no image it holds (a colour type or bit depth
    // without storage, or fields changed after the image was prepared).
    void Encode(TStream& stream);

private:
    std::uint8_t StorageBitDepth() const;
    bool HasConsistentImage() const;
    void EncodePlain(IdatDeflater& deflater, RowFilterChooser& chooser);
    void EncodeAdam7(IdatDeflater& deflater, RowFilterChooser& chooser);
    void EncodeRow(IdatDeflater& deflater, RowFilterChooser& chooser, std::uint32_t row,
                   const RowGeometry& geometry);

    const TChunkIHDR& header_;
    const GammaTable& encodeGamma_;
    IdatEncoderSettings settings_;
    EncodeRowConverter converter_ = nullptr;
};

}  // namespace png
