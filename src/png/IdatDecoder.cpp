#include "png/IdatDecoder.h"

#include <algorithm>
#include <array>

#include "png/BigEndian.h"
#include "png/Crc32.h"
#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/PngLimits.h"
#include "png/RowFilters.h"
#include "png/TChunkIHDR.h"

namespace png {

namespace {

constexpr int kWindowBits = 15;

bool IsIdentity(const GammaTable& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] != i) return false;
    }
    return true;
}

}  // namespace

IdatDecoder::IdatDecoder(TStream& stream, TChunkIHDR& header, const GammaTable& decodeGamma,
                         std::uint32_t firstLength)
    : stream_(stream),
      header_(header),
      decodeGamma_(decodeGamma),
      input_(kIdatInputBufferSize),
      chunkRemaining_(firstLength) {
    runningCrc_ =
        Crc32Update(kCrcStart, reinterpret_cast<const std::uint8_t*>(kTypeIDAT.data()), 4);
    bytesPerPixel_ = BytesPerPixelFor(header.ColorType, header.BitDepth);
    const int result = inflateInit2(&inflater_, kWindowBits);
    if (result != Z_OK) throw EPNGZLIBError(result);
    inflaterOpen_ = true;
}

IdatDecoder::~IdatDecoder() {
    if (inflaterOpen_) inflateEnd(&inflater_);
}

void IdatDecoder::CheckStoredCrc() {
    std::array<std::uint8_t, 4> stored{};
    if (stream_.Read(stored.data(), stored.size()) != stored.size() ||
        *ReadU32BE(stored, 0) != ~runningCrc_) {
        throw EPngInvalidCRC();
    }
}

void IdatDecoder::StartNextChunk() {
    CheckStoredCrc();
    std::array<std::uint8_t, 8> head{};
    const std::size_t got = stream_.Read(head.data(), head.size());
    if (got != head.size() || !std::equal(kTypeIDAT.begin(), kTypeIDAT.end(), head.begin() + 4)) {
        throw EPNGMissingMultipleIDAT();
    }
    const std::uint32_t length = *ReadU32BE(head, 0);
    if (length > kMaxChunkLength) throw EPNGChunkTooLarge();
    runningCrc_ = Crc32Update(kCrcStart, head.data() + 4, 4);
    chunkRemaining_ = length;
}

std::size_t IdatDecoder::IdatReader(std::uint8_t* output, std::size_t count) {
    inflater_.next_out = output;
    inflater_.avail_out = static_cast<uInt>(count);
    while (inflater_.avail_out > 0) {
        while (chunkRemaining_ == 0 && inflater_.avail_in == 0) StartNextChunk();
        if (inflater_.avail_in == 0) {
            const std::size_t want = std::min<std::size_t>(input_.size(), chunkRemaining_);
            const std::size_t got = stream_.Read(input_.data(), want);
            runningCrc_ = Crc32Update(runningCrc_, input_.data(), got);
            chunkRemaining_ -= static_cast<std::uint32_t>(got);
            if (got == 0) return count - inflater_.avail_out;
            inflater_.next_in = input_.data();
            inflater_.avail_in = static_cast<uInt>(got);
        }
        const int result = inflate(&inflater_, Z_NO_FLUSH);
        // Z_NEED_DICT is positive but final too: inflate makes no progress until given a
        // dictionary, which PNG never supplies (standard section 10.1), so it would spin.
        if (result < 0 || result == Z_NEED_DICT) throw EPNGZLIBError(result);
        // Data after the end of the zlib stream is never image data.
        if (result == Z_STREAM_END) inflater_.avail_in = 0;
    }
    return count;
}

void IdatDecoder::FinishChunk() {
    while (chunkRemaining_ > 0) {
        const std::size_t want = std::min<std::size_t>(input_.size(), chunkRemaining_);
        const std::size_t got = stream_.Read(input_.data(), want);
        if (got == 0) break;
        runningCrc_ = Crc32Update(runningCrc_, input_.data(), got);
        chunkRemaining_ -= static_cast<std::uint32_t>(got);
    }
    CheckStoredCrc();
}

bool IdatDecoder::ReadRow(std::size_t rowBytes) {
    std::uint8_t* row = rows_[current_].data();
    if (IdatReader(row, rowBytes + 1) == 0) return false;
    UnfilterRow(row[0], row + 1, rows_[1 - current_].data() + 1, rowBytes, bytesPerPixel_);
    return true;
}

void IdatDecoder::DecodeRows(bool interlaced) {
    converter_ = SelectDecodeConverter(header_.ColorType, header_.BitDepth, interlaced,
                                       IsIdentity(decodeGamma_));
    if (converter_ == nullptr || header_.PixelRows() == nullptr) throw EPNGUnsupportedFormat();
    const std::size_t rowBytes = RowBytesFor(header_.ColorType, header_.BitDepth, header_.Width);
    rows_[0].assign(rowBytes + 1, 0);
    rows_[1].assign(rowBytes + 1, 0);
    current_ = 1;
    if (interlaced) {
        DecodeAdam7();
    } else {
        DecodePlain();
    }
}

void IdatDecoder::DecodePlain() {
    const RowGeometry geometry{header_.Width, 0, 1,
                               RowBytesFor(header_.ColorType, header_.BitDepth, header_.Width)};
    for (std::uint32_t r = 0; r < header_.Height; ++r) {
        if (!ReadRow(geometry.rowBytes)) return;
        const RowTarget target{header_.RowAddress(r), header_.LowByteRowAddress(r),
                               header_.AlphaRowAddress(r)};
        converter_(rows_[current_].data() + 1, target, geometry, decodeGamma_);
        current_ = 1 - current_;
    }
}

void IdatDecoder::DecodeAdam7() {
    for (int pass = 0; pass < kAdam7Passes; ++pass) {
        const auto index = static_cast<std::size_t>(pass);
        const std::uint32_t passWidth = Adam7PassWidth(header_.Width, pass);
        const RowGeometry geometry{passWidth, kAdam7FirstColumn[index], kAdam7ColumnStep[index],
                                   RowBytesFor(header_.ColorType, header_.BitDepth, passWidth)};
        // Each pass starts against a prior row of zeros (standard section 8.2).
        std::fill(rows_[1 - current_].begin(), rows_[1 - current_].end(), 0);
        if (geometry.rowBytes == 0) continue;
        for (std::uint32_t r = kAdam7FirstRow[index]; r < header_.Height;
             r += kAdam7RowStep[index]) {
            if (!ReadRow(geometry.rowBytes)) break;
            const RowTarget target{header_.RowAddress(r), header_.LowByteRowAddress(r),
                                   header_.AlphaRowAddress(r)};
            converter_(rows_[current_].data() + 1, target, geometry, decodeGamma_);
            current_ = 1 - current_;
        }
    }
}

}  // namespace png
