#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// One PNG file of the decoding corpus, encoded by libpng in memory.
struct DecoderSample {
    std::string name;
    std::vector<std::uint8_t> png;
};

// 2048 x 2048 pictures: photo-like RGB, RGBA and 16-bit RGB, 8-bit grey, a 256-colour palette,
// an Adam7 RGB and a 1-bit QR-like picture.
const std::vector<DecoderSample>& DecoderCorpus();

}  // namespace bench
