#include "platform/raster/BitmapOperations.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/BlitCore.h"
#include "platform/raster/HalftonePalette.h"
#include "platform/raster/PixelView.h"
#include "platform/raster/RasterLimits.h"

using namespace raster;

namespace {

TBitmapInfoHeader HeaderFor(std::int32_t width, std::int32_t height, std::uint16_t bitCount) {
    TBitmapInfoHeader header;
    header.size = TBitmapInfoHeader::kSize;
    header.width = width;
    header.height = height;
    header.planes = 1;
    header.bitCount = bitCount;
    return header;
}

bool FitsLimit(const TBitmapInfoHeader& header) {
    if (header.width <= 0 || header.height == 0 || header.height == INT32_MIN) return false;
    const std::size_t bytes = TDibSection::RequiredBytes(header);
    return bytes != 0 && bytes <= kMaxBitmapBytes;
}

TBitmapHandle MakeBitmap(TBitmapKind kind, const TBitmapInfoHeader& header,
                         std::vector<TRgbQuad> table = {}) {
    if (!FitsLimit(header)) return nullptr;
    return std::make_shared<TDeviceBitmap>(kind, header, std::move(table));
}

std::vector<TRgbQuad> TableOf(const TBitmapInfo& info) {
    const std::uint16_t bits = info.header.bitCount;
    if (bits > 8) return {};
    const std::size_t full = std::size_t{1} << bits;
    const std::size_t used =
        info.header.clrUsed == 0 || info.header.clrUsed > full ? full : info.header.clrUsed;
    return {info.colorTable.begin(), info.colorTable.begin() + static_cast<std::ptrdiff_t>(used)};
}

bool IsDibBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The colour table GetDIBits hands out for a bitmap converted to `bits` bits per pixel.
std::vector<TRgbQuad> ConversionTable(const TDeviceBitmap& bitmap, std::uint16_t bits) {
    const std::size_t count = std::size_t{1} << bits;
    if (bitmap.BitCount() == bits && (bitmap.IsIndexed() || bitmap.IsMonochrome()))
        return bitmap.ColorTable();
    if (bits == 1) return {TRgbQuad{0, 0, 0, 0}, TRgbQuad{255, 255, 255, 0}};
    const TPalette halftone = CreateHalftonePalette();
    std::vector<TRgbQuad> table(count);
    for (std::size_t i = 0; i < count && i < halftone.EntryCount(); ++i) {
        const TPaletteEntry& e = halftone.Entry(i);
        table[i] = TRgbQuad{e.blue, e.green, e.red, 0};
    }
    return table;
}

}  // namespace

TBitmapHandle CreateBitmap(int width, int height, unsigned planes, unsigned bitCount,
                           const void* bits) {
    if (planes != 1 || (bitCount != 1 && bitCount != 32)) return nullptr;
    const auto kind = bitCount == 1 ? TBitmapKind::Monochrome : TBitmapKind::Device;
    auto bitmap = MakeBitmap(kind, HeaderFor(width, -height, static_cast<std::uint16_t>(bitCount)));
    if (bitmap && bits != nullptr) std::memcpy(bitmap->Bits(), bits, bitmap->Pixels().ByteCount());
    return bitmap;
}

TBitmapHandle CreateCompatibleBitmap(const TDeviceContext*, int width, int height) {
    if (height <= 0) return nullptr;
    return MakeBitmap(TBitmapKind::Device, HeaderFor(width, -height, 32));
}

TBitmapHandle CreateDIBitmap(const TDeviceContext* dc, const TBitmapInfoHeader& header,
                             std::uint32_t init, const void* bits, const TBitmapInfo* info,
                             unsigned) {
    const std::int32_t height = header.height < 0 ? -header.height : header.height;
    auto bitmap = CreateCompatibleBitmap(dc, header.width, height);
    if (!bitmap || (init & CBM_INIT) == 0 || bits == nullptr || info == nullptr) return bitmap;
    TDeviceContext target;
    target.SelectObject(bitmap);
    const auto w = static_cast<int>(info->header.width);
    const int h = info->header.height < 0 ? -info->header.height : info->header.height;
    StretchDIBits(target, 0, 0, w, h, 0, 0, w, h, bits, *info, SRCCOPY);
    return bitmap;
}

TBitmapHandle CreateDIBSection(const TDeviceContext*, const TBitmapInfo& info, unsigned) {
    const TBitmapInfoHeader& header = info.header;
    if (header.compression != TBitmapInfoHeader::kCompressionRgb || !IsDibBitCount(header.bitCount))
        return nullptr;
    return MakeBitmap(TBitmapKind::Section, header, TableOf(info));
}

TBitmapDescription GetObject(TDeviceBitmap& bitmap) {
    TBitmapDescription description;
    description.width = static_cast<std::int32_t>(bitmap.Width());
    description.height = static_cast<std::int32_t>(bitmap.Height());
    description.widthBytes = static_cast<std::int32_t>(bitmap.RowStride());
    description.planes = 1;
    description.bitsPixel = bitmap.BitCount();
    description.bits = bitmap.Kind() == TBitmapKind::Section ? bitmap.Bits() : nullptr;
    return description;
}

int GetDIBits(const TDeviceContext&, TDeviceBitmap& bitmap, unsigned startScan, unsigned scanLines,
              void* bits, TBitmapInfo& info, unsigned) {
    TBitmapInfoHeader& header = info.header;
    if (bits == nullptr && header.bitCount == 0) {
        header = bitmap.Header();
        header.height = static_cast<std::int32_t>(bitmap.Height());
        header.clrUsed = 0;
        header.sizeImage = static_cast<std::uint32_t>(bitmap.Pixels().ByteCount());
        return static_cast<int>(bitmap.Height());
    }
    if (!IsDibBitCount(header.bitCount) || header.compression != TBitmapInfoHeader::kCompressionRgb)
        return 0;
    if (header.width != static_cast<std::int32_t>(bitmap.Width())) return 0;
    if (header.bitCount <= 8) {
        const auto table = ConversionTable(bitmap, header.bitCount);
        std::copy(table.begin(), table.end(), info.colorTable.begin());
    }
    if (bits == nullptr) return static_cast<int>(bitmap.Height());
    if (startScan >= bitmap.Height()) return 0;
    const std::uint32_t rows = std::min<std::uint32_t>(scanLines, bitmap.Height() - startScan);
    const bool topDown = header.height < 0;

    // The rows to copy, as a view whose memory starts at the first row copied.
    TBitmapInfo target = info;
    target.header.height =
        topDown ? -static_cast<std::int32_t>(rows) : static_cast<std::int32_t>(rows);
    target.header.clrUsed = 0;
    auto dst = ViewOf(bits, target);
    if (!dst) return 0;
    TPixelView src = ViewOf(bitmap);
    if (bitmap.IsMonochrome() && header.bitCount == 1) src.domain = TPixelDomain::Index;
    TBlitGeometry g;
    g.width = g.srcWidth = bitmap.Width();
    g.height = g.srcHeight = rows;
    g.srcY = topDown ? startScan : bitmap.Height() - startScan - rows;
    // Monochrome bitmaps read as black and white, whatever a context's colours are.
    const std::uint32_t black = 0;
    const std::uint32_t white = kColorMask;
    if (!BlitViews(*dst, black, white, src, white, g, SRCCOPY)) return 0;
    return static_cast<int>(rows);
}
