#include "platform/raster/StraightAlphaBlend.h"

#include <cstring>

#include "platform/raster/Color32Pixels.h"
#include "platform/raster/CpuFeatures.h"
#include "platform/raster/PackedPixels.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VEXMORA_BLEND_AVX2 1
#endif

namespace {

using raster::IsColor32;

// (c * a + (255 - a) * d + 255) div 256 for blue, green and red of one destination pixel. The
// three components ride in 16-bit lanes of one 64-bit word: no lane can exceed 255 * 255 +
// 255, so two multiplications do the work of six.
inline void Blend(std::uint8_t* d, std::uint8_t blue, std::uint8_t green, std::uint8_t red,
                  unsigned a) {
    const std::uint64_t c = blue | (std::uint64_t{green} << 16) | (std::uint64_t{red} << 32);
    const std::uint64_t e = d[0] | (std::uint64_t{d[1]} << 16) | (std::uint64_t{d[2]} << 32);
    const std::uint64_t m = (c * a + e * (255 - a) + 0x000000FF00FF00FFull) >> 8;
    d[0] = static_cast<std::uint8_t>(m);
    d[1] = static_cast<std::uint8_t>(m >> 16);
    d[2] = static_cast<std::uint8_t>(m >> 32);
}

#if VEXMORA_BLEND_AVX2
// Eight pixels of an unscaled 24-bit row at a time, in 16-bit lanes: the same
// (c * a + (255 - a) * d + 255) >> 8 as Blend, the fourth byte kept by blending it with
// alpha 0. Answers how many pixels it did; the caller blends the rest.
__attribute__((target("avx2"))) std::size_t BlendRgbRowAvx2(const std::uint8_t* row,
                                                            const std::uint8_t* alpha,
                                                            std::size_t count, std::uint8_t* out) {
    // Source bytes b g r of two pixels per 128-bit lane into 16-bit lanes b g r 0.
    const __m256i firstPair =
        _mm256_setr_epi8(0, -1, 1, -1, 2, -1, -1, -1, 3, -1, 4, -1, 5, -1, -1, -1,  //
                         0, -1, 1, -1, 2, -1, -1, -1, 3, -1, 4, -1, 5, -1, -1, -1);
    const __m256i secondPair =
        _mm256_setr_epi8(6, -1, 7, -1, 8, -1, -1, -1, 9, -1, 10, -1, 11, -1, -1, -1,  //
                         6, -1, 7, -1, 8, -1, -1, -1, 9, -1, 10, -1, 11, -1, -1, -1);
    // The eight alpha bytes sit in both lanes; each lane takes its own four.
    const __m256i firstAlpha =
        _mm256_setr_epi8(0, -1, 0, -1, 0, -1, -1, -1, 1, -1, 1, -1, 1, -1, -1, -1,  //
                         4, -1, 4, -1, 4, -1, -1, -1, 5, -1, 5, -1, 5, -1, -1, -1);
    const __m256i secondAlpha =
        _mm256_setr_epi8(2, -1, 2, -1, 2, -1, -1, -1, 3, -1, 3, -1, 3, -1, -1, -1,  //
                         6, -1, 6, -1, 6, -1, -1, -1, 7, -1, 7, -1, 7, -1, -1, -1);
    const __m256i wholePixels =
        _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                         0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i fourthBytes = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    // The fourth lane has alpha 0, so it keeps (0 + 255 d + 255) >> 8 = d.
    const __m256i opaque = _mm256_set1_epi16(255);
    const __m256i round = _mm256_set1_epi16(255);
    const __m256i zero = _mm256_setzero_si256();
    std::size_t x = 0;
    // The second source load reads 16 bytes from pixel x + 4: stay 16 bytes inside the row.
    for (; x + 10 <= count; x += 8) {
        std::int64_t alphaBytes = 0;
        std::memcpy(&alphaBytes, alpha + x, 8);
        if (alphaBytes == 0) continue;
        const __m256i a8 = _mm256_set1_epi64x(alphaBytes);
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 3 * x));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 3 * x + 12));
        const __m256i source = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
        const __m256i destination =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + 4 * x));
        if (alphaBytes == -1) {
            // Opaque everywhere: the blend gives the source colour, the fourth byte stays.
            const __m256i colour = _mm256_shuffle_epi8(source, wholePixels);
            _mm256_storeu_si256(
                reinterpret_cast<__m256i*>(out + 4 * x),
                _mm256_or_si256(colour, _mm256_and_si256(destination, fourthBytes)));
            continue;
        }
        const __m256i c1 = _mm256_shuffle_epi8(source, firstPair);
        const __m256i c2 = _mm256_shuffle_epi8(source, secondPair);
        const __m256i a1 = _mm256_shuffle_epi8(a8, firstAlpha);
        const __m256i a2 = _mm256_shuffle_epi8(a8, secondAlpha);
        const __m256i d1 = _mm256_unpacklo_epi8(destination, zero);
        const __m256i d2 = _mm256_unpackhi_epi8(destination, zero);
        const __m256i r1 = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(c1, a1),
                                              _mm256_mullo_epi16(d1, _mm256_sub_epi16(opaque, a1))),
                             round),
            8);
        const __m256i r2 = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(c2, a2),
                                              _mm256_mullo_epi16(d2, _mm256_sub_epi16(opaque, a2))),
                             round),
            8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * x), _mm256_packus_epi16(r1, r2));
    }
    return x;
}

