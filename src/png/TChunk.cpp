#include "png/TChunk.h"

#include <algorithm>
#include <array>

#include "png/BigEndian.h"
#include "png/Crc32.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

TChunk::TChunk(TPNGObject& picture) : payload_(1, 0), picture_(&picture) {}

TChunk::TChunk(TPNGObject& picture, std::string_view kindCode) : TChunk(picture) {
    if (kindCode.size() == 4) typeCode_ = png::MakeChunkType(kindCode);
}

void TChunk::CopyFrom(const TChunk& source) {
    typeCode_ = source.typeCode_;
    ResizePayload(source.payloadSize_);
    std::copy_n(source.payload_.data(), source.payloadSize_, payload_.data());
}

std::unique_ptr<TChunk> TChunk::CreateSameKind(TPNGObject& picture) const {
    return std::make_unique<TChunk>(picture);
}

void TChunk::ResizePayload(std::size_t size) {
    payload_.resize(size + 1);
    payload_.shrink_to_fit();
    payloadSize_ = static_cast<std::uint32_t>(size);
}

bool TChunk::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (length > png::kMaxStoredPayload) throw EPNGChunkTooLarge();
    // The payload grows only as the stream delivers bytes, so a declared length alone never
    // costs memory.
    ResizePayload(0);
    std::size_t received = 0;
    while (received < length) {
        const std::size_t step = std::min<std::size_t>(png::kPayloadReadStep, length - received);
        ResizePayload(received + step);
        const std::size_t got = stream.Read(payload_.data() + received, step);
        received += got;
        if (got < step) break;
    }
    // A stream that ends inside the chunk cannot deliver the CRC: that is a CRC mismatch.
    if (received < length) throw EPngInvalidCRC();
    ResizePayload(length);
    std::array<std::uint8_t, 4> stored{};
    if (stream.Read(stored.data(), stored.size()) != stored.size()) throw EPngInvalidCRC();
    std::uint32_t crc =
        png::Crc32Update(png::kCrcStart, reinterpret_cast<const std::uint8_t*>(type.data()), 4);
    crc = png::Crc32Update(crc, payload_.data(), length);
    if (~crc != *png::ReadU32BE(stored, 0)) throw EPngInvalidCRC();
    return true;
}

void TChunk::SkipPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    std::array<std::uint8_t, 4096> buffer{};
    std::uint32_t crc =
        png::Crc32Update(png::kCrcStart, reinterpret_cast<const std::uint8_t*>(type.data()), 4);
    std::size_t left = length;
    while (left > 0) {
        const std::size_t step = std::min(buffer.size(), left);
        const std::size_t got = stream.Read(buffer.data(), step);
        crc = png::Crc32Update(crc, buffer.data(), got);
        if (got < step) throw EPngInvalidCRC();
        left -= got;
    }
    std::array<std::uint8_t, 4> stored{};
    if (stream.Read(stored.data(), stored.size()) != stored.size()) throw EPngInvalidCRC();
    if (~crc != *png::ReadU32BE(stored, 0)) throw EPngInvalidCRC();
}

bool TChunk::WriteChunk(TStream& stream) {
    return WriteFrame(stream);
}

bool TChunk::WriteFrame(TStream& stream) {
    std::array<std::uint8_t, 8> head{};
    png::WriteU32BE(head, 0, payloadSize_);
    std::copy(typeCode_.begin(), typeCode_.end(), head.begin() + 4);
    stream.Write(head.data(), head.size());
    if (payloadSize_ > 0) stream.Write(payload_.data(), payloadSize_);
    std::uint32_t crc = png::Crc32Update(png::kCrcStart, head.data() + 4, 4);
    crc = png::Crc32Update(crc, payload_.data(), payloadSize_);
    std::array<std::uint8_t, 4> tail{};
    png::WriteU32BE(tail, 0, ~crc);
    stream.Write(tail.data(), tail.size());
    return true;
}

TChunkIHDR& TChunk::HeaderChunk() const {
    return picture_->Header();
}
