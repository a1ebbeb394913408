#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Stream.h"
#include "png/DecodeRowConverters.h"

class TChunkIHDR;

namespace png {

// The working state of one decode of an IDAT run: the inflater fed chunk by chunk (each
// chunk's CRC checked), the two row buffers, and the row loops that unfilter and convert each
// row straight into the header's image.
class IdatDecoder {
public:
    IdatDecoder(TStream& stream, TChunkIHDR& header, const GammaTable& decodeGamma,
                std::uint32_t firstLength);
    ~IdatDecoder();
    IdatDecoder(const IdatDecoder&) = delete;
    IdatDecoder& operator=(const IdatDecoder&) = delete;

    void DecodeRows(bool interlaced);
    // Reads the unread rest of the current chunk (into its CRC) and checks the stored CRC, so
    // the stream stands after the last chunk used.
    void FinishChunk();

    // Fills up to count bytes of inflated data, moving on to the next IDAT chunk as needed;
    // answers fewer only when the stream has ended.
    std::size_t IdatReader(std::uint8_t* output, std::size_t count);

private:
    void StartNextChunk();
    void CheckStoredCrc();
    bool ReadRow(std::size_t rowBytes);
    void DecodePlain();
    void DecodeAdam7();

    TStream& stream_;
    TChunkIHDR& header_;
    const GammaTable& decodeGamma_;
    z_stream inflater_{};
    bool inflaterOpen_ = false;
    std::vector<std::uint8_t> input_;
    std::uint32_t chunkRemaining_ = 0;
    std::uint32_t runningCrc_ = 0;
    std::vector<std::uint8_t> rows_[2];
    int current_ = 1;
    std::uint32_t bytesPerPixel_ = 0;
    DecodeRowConverter converter_ = nullptr;
};

}  // namespace png
