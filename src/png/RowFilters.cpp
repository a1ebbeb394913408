#include "png/RowFilters.h"

#include "png/PngFormat.h"

namespace png {

namespace {

// Branch-free Paeth predictor: the same choice as PaethPredictor, without data-dependent
// jumps, which matter in the inner loop of photographic images.
inline std::uint8_t PaethBranchless(int a, int b, int c) {
    const int p = b - c;
    const int q = a - c;
    const int pa = p < 0 ? -p : p;
    const int pb = q < 0 ? -q : q;
    const int pcRaw = p + q;
    const int pc = pcRaw < 0 ? -pcRaw : pcRaw;
    const int bOrC = pb <= pc ? b : c;
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : bOrC);
}

// One instance per filter distance, so the compiler knows bpp and can keep the left pixel
// in registers.
template <std::uint32_t kBpp>
void Unfilter(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* prior,
              std::size_t rowBytes) {
    const std::size_t lead = rowBytes < kBpp ? rowBytes : kBpp;
    switch (filterType) {
        case kFilterSub:
            for (std::size_t i = kBpp; i < rowBytes; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + row[i - kBpp]);
            break;
        case kFilterUp:
            for (std::size_t i = 0; i < rowBytes; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
            break;
        case kFilterAverage:
            for (std::size_t i = 0; i < lead; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + prior[i] / 2);
            for (std::size_t i = kBpp; i < rowBytes; ++i) {
                row[i] = static_cast<std::uint8_t>(row[i] + ((prior[i] + row[i - kBpp]) >> 1));
            }
            break;
        case kFilterPaeth:
            // With a = c = 0 the predictor is b.
            for (std::size_t i = 0; i < lead; ++i)
                row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
            for (std::size_t i = kBpp; i < rowBytes; ++i) {
                row[i] = static_cast<std::uint8_t>(
                    row[i] + PaethBranchless(row[i - kBpp], prior[i], prior[i - kBpp]));
            }
            break;
        default:
            break;
    }
}

}  // namespace

void UnfilterRow(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* prior,
                 std::size_t rowBytes, std::uint32_t bytesPerPixel) {
    switch (bytesPerPixel) {
        case 1:
            Unfilter<1>(filterType, row, prior, rowBytes);
            break;
        case 2:
            Unfilter<2>(filterType, row, prior, rowBytes);
            break;
        case 3:
            Unfilter<3>(filterType, row, prior, rowBytes);
            break;
        case 4:
            Unfilter<4>(filterType, row, prior, rowBytes);
            break;
        case 6:
            Unfilter<6>(filterType, row, prior, rowBytes);
            break;
        case 8:
            Unfilter<8>(filterType, row, prior, rowBytes);
            break;
        default:
            break;
    }
}

}  // namespace png
