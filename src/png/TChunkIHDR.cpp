#include "png/TChunkIHDR.h"

#include <algorithm>
#include <cstring>

#include "core/CheckedMath.h"
#include "platform/raster/HalftonePalette.h"
#include "png/BigEndian.h"
#include "png/GreyRamp.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TPNGObject.h"

TChunkIHDR::TChunkIHDR(TPNGObject& picture) : TChunkKind(picture) {}

TChunkIHDR::~TChunkIHDR() {
    ReleaseImage();
}

std::uint16_t TChunkIHDR::StorageBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth) {
    switch (colorType) {
        case png::kGrey:
        case png::kPalette:
            switch (bitDepth) {
                case 1:
                    return 1;
                case 2:
                case 4:
                    return 4;
                case 8:
                case 16:
                    return 8;
                default:
                    return 0;
            }
        case png::kGreyAlpha:
            return bitDepth == 8 || bitDepth == 16 ? 8 : 0;
        case png::kRgb:
        case png::kRgbAlpha:
            return bitDepth == 8 || bitDepth == 16 ? 24 : 0;
        default:
            return 0;
    }
}

std::optional<std::size_t> TChunkIHDR::ImageBytes() const {
    const std::uint16_t bits = StorageBitsPerPixel(ColorType, BitDepth);
    const auto stride = TBitmapInfo::RowStrideFor(bits, Width);
    if (!stride) return std::nullopt;
    const auto rows = CheckedMul<std::size_t>(*stride, Height);
    const auto alpha = CheckedMul<std::size_t>(Width, Height);
    if (!rows || !alpha) return std::nullopt;
    std::size_t total = *rows;
    if (BitDepth == 16) total += *rows;
    if (ColorType == png::kGreyAlpha || ColorType == png::kRgbAlpha) total += *alpha;
    return total;
}

void TChunkIHDR::CheckDecodable() const {
    const auto bytes = ImageBytes();
    if (!bytes || *bytes > png::kMaxImageBytes) throw EPNGImageTooLarge();
}

void TChunkIHDR::PrepareImage() {
    bitmapInfo_.Zero();
    ReleaseImage();
    const std::uint16_t bits = StorageBitsPerPixel(ColorType, BitDepth);
    // Header fields a failed read left behind may describe no image we can hold.
    if (bits == 0 || Width > png::kMaxDimension || Height > png::kMaxDimension) return;
    CheckDecodable();
    auto& header = bitmapInfo_.header;
    header.size = TBitmapInfoHeader::kSize;
    header.width = static_cast<std::int32_t>(Width);
    header.height = static_cast<std::int32_t>(Height);
    header.planes = 1;
    header.bitCount = bits;
    header.compression = TBitmapInfoHeader::kCompressionRgb;
    usesColorTable_ = bits <= 8;
    rowStride_ = *TBitmapInfo::RowStrideFor(bits, Width);
    if (ColorType == png::kGreyAlpha || ColorType == png::kRgbAlpha) {
        alphaPlane_.assign(static_cast<std::size_t>(Width) * Height, 0);
    }
    if (BitDepth == 16) lowBytePlane_.assign(static_cast<std::size_t>(rowStride_) * Height, 0);
    if (usesColorTable_) InstallInitialPalette();
    dib_ = std::make_unique<TDibSection>(header);
}

void TChunkIHDR::InstallInitialPalette() {
    std::unique_ptr<TPalette> palette;
    if (ColorType == png::kPalette) {
        palette = std::make_unique<TPalette>(CreateHalftonePalette());
    } else {
        const std::uint8_t depth = std::min<std::uint8_t>(BitDepth, 8);
        palette = png::MakeGreyRamp(std::size_t{1} << depth, Picture().DecodeGamma);
    }
    palette->Resize(std::size_t{1} << bitmapInfo_.header.bitCount);
    ReplacePalette(std::move(palette));
}

