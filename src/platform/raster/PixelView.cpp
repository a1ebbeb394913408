#include "platform/raster/PixelView.h"

#include <cstring>

#include "platform/raster/PackedPixels.h"
#include "platform/raster/RasterLimits.h"

namespace raster {

namespace {

bool IsSupportedBitCount(std::uint16_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

std::uint32_t Expand5(std::uint32_t v) {
    return (v << 3) | (v >> 2);
}

void ReadPacked(const std::uint8_t* row, std::uint16_t bits, std::uint32_t x0, std::uint32_t count,
                std::uint32_t* out) {
    if (bits == 1 && x0 % 8 == 0) {
        // Whole bytes at a time: the common case of masks that start at the left edge.
        const std::uint8_t* p = row + x0 / 8;
        std::uint32_t i = 0;
        for (; i + 8 <= count; i += 8, ++p) {
            const unsigned byte = *p;
            for (unsigned b = 0; b < 8; ++b) out[i + b] = (byte >> (7 - b)) & 1;
        }
        for (unsigned b = 0; i < count; ++i, ++b) out[i] = (*p >> (7 - b)) & 1;
        return;
    }
    for (std::uint32_t i = 0; i < count; ++i) out[i] = PackedIndex(row, x0 + i, bits);
}

void WritePacked(std::uint8_t* row, std::uint16_t bits, std::uint32_t x0, std::uint32_t count,
                 const std::uint32_t* in) {
    if (bits == 1 && x0 % 8 == 0) {
        std::uint8_t* p = row + x0 / 8;
        std::uint32_t i = 0;
        for (; i + 8 <= count; i += 8, ++p) {
            unsigned byte = 0;
            for (unsigned b = 0; b < 8; ++b) byte |= (in[i + b] & 1) << (7 - b);
            *p = static_cast<std::uint8_t>(byte);
        }
        x0 += i;
        in += i;
        count -= i;
    }
    for (std::uint32_t i = 0; i < count; ++i) SetPackedIndex(row, x0 + i, bits, in[i]);
}

}  // namespace

TPixelView ViewOf(TDeviceBitmap& bitmap) {
    TPixelView view;
    view.bits = bitmap.Bits();
    view.stride = bitmap.RowStride();
    view.width = bitmap.Width();
    view.height = bitmap.Height();
    view.topDown = bitmap.IsTopDown();
    view.bitCount = bitmap.BitCount();
    view.colorTable = bitmap.ColorTable().data();
    view.colorCount = bitmap.ColorTable().size();
    view.domain = bitmap.IsMonochrome() ? TPixelDomain::Mono
                  : bitmap.IsIndexed()  ? TPixelDomain::Index
                                        : TPixelDomain::Color;
    return view;
}

std::optional<TPixelView> ViewOf(const void* bits, const TBitmapInfo& info) {
    const TBitmapInfoHeader& header = info.header;
    if (bits == nullptr || header.compression != TBitmapInfoHeader::kCompressionRgb)
        return std::nullopt;
    if (!IsSupportedBitCount(header.bitCount) || header.width <= 0 || header.height == 0)
        return std::nullopt;
    if (header.height == INT32_MIN) return std::nullopt;
    const std::size_t bytes = TDibSection::RequiredBytes(header);
    if (bytes == 0 || bytes > kMaxBitmapBytes) return std::nullopt;
    TPixelView view;
    view.bits = static_cast<std::uint8_t*>(const_cast<void*>(bits));
    view.width = static_cast<std::uint32_t>(header.width);
    view.topDown = header.height < 0;
    view.height = static_cast<std::uint32_t>(view.topDown ? -header.height : header.height);
    view.stride = *TBitmapInfo::RowStrideFor(header.bitCount, view.width);
    view.bitCount = header.bitCount;
    if (header.bitCount <= 8) {
        const std::size_t full = std::size_t{1} << header.bitCount;
        view.colorTable = info.colorTable.data();
        view.colorCount = header.clrUsed == 0 || header.clrUsed > full ? full : header.clrUsed;
        view.domain = TPixelDomain::Index;
    }
    return view;
}

void ReadRow(const TPixelView& view, std::uint32_t r, std::uint32_t x0, std::uint32_t count,
             std::uint32_t* out) {
    // An empty span may come with no buffer at all (an empty vector's data()).
    if (count == 0) return;
    const std::uint8_t* row = view.Row(r);
    switch (view.bitCount) {
        case 1:
        case 4:
            ReadPacked(row, view.bitCount, x0, count, out);
            break;
        case 8:
            for (std::uint32_t i = 0; i < count; ++i) out[i] = row[x0 + i];
            break;
        case 16:
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint8_t* p = row + 2 * (x0 + i);
                const std::uint32_t v = p[0] | (static_cast<std::uint32_t>(p[1]) << 8);
                out[i] = (Expand5((v >> 10) & 31) << 16) | (Expand5((v >> 5) & 31) << 8) |
                         Expand5(v & 31);
            }
            break;
        case 24:
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint8_t* p = row + 3 * (x0 + i);
                out[i] = p[0] | (static_cast<std::uint32_t>(p[1]) << 8) |
                         (static_cast<std::uint32_t>(p[2]) << 16);
            }
            break;
        default:
            std::memcpy(out, row + 4 * std::size_t{x0}, 4 * std::size_t{count});
            break;
    }
}

void WriteRow(const TPixelView& view, std::uint32_t r, std::uint32_t x0, std::uint32_t count,
              const std::uint32_t* values) {
    if (count == 0) return;
    std::uint8_t* row = view.Row(r);
    switch (view.bitCount) {
        case 1:
        case 4:
            WritePacked(row, view.bitCount, x0, count, values);
            break;
        case 8:
            for (std::uint32_t i = 0; i < count; ++i)
                row[x0 + i] = static_cast<std::uint8_t>(values[i]);
            break;
        case 16:
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint32_t w = values[i];
                const std::uint32_t v =
                    (((w >> 19) & 31) << 10) | (((w >> 11) & 31) << 5) | ((w >> 3) & 31);
                row[2 * (x0 + i)] = static_cast<std::uint8_t>(v);
                row[2 * (x0 + i) + 1] = static_cast<std::uint8_t>(v >> 8);
            }
            break;
        case 24:
            for (std::uint32_t i = 0; i < count; ++i) {
                std::uint8_t* p = row + 3 * (x0 + i);
                p[0] = static_cast<std::uint8_t>(values[i]);
                p[1] = static_cast<std::uint8_t>(values[i] >> 8);
                p[2] = static_cast<std::uint8_t>(values[i] >> 16);
            }
            break;
        default:
            std::memcpy(row + 4 * std::size_t{x0}, values, 4 * std::size_t{count});
            break;
    }
}

}  // namespace raster
