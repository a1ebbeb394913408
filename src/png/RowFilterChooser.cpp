#include "png/RowFilterChooser.h"

#include <algorithm>

#include "png/PngFormat.h"

namespace png {

namespace {

constexpr std::uint8_t kLastFilterType = kFilterPaeth;

bool InSet(std::uint8_t set, std::uint8_t filterType) {
    return (set >> filterType & 1) != 0;
}

// One instance per filter distance, so that the compiler knows bpp and can vectorise.
template <std::size_t kBpp>
void FilterSub(const std::uint8_t* __restrict raw, std::uint8_t* __restrict out, std::size_t n) {
    const std::size_t lead = std::min(n, kBpp);
    for (std::size_t i = 0; i < lead; ++i) out[i] = raw[i];
    for (std::size_t i = lead; i < n; ++i)
        out[i] = static_cast<std::uint8_t>(raw[i] - raw[i - kBpp]);
}

void FilterUp(const std::uint8_t* __restrict raw, const std::uint8_t* __restrict prior,
              std::uint8_t* __restrict out, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(raw[i] - prior[i]);
}

void FilterAverage(const std::uint8_t* raw, const std::uint8_t* prior, std::uint8_t* out,
                   std::size_t n, std::size_t bpp) {
    const std::size_t lead = std::min(n, bpp);
    for (std::size_t i = 0; i < lead; ++i)
        out[i] = static_cast<std::uint8_t>(raw[i] - prior[i] / 2);
    for (std::size_t i = lead; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(raw[i] - ((prior[i] + raw[i - bpp]) >> 1));
    }
}

void FilterPaeth(const std::uint8_t* raw, const std::uint8_t* prior, std::uint8_t* out,
                 std::size_t n, std::size_t bpp) {
    // With a = c = 0 the predictor is b.
    const std::size_t lead = std::min(n, bpp);
    for (std::size_t i = 0; i < lead; ++i) out[i] = static_cast<std::uint8_t>(raw[i] - prior[i]);
    for (std::size_t i = lead; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(raw[i] -
                                           PaethPredictor(raw[i - bpp], prior[i], prior[i - bpp]));
    }
}

void FilterSubAnyDistance(const std::uint8_t* raw, std::uint8_t* out, std::size_t n,
                          std::size_t bpp) {
    switch (bpp) {
        case 1:
            FilterSub<1>(raw, out, n);
            break;
        case 2:
            FilterSub<2>(raw, out, n);
            break;
        case 3:
            FilterSub<3>(raw, out, n);
            break;
        case 4:
            FilterSub<4>(raw, out, n);
            break;
        case 6:
            FilterSub<6>(raw, out, n);
            break;
        default:
            FilterSub<8>(raw, out, n);
            break;
    }
}

}  // namespace

RowFilterChooser::RowFilterChooser(std::uint8_t rowFilters, std::size_t maxRowBytes,
                                   std::uint32_t bytesPerPixel)
    : rowFilters_(rowFilters),
      bpp_(bytesPerPixel == 0 ? 1 : bytesPerPixel),
      raw_(maxRowBytes + 1, 0) {
    candidates_[kFilterNone].assign(maxRowBytes + 1, 0);
    for (std::uint8_t type = kFilterSub; type <= kLastFilterType; ++type) {
        if (InSet(rowFilters_, type)) candidates_[type].assign(maxRowBytes + 1, 0);
    }
}

void RowFilterChooser::ResetPrior(std::size_t rowBytes) {
    std::fill_n(candidates_[kFilterNone].begin(),
                std::min(rowBytes + 1, candidates_[kFilterNone].size()), 0);
}

void RowFilterChooser::Filter(std::uint8_t filterType, std::size_t rowBytes) {
    const std::uint8_t* raw = raw_.data() + 1;
    const std::uint8_t* prior = candidates_[kFilterNone].data() + 1;
    std::uint8_t* out = candidates_[filterType].data() + 1;
    switch (filterType) {
        case kFilterSub:
            FilterSubAnyDistance(raw, out, rowBytes, bpp_);
            break;
        case kFilterUp:
            FilterUp(raw, prior, out, rowBytes);
            break;
        case kFilterAverage:
            FilterAverage(raw, prior, out, rowBytes, bpp_);
            break;
        case kFilterPaeth:
            FilterPaeth(raw, prior, out, rowBytes, bpp_);
            break;
        default:
            break;
    }
}

RowFilterChooser::Choice RowFilterChooser::Choose(std::size_t rowBytes) {
    for (std::uint8_t type = kFilterSub; type <= kLastFilterType; ++type) {
        if (InSet(rowFilters_, type)) Filter(type, rowBytes);
    }
    // The raw row turns into candidate 0 (and the prior row of the next call); the old prior
    // buffer is free to receive the next raw row.
    raw_.swap(candidates_[kFilterNone]);
    const std::uint8_t chosen = Pick(rowBytes);
    candidates_[chosen][0] = chosen;
    return {chosen, candidates_[chosen].data()};
}

std::uint8_t RowFilterChooser::Pick(std::size_t rowBytes) const {
    const std::uint8_t set = rowFilters_ & 0x1F;
    if (set == 0 || set == (1u << kFilterNone)) return kFilterNone;
    std::size_t best = 0;
    std::uint8_t chosen = kFilterNone;
    for (std::uint8_t type = kFilterNone; type <= kLastFilterType; ++type) {
        if (!InSet(set, type)) continue;
        if (set == (1u << type)) return type;
        const std::size_t score = RepetitionScore(candidates_[type].data() + 1, rowBytes);
        // Strictly greater: the earliest type wins a tie, and with no score at all the row is
        // written unfiltered.
        if (score > best) {
            chosen = type;
            best = score;
        }
    }
    return chosen;
}

std::size_t RowFilterChooser::RepetitionScore(const std::uint8_t* bytes, std::size_t count) {
    std::size_t score = 0;
    for (std::size_t j = 2; j < count; ++j) {
        if (bytes[j] == bytes[j - 1] || bytes[j] == bytes[j - 2]) ++score;
    }
    return score;
}

}  // namespace png
