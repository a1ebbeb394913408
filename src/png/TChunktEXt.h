#pragma once

#include <string>

#include "png/TChunk.h"

// A keyword and its uncompressed Latin-1 text.
class TChunktEXt : public TChunkKind<TChunktEXt> {
public:
    static constexpr std::string_view kKindCode = "tEXt";
    using TChunkKind::TChunkKind;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    std::string Keyword;
    std::string Text;

protected:
    TChunktEXt(TPNGObject& picture, std::string_view kindCode) : TChunkKind(picture, kindCode) {}
    // The keyword: payload bytes up to the first zero byte, or all of them when there is none.
    std::string KeywordOfPayload() const;
    // Takes keyword and text from the payload read (only when it holds more than 2 bytes).
    void ParseKeywordAndText();
    // Spends the text's bytes from the read's budget; when they do not fit, empties keyword
    // and text and asks the read to drop the chunk.
    void SpendTextOrDrop();
};
