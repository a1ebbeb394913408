#include "png/TChunktEXt.h"

#include <algorithm>
#include <cstring>

#include "png/TPNGObject.h"

std::string TChunktEXt::KeywordOfPayload() const {
    const auto bytes = PayloadBytes();
    const auto zero = std::find(bytes.begin(), bytes.end(), 0);
    return std::string(bytes.begin(), zero);
}

void TChunktEXt::CopyFrom(const TChunk& source) {
    if (const auto* text = dynamic_cast<const TChunktEXt*>(&source)) {
        Keyword = text->Keyword;
        Text = text->Text;
    }
}

void TChunktEXt::ParseKeywordAndText() {
    if (PayloadSize() <= 2) return;
    Keyword = KeywordOfPayload();
    const auto bytes = PayloadBytes();
    Text = Keyword.size() < bytes.size()
               ? std::string(bytes.begin() + static_cast<std::ptrdiff_t>(Keyword.size()) + 1,
                             bytes.end())
               : std::string();
}

void TChunktEXt::SpendTextOrDrop() {
    png::ChunkBudget& budget = Picture().ReadBudget();
    if (budget.SpendText(Text.size())) return;
    Keyword.clear();
    Text.clear();
    budget.RequestDrop();
}

bool TChunktEXt::ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) {
    if (!TChunk::ReadPayload(stream, type, length)) return false;
    ParseKeywordAndText();
    SpendTextOrDrop();
    return true;
}

bool TChunktEXt::WriteChunk(TStream& stream) {
    ResizePayload(Keyword.size() + 1 + Text.size());
    std::uint8_t* out = Payload();
    std::memset(out, 0, PayloadSize());
    std::memcpy(out, Keyword.data(), Keyword.size());
    std::memcpy(out + Keyword.size() + 1, Text.data(), Text.size());
    return TChunk::WriteChunk(stream);
}
