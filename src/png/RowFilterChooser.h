#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace png {

// The filter side of the encoder (PNG standard section 9.2): keeps the prior raw row, filters
// each new row with the filters of a RowFilters set and picks the one to write.
//
// A row is chosen by a cheap repetition score rather than by the standard's sum of absolute
// differences: a candidate scores one point per byte that repeats one of the two bytes before
// it, since runs and short repeats are what deflate compresses best.
class RowFilterChooser {
public:
    // The chosen filter type and the row as it goes into the zlib stream: the filter-type
    // byte followed by the rowBytes filtered bytes, so the deflater takes it in one call.
    struct Choice {
        std::uint8_t filterType = 0;
        const std::uint8_t* line = nullptr;
    };

    // rowFilters is the RowFilters bit set (bit n for filter type n); maxRowBytes the longest
    // row that will be filtered.
    RowFilterChooser(std::uint8_t rowFilters, std::size_t maxRowBytes, std::uint32_t bytesPerPixel);

    // Starts an image or an Adam7 pass: the prior row becomes rowBytes zeros.
    void ResetPrior(std::size_t rowBytes);
    // The buffer the next raw row is written into (maxRowBytes long).
    std::uint8_t* RawRow() { return raw_.data() + 1; }
    // Filters the raw row of rowBytes bytes and picks the filter. The raw row becomes the prior
    // row of the next call; the answered bytes stay valid until then.
    Choice Choose(std::size_t rowBytes);

    // The score of one candidate: positions j >= 2 whose byte equals the byte at j - 1 or j - 2.
    static std::size_t RepetitionScore(const std::uint8_t* bytes, std::size_t count);

private:
    void Filter(std::uint8_t filterType, std::size_t rowBytes);
    std::uint8_t Pick(std::size_t rowBytes) const;

    std::uint8_t rowFilters_;
    std::uint32_t bpp_;
    std::vector<std::uint8_t> raw_;
    // Index 0 is the unfiltered candidate, which is also the prior row; 1 to 4 exist only
    // for filters in the set. Every buffer starts with a byte for the filter type.
    std::array<std::vector<std::uint8_t>, 5> candidates_;
};

}  // namespace png
