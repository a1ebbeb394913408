// Device-independent bitmap files (BMP): the file header, the 40-byte info header (longer
// headers are skipped), the colour table and uncompressed rows.
#include <array>
#include <cstring>
#include <vector>

#include "core/Exception.h"
#include "platform/raster/BitmapOperations.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/RasterLimits.h"
#include "platform/raster/TBitmap.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
// Info headers up to the largest the platform defines (BITMAPV5HEADER).
constexpr std::uint32_t kMaxInfoHeaderSize = 124;
constexpr const char* kInvalidBitmap = "Bitmap image is not valid";

std::uint32_t GetU32(const std::uint8_t* p) {
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void ReadExactly(TStream& stream, void* buffer, std::size_t count) {
    if (stream.Read(buffer, count) != count) throw EInvalidGraphic(kInvalidBitmap);
}

TPixelFormat FormatOfBits(std::uint16_t bits) {
    switch (bits) {
        case 1:
            return pf1bit;
        case 4:
            return pf4bit;
        case 8:
            return pf8bit;
        case 16:
            return pf16bit;
        case 24:
            return pf24bit;
        default:
            return pf32bit;
    }
}

TBitmapInfo ReadInfo(TStream& stream, std::uint32_t& consumed) {
    std::array<std::uint8_t, kMaxInfoHeaderSize> raw{};
    ReadExactly(stream, raw.data(), 4);
    const std::uint32_t size = GetU32(raw.data());
    if (size < TBitmapInfoHeader::kSize || size > kMaxInfoHeaderSize)
        throw EInvalidGraphic(kInvalidBitmap);
    ReadExactly(stream, raw.data() + 4, size - 4);
    TBitmapInfo info;
    TBitmapInfoHeader& h = info.header;
    h.size = TBitmapInfoHeader::kSize;
    h.width = static_cast<std::int32_t>(GetU32(&raw[4]));
    h.height = static_cast<std::int32_t>(GetU32(&raw[8]));
    h.planes = GetU16(&raw[12]);
    h.bitCount = GetU16(&raw[14]);
    h.compression = GetU32(&raw[16]);
    h.clrUsed = GetU32(&raw[32]);
    consumed += size;
    const bool knownDepth = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 ||
                            h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32;
    if (!knownDepth || h.compression != TBitmapInfoHeader::kCompressionRgb || h.width <= 0 ||
        h.height == 0 || h.height == INT32_MIN) {
        throw EInvalidGraphic(kInvalidBitmap);
    }
    const std::size_t bytes = TDibSection::RequiredBytes(h);
    if (bytes == 0 || bytes > raster::kMaxBitmapBytes) throw EInvalidGraphic(kInvalidBitmap);
    if (h.bitCount <= 8) {
        const std::uint32_t full = 1u << h.bitCount;
        if (h.clrUsed == 0) h.clrUsed = full;
        if (h.clrUsed > full) throw EInvalidGraphic(kInvalidBitmap);
        std::vector<std::uint8_t> table(h.clrUsed * 4);
        ReadExactly(stream, table.data(), table.size());
        for (std::uint32_t i = 0; i < h.clrUsed; ++i) {
            info.colorTable[i] = TRgbQuad{table[4 * i], table[4 * i + 1], table[4 * i + 2], 0};
        }
        consumed += h.clrUsed * 4;
    } else {
        h.clrUsed = 0;
    }
    return info;
}

}  // namespace

void TBitmap::ReadFromStream(TStream& stream) {
    std::array<std::uint8_t, kFileHeaderSize> fileHeader{};
    ReadExactly(stream, fileHeader.data(), fileHeader.size());
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') throw EInvalidGraphic(kInvalidBitmap);
    const std::uint32_t offset = GetU32(&fileHeader[10]);
    std::uint32_t consumed = kFileHeaderSize;
    const TBitmapInfo info = ReadInfo(stream, consumed);
    if (offset > consumed) {
        // Only colour masks or padding lie between table and rows; a wide gap is corrupt.
        if (offset - consumed > kMaxInfoHeaderSize) throw EInvalidGraphic(kInvalidBitmap);
        std::vector<std::uint8_t> gap(offset - consumed);
        ReadExactly(stream, gap.data(), gap.size());
    }
    auto bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS);
    if (!bitmap) throw EOutOfResources("Out of system resources");
    ReadExactly(stream, bitmap->Bits(), bitmap->Pixels().ByteCount());
    palette_.reset();
    if (bitmap->IsIndexed()) {
        std::vector<TPaletteEntry> entries;
        for (const TRgbQuad& q : bitmap->ColorTable())
            entries.push_back(TPaletteEntry{q.red, q.green, q.blue, 0});
        palette_ = std::make_shared<TPalette>(std::move(entries));
    }
    Adopt(std::move(bitmap), FormatOfBits(info.header.bitCount));
    Changed();
}

void TBitmap::WriteToStream(TStream& stream) {
    if (IsEmpty()) return;
    const std::uint16_t bits = handle_->BitCount();
    TBitmapInfo info;
    info.header = {
        TBitmapInfoHeader::kSize, PixelWidth(), PixelHeight(), 1, bits, 0, 0, 0, 0, 0, 0};
    const std::size_t tableEntries = bits <= 8 ? std::size_t{1} << bits : 0;
    info.header.clrUsed = static_cast<std::uint32_t>(tableEntries);
    std::vector<std::uint8_t> pixels(TDibSection::RequiredBytes(info.header));
    info.header.sizeImage = static_cast<std::uint32_t>(pixels.size());
    GetDIBits(*dc_, *handle_, 0, static_cast<unsigned>(PixelHeight()), pixels.data(), info,
              DIB_RGB_COLORS);

    const auto offset =
        static_cast<std::uint32_t>(kFileHeaderSize + TBitmapInfoHeader::kSize + 4 * tableEntries);
    std::array<std::uint8_t, kFileHeaderSize> fileHeader{'B', 'M'};
    PutU32(&fileHeader[2], static_cast<std::uint32_t>(offset + pixels.size()));
    PutU32(&fileHeader[10], offset);
    stream.WriteBuffer(fileHeader.data(), fileHeader.size());
    const auto header = info.SerializeHeader();
    stream.WriteBuffer(header.data(), header.size());
    for (std::size_t i = 0; i < tableEntries; ++i) {
        const TRgbQuad& q = info.colorTable[i];
        const std::array<std::uint8_t, 4> entry{q.blue, q.green, q.red, 0};
        stream.WriteBuffer(entry.data(), entry.size());
    }
    stream.WriteBuffer(pixels.data(), pixels.size());
}
