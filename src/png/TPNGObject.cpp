#include "png/TPNGObject.h"

#include <array>
#include <cmath>

#include "core/TFileStream.h"
#include "png/BigEndian.h"
#include "png/ChunkKindRegistry.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"

TPNGObject::TPNGObject() : chunkList_(*this) {}

TPNGObject::~TPNGObject() {
    Clear();
}

void TPNGObject::Clear() {
    for (std::size_t i = 0; i < 256; ++i) {
        DecodeGamma[i] = static_cast<std::uint8_t>(i);
        EncodeGamma[i] = static_cast<std::uint8_t>(i);
    }
    // Later chunks may refer to the header while they go, so free from the back.
    for (std::size_t i = chunkList_.Count(); i-- > 0;) chunkList_.SetItem(i, nullptr);
    chunkList_.SetCount(0);
}

void TPNGObject::ReadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, TFileStream::Mode::OpenRead);
    ReadFromStream(stream);
}

void TPNGObject::ReadFromStream(TStream& stream) {
    Clear();
    std::array<std::uint8_t, 8> signature{};
    if (stream.Read(signature.data(), signature.size()) != signature.size() ||
        signature != png::kSignature) {
        throw EPNGInvalidFileHeader();
    }
    chunkList_.Reserve(10);
    readBudget_.Reset();
    ReadChunks(stream);
    chunkList_.Trim();
}

void TPNGObject::ReadChunks(TStream& stream) {
    bool idatMet = false;
    for (;;) {
        std::array<std::uint8_t, 8> head{};
        const std::size_t got = stream.Read(head.data(), head.size());
        if (got < head.size()) throw EPngUnexpectedEnd();
        const std::uint32_t length = *png::ReadU32BE(head, 0);
        const png::ChunkType type{static_cast<char>(head[4]), static_cast<char>(head[5]),
                                  static_cast<char>(head[6]), static_cast<char>(head[7])};
        if (chunkList_.Count() == 0 && type != png::kTypeIHDR) throw EPNGIHDRNotFirst();
        // A length of 2^31 or more is corrupt (it would read as negative).
        if (length > png::kMaxChunkLength) throw EPNGChunkTooLarge();
        if ((idatMet && type == png::kTypeIDAT) || type == png::kTypecHRM) {
            stream.Seek(static_cast<std::int64_t>(length) + 4, SeekOrigin::Current);
            continue;
        }
        if (type == png::kTypeIDAT) idatMet = true;
        if (!readBudget_.Admit(type, length, chunkList_.Count())) {
            if (length > png::kMaxStoredPayload) throw EPNGChunkTooLarge();
            TChunk::SkipPayload(stream, type, length);
            continue;
        }
        TChunk& chunk = chunkList_.Add(CreateChunkFor(*this, type));
        if (typeid(chunk) == typeid(TChunk) && !png::IsAncillary(type))
            throw EPNGUnknownCriticalChunk();
        if (!chunk.ReadPayload(stream, type, length)) break;
        if (readBudget_.TakeDropRequest()) chunkList_.Remove(&chunk);
        if (type == png::kTypeIEND) break;
    }
    if (!idatMet) throw EPNGNoImageData();
}

void TPNGObject::WriteToStream(TStream& stream) {
    stream.Write(png::kSignature.data(), png::kSignature.size());
    for (const auto& chunk : chunkList_) chunk->WriteChunk(stream);
}

void TPNGObject::CopyFrom(const TPNGObject* source) {
    if (source == nullptr || source == this) {
        if (source == nullptr) Clear();
        return;
    }
    // A copy that fails part way (out of memory, most likely) puts the picture back as it
    // was: a half-built list would hold empty slots that a later write or paint meets.
    const std::uint8_t savedInterlace = InterlaceMode, savedLevel = DeflateLevel,
                       savedFilters = RowFilters;
    const std::uint32_t savedChunkSize = idatChunkSize_;
    const png::GammaTable savedDecode = DecodeGamma, savedEncode = EncodeGamma;
    std::vector<std::unique_ptr<TChunk>> saved;
    chunkList_.SwapItems(saved);
    try {
        InterlaceMode = source->InterlaceMode;
        SetIdatChunkSize(source->IdatChunkSize());
        DeflateLevel = source->DeflateLevel;
        RowFilters = source->RowFilters;
        Clear();
        CopyChunksFrom(*source);
    } catch (...) {
        Clear();
        chunkList_.SwapItems(saved);
        InterlaceMode = savedInterlace;
        DeflateLevel = savedLevel;
        RowFilters = savedFilters;
        idatChunkSize_ = savedChunkSize;
        DecodeGamma = savedDecode;
        EncodeGamma = savedEncode;
        throw;
    }
    // The old chunks go last, from the back, as Clear frees them.
    while (!saved.empty()) saved.pop_back();
}

void TPNGObject::CopyChunksFrom(const TPNGObject& source) {
    chunkList_.Reserve(source.chunkList_.Count());
    for (std::size_t i = 0; i < source.chunkList_.Count(); ++i) {
        const TChunk& original = *source.chunkList_.Item(i);
        // Placed before it copies, so that a chunk that looks for the header finds it.
        TChunk& placed = chunkList_.Add(original.CreateSameKind(*this));
        placed.CopyFrom(original);
    }
}

void TPNGObject::CopyTo(TPNGObject& destination) const {
    destination.CopyFrom(this);
}

TChunkIHDR* TPNGObject::HeaderOrNull() const {
    return dynamic_cast<TChunkIHDR*>(chunkList_.Item(0));
}

TChunkIHDR& TPNGObject::Header() const {
    TChunkIHDR* header = HeaderOrNull();
    if (header == nullptr) throw EPNGHeaderNotPresent();
    return *header;
}

std::int32_t TPNGObject::PixelWidth() const {
    const TChunkIHDR* header = HeaderOrNull();
    return header != nullptr ? static_cast<std::int32_t>(header->Width) : 0;
}

std::int32_t TPNGObject::PixelHeight() const {
    const TChunkIHDR* header = HeaderOrNull();
    return header != nullptr ? static_cast<std::int32_t>(header->Height) : 0;
}

const TPalette* TPNGObject::CurrentPalette() const {
    return Header().PaletteHandle();
}

void TPNGObject::ReplacePalette(std::unique_ptr<TPalette> palette) {
    if (TChunkIHDR* header = HeaderOrNull()) header->ReplacePalette(std::move(palette));
}

std::uint8_t* TPNGObject::RowAddress(std::uint32_t r) const {
    return Header().RowAddress(r);
}

void TPNGObject::ComputeGammaTables(std::uint32_t gammaValue) {
    const double exponent = 1.0 / (gammaValue / 100000.0 * 2.2);
    for (int i = 0; i < 256; ++i) {
        // nearbyint rounds halves to even in the default rounding mode.
        const double g = std::nearbyint(std::pow(i / 255.0, exponent) * 255.0);
        const auto value = static_cast<std::uint8_t>(g < 0 ? 0 : (g > 255 ? 255 : g));
        DecodeGamma[static_cast<std::size_t>(i)] = value;
        EncodeGamma[value] = static_cast<std::uint8_t>(i);
    }
}