void TChunkIHDR::ReplacePalette(std::unique_ptr<TPalette> palette) {
    if (!usesColorTable_ || !palette) return;
    const std::size_t count = std::min(palette->EntryCount(), TBitmapInfo::kColorTableSize);
    for (std::size_t i = 0; i < count; ++i) {
        const TPaletteEntry& entry = palette->Entry(i);
        bitmapInfo_.colorTable[i] = {entry.blue, entry.green, entry.red, 0};
    }
    bitmapInfo_.header.clrUsed = static_cast<std::uint32_t>(count);
    palette_ = std::move(palette);
}

void TChunkIHDR::ReleaseImage() {
    dib_.reset();
    palette_.reset();
    lowBytePlane_ = {};
    alphaPlane_ = {};
    usesColorTable_ = false;
    rowStride_ = 0;
}

bool TChunkIHDR::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    // A second header would give the picture a second image; the standard allows only one.
    if (Picture().ChunkList().Item(0) != this) throw EPNGIHDRNotFirst();
    const auto bytes = PayloadBytes();
    if (bytes.size() < kPayloadSize) throw EPngInvalidIHDR();
    Width = *png::ReadU32BE(bytes, 0);
    Height = *png::ReadU32BE(bytes, 4);
    BitDepth = bytes[8];
    ColorType = bytes[9];
    CompressionMethod = bytes[10];
    FilterMethod = bytes[11];
    InterlaceMethod = bytes[12];
    if (Width > png::kMaxDimension || Height > png::kMaxDimension) throw EPNGSizeExceeds();
    if (CompressionMethod != 0) throw EPNGUnknownCompression();
    if (InterlaceMethod > 1) throw EPNGUnknownInterlace();
    // An empty image is invalid PNG (standard section 11.2.2) and has nothing to show.
    if (Width == 0 || Height == 0) throw EPngInvalidIHDR();
    if (StorageBitsPerPixel(ColorType, BitDepth) == 0) throw EPNGUnsupportedFormat();
    CheckDecodable();
    Picture().InterlaceMode = InterlaceMethod;
    PrepareImage();
    return true;
}

void TChunkIHDR::CopyFrom(const TChunk& source) {
    const auto* header = dynamic_cast<const TChunkIHDR*>(&source);
    if (header == nullptr) throw EPngError(png::kTextChunksNotCompatible);
    Width = header->Width;
    Height = header->Height;
    BitDepth = header->BitDepth;
    ColorType = header->ColorType;
    CompressionMethod = header->CompressionMethod;
    FilterMethod = header->FilterMethod;
    InterlaceMethod = header->InterlaceMethod;
    PrepareImage();
    if (dib_ && header->dib_ && dib_->ByteCount() == header->dib_->ByteCount())
        *dib_ = *header->dib_;
    if (alphaPlane_.size() == header->alphaPlane_.size()) alphaPlane_ = header->alphaPlane_;
    bitmapInfo_.colorTable = header->bitmapInfo_.colorTable;
    if (usesColorTable_) bitmapInfo_.header.clrUsed = header->bitmapInfo_.header.clrUsed;
    if (palette_ && header->palette_) {
        palette_->Resize(header->palette_->EntryCount());
        for (std::size_t i = 0; i < palette_->EntryCount(); ++i)
            palette_->SetEntry(i, header->palette_->Entry(i));
    }
}

std::uint8_t* TChunkIHDR::RowAddress(std::uint32_t r) {
    return dib_ && r < dib_->Height() ? dib_->RowAddress(r) : nullptr;
}

const std::uint8_t* TChunkIHDR::RowAddress(std::uint32_t r) const {
    return dib_ && r < dib_->Height() ? dib_->RowAddress(r) : nullptr;
}

std::uint8_t* TChunkIHDR::LowByteRowAddress(std::uint32_t r) {
    if (lowBytePlane_.empty() || r >= Height) return nullptr;
    return lowBytePlane_.data() + static_cast<std::size_t>(rowStride_) * (Height - 1 - r);
}

std::uint8_t* TChunkIHDR::AlphaRowAddress(std::uint32_t r) {
    if (alphaPlane_.empty() || r >= Height) return nullptr;
    return alphaPlane_.data() + static_cast<std::size_t>(Width) * r;
}

const std::uint8_t* TChunkIHDR::AlphaRowAddress(std::uint32_t r) const {
    return const_cast<TChunkIHDR*>(this)->AlphaRowAddress(r);
}
