#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "png/PngFormat.h"

class TChunk;
class TPNGObject;

// The chunk classes the codec knows, in registration order. Built once on first use.
class ChunkKindRegistry {
public:
    using Factory = std::unique_ptr<TChunk> (*)(TPNGObject&);
    struct Kind {
        png::ChunkType code;
        Factory create;
    };

    static const ChunkKindRegistry& Instance();
    const std::vector<Kind>& Kinds() const { return kinds_; }

private:
    ChunkKindRegistry();
    template <typename ChunkClass>
    void RegisterChunkKind();

    std::vector<Kind> kinds_;
};

// A chunk of the first registered class whose kind code equals the type, else a generic
// TChunk; either way its TypeCode is the type given.
std::unique_ptr<TChunk> CreateChunkFor(TPNGObject& picture, const png::ChunkType& type);
