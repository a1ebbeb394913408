#pragma once

#include <cstddef>
#include <cstdint>

#include "png/PngFormat.h"
#include "png/PngLimits.h"

namespace png {

// What the chunks kept by one read may still cost, against the totals in PngLimits.h. A read
// asks it before each chunk joins the list; text chunks ask it again for their text.
class ChunkBudget {
public:
    void Reset() { *this = ChunkBudget(); }

    // Whether a chunk of this type and payload length may join a list of listCount chunks;
    // an ancillary chunk that may not is to be dropped. Raises EPNGTooManyChunks for a critical
    // chunk that finds the list full.
    bool Admit(const ChunkType& type, std::uint32_t length, std::size_t listCount);

    // Text bytes still allowed, and spending them; SpendText answers false (and spends
    // nothing) when the text does not fit.
    std::size_t TextRoom() const { return kMaxTotalText - textBytes_; }
    bool SpendText(std::size_t bytes);

    // A chunk that found its text too large asks to leave the list again once it has read.
    void RequestDrop() { dropRequested_ = true; }
    bool TakeDropRequest();

private:
    std::size_t ancillaryCount_ = 0;
    std::size_t ancillaryBytes_ = 0;
    std::size_t textBytes_ = 0;
    bool dropRequested_ = false;
};

}  // namespace png