#define VEXMORA_BLEND_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,bmi2")))

// Byte permutes for BlendRgbRowVbmi: 16-bit lane 4p + k of a register takes byte
// 3 (first + p) + k of the source colours (k < 3), or byte first + p of the alpha bytes.
VEXMORA_BLEND_VBMI __m512i LaneSources(int first, bool alpha) {
    alignas(64) std::uint8_t order[64] = {};
    for (int p = 0; p < 8; ++p) {
        for (int k = 0; k < 3; ++k)
            order[8 * p + 2 * k] =
                static_cast<std::uint8_t>(alpha ? first + p : 3 * (first + p) + k);
    }
    return _mm512_load_si512(order);
}

// The permutes and masks of BlendRgbGroupVbmi, made once per row.
struct TVbmiBlend {
    __m512i colour[2], alpha[2];
    __m512i wholePixels;
};

VEXMORA_BLEND_VBMI TVbmiBlend MakeVbmiBlend() {
    alignas(64) std::uint8_t spread[64];
    for (int q = 0; q < 64; ++q) spread[q] = static_cast<std::uint8_t>(3 * (q / 4) + q % 4);
    return TVbmiBlend{{LaneSources(0, false), LaneSources(8, false)},
                      {LaneSources(0, true), LaneSources(8, true)},
                      _mm512_load_si512(spread)};
}

// Up to sixteen pixels (n) of an unscaled 24-bit row: the same 16-bit lane arithmetic as
// BlendRgbRowAvx2, the lanes filled by byte permutes. Whole groups load and store plainly
// (masked stores cost far more); only the last group of a row masks them to its n pixels.
// (The masked permutes and conversions dodge a false uninitialised warning of GCC 12.)
template <bool kWhole>
VEXMORA_BLEND_VBMI inline void BlendRgbGroupVbmi(const TVbmiBlend& t, const std::uint8_t* row,
                                                 const std::uint8_t* alpha, unsigned n,
                                                 std::uint8_t* target) {
    const auto pixels = static_cast<__mmask16>((1u << n) - 1);
    const __m128i a16 = kWhole ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha))
                               : _mm_maskz_loadu_epi8(pixels, alpha);
    if (_mm_cmpneq_epi8_mask(a16, _mm_setzero_si128()) == 0) return;
    const __m512i source = _mm512_maskz_loadu_epi8((__mmask64{1} << (3 * n)) - 1, row);
    if (kWhole && _mm_cmpeq_epi8_mask(a16, _mm_set1_epi8(-1)) == pixels) {
        // Opaque everywhere: the source colour, the fourth byte kept.
        const __m512i colour =
            _mm512_maskz_permutexvar_epi8(0x7777777777777777ull, t.wholePixels, source);
        const __m512i fourth = _mm512_and_si512(_mm512_loadu_si512(target),
                                                _mm512_set1_epi32(static_cast<int>(0xFF000000u)));
        _mm512_storeu_si512(target, _mm512_or_si512(colour, fourth));
        return;
    }
    // The low bytes of the three colour lanes of each pixel; the rest of every lane is zero,
    // so the fourth lane has alpha 0 and keeps (0 + 255 d + 255) >> 8 = d.
    const __mmask64 colourLanes = 0x1515151515151515ull;
    const __m512i a8 = _mm512_zextsi128_si512(a16);
    const __m512i opaque = _mm512_set1_epi16(255);
    for (unsigned half = 0; half < 2 && 8 * half < n; ++half) {
        const unsigned inHalf = n - 8 * half < 8 ? n - 8 * half : 8;
        const auto bytes = static_cast<__mmask32>((std::uint64_t{1} << (4 * inHalf)) - 1);
        std::uint8_t* to = target + 32 * half;
        const __m256i old = kWhole ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(to))
                                   : _mm256_maskz_loadu_epi8(bytes, to);
        const __m512i c = _mm512_maskz_permutexvar_epi8(colourLanes, t.colour[half], source);
        const __m512i a = _mm512_maskz_permutexvar_epi8(colourLanes, t.alpha[half], a8);
        const __m512i d = _mm512_cvtepu8_epi16(old);
        const __m512i blended = _mm512_srli_epi16(
            _mm512_add_epi16(_mm512_add_epi16(_mm512_mullo_epi16(c, a),
                                              _mm512_mullo_epi16(d, _mm512_sub_epi16(opaque, a))),
                             opaque),
            8);
        const __m256i result = _mm512_maskz_cvtepi16_epi8(~__mmask32{0}, blended);
        if (kWhole) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), result);
        } else {
            _mm256_mask_storeu_epi8(to, bytes, result);
        }
    }
}

