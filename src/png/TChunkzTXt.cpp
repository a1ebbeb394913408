#include "png/TChunkzTXt.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "png/PngLimits.h"
#include "png/TPNGObject.h"
#include "png/ZlibBuffer.h"

bool TChunkzTXt::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    ParseKeywordAndText();
    if (PayloadSize() <= 3) {
        SpendTextOrDrop();
        return true;
    }
    Text.clear();
    Keyword = KeywordOfPayload();
    const auto bytes = PayloadBytes();
    const std::size_t methodAt = Keyword.size() + 1;
    if (methodAt >= bytes.size() || bytes[methodAt] != 0) return true;
    // Inflation stops at what the read's text budget still allows, so that a run of small
    // compressed chunks costs at most the budget in time and memory, not a bomb each.
    png::ChunkBudget& budget = Picture().ReadBudget();
    const std::size_t room = std::min(png::kMaxInflatedText, budget.TextRoom());
    std::vector<std::uint8_t> inflated;
    std::string errorText;
    if (png::InflateBuffer(bytes.subspan(methodAt + 1), room, inflated, errorText)) {
        Text.assign(inflated.begin(), inflated.end());
        budget.SpendText(Text.size());
    } else if (errorText == png::kInflateLimitText && room < png::kMaxInflatedText) {
        Keyword.clear();
        budget.RequestDrop();
    }
    return true;
}

bool TChunkzTXt::WriteChunk(TStream& stream) {
    if (Text.empty()) Text = " ";
    std::vector<std::uint8_t> compressed;
    std::string errorText;
    const std::span<const std::uint8_t> text(reinterpret_cast<const std::uint8_t*>(Text.data()),
                                             Text.size());
    if (!png::DeflateBuffer(text, Picture().DeflateLevel, compressed, errorText)) return false;
    ResizePayload(Keyword.size() + 2 + compressed.size());
    std::uint8_t* out = Payload();
    std::memset(out, 0, PayloadSize());
    std::memcpy(out, Keyword.data(), Keyword.size());
    std::memcpy(out + Keyword.size() + 2, compressed.data(), compressed.size());
    return TChunk::WriteChunk(stream);
}
