#include "platform/raster/MaskedRow.h"

#include "platform/raster/MaskedPixel.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {

#if defined(__SSE2__)
namespace {

// Target * mask + shown * (256 - mask), div 256, on 16-bit lanes: at most 255 * 256, so
// neither the products nor their sum leave an unsigned 16-bit lane.
inline __m128i BlendLanes(__m128i t16, __m128i s16, __m128i k16) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(256), k16);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(t16, k16), _mm_mullo_epi16(s16, inverse));
    return _mm_srli_epi16(sum, 8);
}

}  // namespace
#endif

void BlendMaskedRow(std::uint8_t* target, const std::uint8_t* shown, const std::uint8_t* mask,
                    std::size_t count) {
    std::size_t x = 0;
#if defined(__SSE2__)
    // Four pixels at a time, each half of the bytes widened to 16-bit lanes.
    const __m128i zero = _mm_setzero_si128();
    const __m128i fourth = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    for (; x + 4 <= count; x += 4) {
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + 4 * x));
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shown + 4 * x));
        const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + 4 * x));
        const __m128i low = BlendLanes(_mm_unpacklo_epi8(t, zero), _mm_unpacklo_epi8(s, zero),
                                       _mm_unpacklo_epi8(k, zero));
        const __m128i high = BlendLanes(_mm_unpackhi_epi8(t, zero), _mm_unpackhi_epi8(s, zero),
                                        _mm_unpackhi_epi8(k, zero));
        const __m128i blended = _mm_packus_epi16(low, high);
        const __m128i result =
            _mm_or_si128(_mm_and_si128(t, fourth), _mm_andnot_si128(fourth, blended));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * x), result);
    }
#endif
    for (; x < count; ++x) BlendMaskedPixel(target + 4 * x, shown + 4 * x, mask + 4 * x, false);
}

}  // namespace raster