// A whole unscaled 24-bit row, sixteen pixels at a time.
VEXMORA_BLEND_VBMI std::size_t BlendRgbRowVbmi(const std::uint8_t* row, const std::uint8_t* alpha,
                                               std::size_t count, std::uint8_t* out) {
    const TVbmiBlend t = MakeVbmiBlend();
    std::size_t x = 0;
    for (; x + 16 <= count; x += 16)
        BlendRgbGroupVbmi<true>(t, row + 3 * x, alpha + x, 16, out + 4 * x);
    if (x < count) {
        BlendRgbGroupVbmi<false>(t, row + 3 * x, alpha + x, static_cast<unsigned>(count - x),
                                 out + 4 * x);
    }
    return count;
}

#endif

// An unscaled 24-bit row: no column mapping, and eight pixels at a time where the processor
// allows.
void BlendRgbRow(const std::uint8_t* row, const std::uint8_t* alpha, std::size_t count,
                 std::uint8_t* out) {
    std::size_t x = 0;
#if VEXMORA_BLEND_AVX2
    if (raster::HasAvx512Vbmi()) {
        x = BlendRgbRowVbmi(row, alpha, count, out);
    } else if (raster::HasAvx2()) {
        x = BlendRgbRowAvx2(row, alpha, count, out);
    }
#endif
    for (; x < count; ++x) {
        const std::uint8_t* c = row + 3 * x;
        Blend(out + 4 * x, c[0], c[1], c[2], alpha[x]);
    }
}

bool InOrder(const std::vector<std::uint32_t>& columns) {
    return columns.empty() || (columns.front() == 0 && columns.back() == columns.size() - 1);
}

// One destination row from source row sourceRow. The blend leaves d at a = 0 and gives c at
// a = 255, so each kind needs one loop body only.
void BlendRow(const TStraightAlphaPicture& p, std::uint32_t sourceRow,
              const std::vector<std::uint32_t>& columns, std::uint8_t* out) {
    const std::uint8_t* row = p.pixels->RowAddress(sourceRow);
    const std::uint8_t* alpha =
        p.alpha != nullptr ? p.alpha + std::size_t{p.pixels->Width()} * sourceRow : nullptr;
    switch (p.kind) {
        case TStraightAlphaPicture::TKind::Rgb:
            if (columns.size() == p.pixels->Width() && InOrder(columns)) {
                BlendRgbRow(row, alpha, columns.size(), out);
                return;
            }
            for (std::uint32_t s : columns) {
                const std::uint8_t* c = row + 3 * std::size_t{s};
                Blend(out, c[0], c[1], c[2], alpha[s]);
                out += 4;
            }
            return;
        case TStraightAlphaPicture::TKind::Grey:
            for (std::uint32_t s : columns) {
                Blend(out, row[s], row[s], row[s], alpha[s]);
                out += 4;
            }
            return;
        case TStraightAlphaPicture::TKind::Indexed:
            for (std::uint32_t s : columns) {
                const unsigned i = raster::PackedIndex(row, s, p.indexBits);
                const TRgbQuad& c = p.indexColors[i];
                Blend(out, c.blue, c.green, c.red, p.indexAlpha[i]);
                out += 4;
            }
            return;
    }
}

// An index without colour fails the blend before any pixel changes.
bool IndexesHaveColors(const TStraightAlphaPicture& p, const std::vector<std::uint32_t>& columns,
                       const std::vector<std::uint32_t>& rows) {
    if (p.kind != TStraightAlphaPicture::TKind::Indexed) return true;
    for (std::uint32_t sourceRow : rows) {
        const std::uint8_t* row = p.pixels->RowAddress(sourceRow);
        for (std::uint32_t s : columns) {
            if (raster::PackedIndex(row, s, p.indexBits) >= p.indexCount) return false;
        }
    }
    return true;
}

}  // namespace

bool BlendStraightAlpha(TDeviceContext& dst, int left, int top,
                        const TStraightAlphaPicture& picture,
                        const std::vector<std::uint32_t>& columns,
                        const std::vector<std::uint32_t>& rows) {
    TDeviceBitmap& target = dst.Bitmap();
    if (!IsColor32(target) || !IndexesHaveColors(picture, columns, rows)) return false;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::uint8_t* out =
            target.Pixels().RowAddress(static_cast<std::uint32_t>(top + static_cast<int>(y))) +
            4 * static_cast<std::size_t>(left);
        BlendRow(picture, rows[y], columns, out);
    }
    return true;
}
