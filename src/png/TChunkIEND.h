#pragma once

#include "png/TChunk.h"

// The end marker; read and written like a generic chunk.
class TChunkIEND : public TChunkKind<TChunkIEND> {
public:
    static constexpr std::string_view kKindCode = "IEND";
    using TChunkKind::TChunkKind;
};
