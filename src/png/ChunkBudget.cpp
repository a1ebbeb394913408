#include "png/ChunkBudget.h"

#include "png/PngErrors.h"

namespace png {

bool ChunkBudget::Admit(const ChunkType& type, std::uint32_t length, std::size_t listCount) {
    if (!IsAncillary(type)) {
        if (listCount >= kMaxStoredChunks) throw EPNGTooManyChunks();
        return true;
    }
    if (listCount >= kMaxStoredChunks || ancillaryCount_ >= kMaxAncillaryChunks ||
        length > kMaxAncillaryBytes - ancillaryBytes_) {
        return false;
    }
    ++ancillaryCount_;
    ancillaryBytes_ += length;
    return true;
}

bool ChunkBudget::SpendText(std::size_t bytes) {
    if (bytes > TextRoom()) return false;
    textBytes_ += bytes;
    return true;
}

bool ChunkBudget::TakeDropRequest() {
    const bool requested = dropRequested_;
    dropRequested_ = false;
    return requested;
}

}  // namespace png
