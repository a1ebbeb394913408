#include "png/IdatEncoder.h"

#include "png/IdatDeflater.h"
#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/PngLimits.h"
#include "png/RowFilterChooser.h"
#include "png/TChunkIHDR.h"

namespace png {

IdatEncoder::IdatEncoder(const TChunkIHDR& header, const GammaTable& encodeGamma,
                         const IdatEncoderSettings& settings)
    : header_(header), encodeGamma_(encodeGamma), settings_(settings) {
    // A longer chunk could not be read back: lengths of 2^31 or more are invalid PNG.
    if (settings_.chunkSize > kMaxChunkLength) settings_.chunkSize = kMaxChunkLength;
    if (settings_.chunkSize == 0) settings_.chunkSize = 1;
    bool identity = true;
    for (std::size_t i = 0; i < encodeGamma_.size(); ++i)
        identity = identity && encodeGamma_[i] == i;
    converter_ =
        SelectEncodeConverter(header_.ColorType, StorageBitDepth(), settings_.interlaced, identity);
}

// 2-bit rows hold 4-bit indexes and are written as 4-bit samples; the IHDR writer says so in
// the header before the image data follows.
std::uint8_t IdatEncoder::StorageBitDepth() const {
    return header_.BitDepth == 2 ? 4 : header_.BitDepth;
}

void IdatEncoder::Encode(TStream& stream) {
    // Image data that does not match the header would make a file no reader accepts.
    if (!HasConsistentImage()) throw EPNGHeaderNotPresent();
    const std::uint8_t depth = StorageBitDepth();
    const std::uint32_t fullRowBytes = RowBytesFor(header_.ColorType, depth, header_.Width);
    RowFilterChooser chooser(settings_.rowFilters, fullRowBytes,
                             BytesPerPixelFor(header_.ColorType, depth));
    IdatDeflater deflater(stream, settings_.deflateLevel, settings_.chunkSize);
    if (settings_.interlaced) {
        EncodeAdam7(deflater, chooser);
    } else {
        EncodePlain(deflater, chooser);
    }
    deflater.Finish();
}

// The rows are read through the header's fields, so they must describe the pixel memory that
// is actually there; a header without storage (unknown colour type or bit depth) or one whose
// fields were changed after the image was prepared has no rows to give.
bool IdatEncoder::HasConsistentImage() const {
    const TDibSection* bitmap = header_.BitmapHandle();
    if (converter_ == nullptr || bitmap == nullptr) return false;
    if (bitmap->BitCount() != TChunkIHDR::StorageBitsPerPixel(header_.ColorType, header_.BitDepth))
        return false;
    if (bitmap->Width() != header_.Width || bitmap->Height() != header_.Height) return false;
    const bool hasAlpha = header_.ColorType == kGreyAlpha || header_.ColorType == kRgbAlpha;
    return !hasAlpha ||
           header_.AlphaPlane().size() >= static_cast<std::size_t>(header_.Width) * header_.Height;
}

void IdatEncoder::EncodePlain(IdatDeflater& deflater, RowFilterChooser& chooser) {
    RowGeometry geometry;
    geometry.pixelCount = header_.Width;
    geometry.rowBytes = RowBytesFor(header_.ColorType, StorageBitDepth(), header_.Width);
    chooser.ResetPrior(geometry.rowBytes);
    for (std::uint32_t row = 0; row < header_.Height; ++row)
        EncodeRow(deflater, chooser, row, geometry);
}

void IdatEncoder::EncodeAdam7(IdatDeflater& deflater, RowFilterChooser& chooser) {
    for (int pass = 0; pass < kAdam7Passes; ++pass) {
        const auto index = static_cast<std::size_t>(pass);
        RowGeometry geometry;
        geometry.pixelCount = Adam7PassWidth(header_.Width, pass);
        geometry.firstColumn = kAdam7FirstColumn[index];
        geometry.columnStep = kAdam7ColumnStep[index];
        geometry.rowBytes = RowBytesFor(header_.ColorType, StorageBitDepth(), geometry.pixelCount);
        chooser.ResetPrior(geometry.rowBytes);
        if (geometry.rowBytes == 0) continue;
        for (std::uint32_t row = kAdam7FirstRow[index]; row < header_.Height;
             row += kAdam7RowStep[index]) {
            EncodeRow(deflater, chooser, row, geometry);
        }
    }
}

void IdatEncoder::EncodeRow(IdatDeflater& deflater, RowFilterChooser& chooser, std::uint32_t row,
                            const RowGeometry& geometry) {
    const RowSource source{header_.RowAddress(row), header_.AlphaRowAddress(row)};
    converter_(source, chooser.RawRow(), geometry, encodeGamma_);
    const RowFilterChooser::Choice choice = chooser.Choose(geometry.rowBytes);
    deflater.Feed(choice.line, geometry.rowBytes + 1);
}

}  // namespace png
