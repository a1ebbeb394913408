#pragma once

#include <cstddef>
#include <vector>

#include "platform/raster/RasterTypes.h"

// A logical palette: an ordered list of colours that indexed bitmaps refer to.
class TPalette {
public:
    TPalette() = default;
    explicit TPalette(std::size_t entryCount) : entries_(entryCount) {}
    explicit TPalette(std::vector<TPaletteEntry> entries) : entries_(std::move(entries)) {}

    std::size_t EntryCount() const { return entries_.size(); }
    // Grows with black entries or cuts the list.
    void Resize(std::size_t entryCount) { entries_.resize(entryCount); }

    const TPaletteEntry& Entry(std::size_t index) const { return entries_.at(index); }
    void SetEntry(std::size_t index, TPaletteEntry entry) { entries_.at(index) = entry; }
    const std::vector<TPaletteEntry>& Entries() const { return entries_; }

    // Index of the entry closest to the colour (least squared distance, first one on ties);
    // 0 for an empty palette.
    std::size_t NearestIndex(TColor color) const;

private:
    std::vector<TPaletteEntry> entries_;
};
