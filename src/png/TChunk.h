#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/Stream.h"
#include "png/PngFormat.h"

class TPNGObject;
class TChunkIHDR;

// One chunk of a PNG picture. Also the class of every chunk whose type is not registered:
// such a chunk keeps its payload as raw bytes and writes it back unchanged.
class TChunk {
public:
    explicit TChunk(TPNGObject& picture);
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    // The type code of the class ("" for the generic chunk); every subclass hides it with its own.
    static constexpr std::string_view KindCode() { return ""; }

    virtual void CopyFrom(const TChunk& source);
    // Reads payload and CRC of a chunk whose Length and Type were already read; raises
    // EPngInvalidCRC on a CRC mismatch, including a stream that ended inside the chunk.
    virtual bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length);
    virtual bool WriteChunk(TStream& stream);
    // Reads past the payload and CRC of a chunk that is not kept, through a small buffer;
    // raises EPngInvalidCRC as ReadPayload does.
    static void SkipPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length);
    // A new, empty chunk of the same class owned by another picture (used by picture copies).
    virtual std::unique_ptr<TChunk> CreateSameKind(TPNGObject& picture) const;

    void ResizePayload(std::size_t size);
    bool WriteFrame(TStream& stream);
    // The owning picture's first chunk; raises EPNGHeaderNotPresent when it is no IHDR chunk.
    TChunkIHDR& HeaderChunk() const;

    std::uint8_t* Payload() { return payload_.data(); }
    const std::uint8_t* Payload() const { return payload_.data(); }
    std::span<const std::uint8_t> PayloadBytes() const { return {payload_.data(), payloadSize_}; }
    std::uint32_t PayloadSize() const { return payloadSize_; }
    TPNGObject& Picture() const { return *picture_; }
    const png::ChunkType& TypeCode() const { return typeCode_; }
    void SetTypeCode(const png::ChunkType& type) { typeCode_ = type; }

protected:
    TChunk(TPNGObject& picture, std::string_view kindCode);

private:
    // Always one byte longer than the payload.
    std::vector<std::uint8_t> payload_;
    std::uint32_t payloadSize_ = 0;
    TPNGObject* picture_;
    png::ChunkType typeCode_{};
};

// Gives a chunk class its KindCode and CreateSameKind from its kind-code text.
template <typename Derived, typename Base = TChunk>
class TChunkKind : public Base {
public:
    explicit TChunkKind(TPNGObject& picture) : Base(picture, Derived::kKindCode) {}

    static constexpr std::string_view KindCode() { return Derived::kKindCode; }
    std::unique_ptr<TChunk> CreateSameKind(TPNGObject& picture) const override {
        return std::make_unique<Derived>(picture);
    }

protected:
    TChunkKind(TPNGObject& picture, std::string_view kindCode) : Base(picture, kindCode) {}
};
