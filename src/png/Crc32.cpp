#include "png/Crc32.h"

#include <zlib.h>

#include <algorithm>

namespace png {

std::uint32_t Crc32Update(std::uint32_t crc, const std::uint8_t* bytes, std::size_t count) {
    // zlib's crc32 complements on entry and exit; undo that to keep the raw register.
    uLong value = ~crc & 0xFFFFFFFFu;
    while (count > 0) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(count, 0x40000000));
        value = crc32(value, bytes, piece);
        bytes += piece;
        count -= piece;
    }
    return ~static_cast<std::uint32_t>(value);
}

}  // namespace png
