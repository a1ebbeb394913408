#include "png/ChunkKindRegistry.h"

#include "png/TChunk.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIEND.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunkgAMA.h"
#include "png/TChunkpHYs.h"
#include "png/TChunktEXt.h"
#include "png/TChunktIME.h"
#include "png/TChunktRNS.h"
#include "png/TChunkzTXt.h"

template <typename ChunkClass>
void ChunkKindRegistry::RegisterChunkKind() {
    kinds_.push_back({png::MakeChunkType(ChunkClass::KindCode()),
                      [](TPNGObject& picture) -> std::unique_ptr<TChunk> {
                          return std::make_unique<ChunkClass>(picture);
                      }});
}

ChunkKindRegistry::ChunkKindRegistry() {
    RegisterChunkKind<TChunkIEND>();
    RegisterChunkKind<TChunkIHDR>();
    RegisterChunkKind<TChunkIDAT>();
    RegisterChunkKind<TChunkPLTE>();
    RegisterChunkKind<TChunkgAMA>();
    RegisterChunkKind<TChunktRNS>();
    RegisterChunkKind<TChunkpHYs>();
    RegisterChunkKind<TChunktIME>();
    RegisterChunkKind<TChunktEXt>();
    RegisterChunkKind<TChunkzTXt>();
}

const ChunkKindRegistry& ChunkKindRegistry::Instance() {
    static const ChunkKindRegistry registry;
    return registry;
}

std::unique_ptr<TChunk> CreateChunkFor(TPNGObject& picture, const png::ChunkType& type) {
    std::unique_ptr<TChunk> chunk;
    for (const auto& kind : ChunkKindRegistry::Instance().Kinds()) {
        if (kind.code == type) {
            chunk = kind.create(picture);
            break;
        }
    }
    if (!chunk) chunk = std::make_unique<TChunk>(picture);
    chunk->SetTypeCode(type);
    return chunk;
}
