#include "platform/raster/BlitKernels.h"

#include <bit>
#include <cstring>

#include "platform/raster/CpuFeatures.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VEXMORA_RASTER_AVX2 1
#endif

namespace raster::kernels {

// Words are built in registers and stored whole: pixel 0 must be the low half.
static_assert(std::endian::native == std::endian::little);

#if VEXMORA_RASTER_AVX2
namespace {

__attribute__((target("avx2"))) std::size_t CombineWordsAvx2(TWordOp op, const std::uint8_t* from,
                                                             std::uint8_t* to, std::size_t count) {
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * x));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(to + 4 * x));
        const __m256i r = op == TWordOp::Or    ? _mm256_or_si256(s, d)
                          : op == TWordOp::And ? _mm256_and_si256(s, d)
                                               : _mm256_xor_si256(s, d);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 4 * x), r);
    }
    return x;
}

// Bit i of a movemask is pixel i; a monochrome byte wants pixel 0 in bit 7.
struct TBitReversal {
    std::uint8_t table[256];
    TBitReversal() {
        for (unsigned v = 0; v < 256; ++v) {
            unsigned r = 0;
            for (unsigned b = 0; b < 8; ++b) r |= ((v >> b) & 1u) << (7 - b);
            table[v] = static_cast<std::uint8_t>(r);
        }
    }
};
const TBitReversal kReversal;

__attribute__((target("avx2"))) std::size_t MonoFromColorAvx2(const std::uint8_t* from,
                                                              std::uint32_t background,
                                                              std::size_t count,
                                                              std::uint8_t* out) {
    const __m256i mask = _mm256_set1_epi32(0x00FFFFFF);
    const __m256i bk = _mm256_set1_epi32(static_cast<int>(background & 0x00FFFFFF));
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i s = _mm256_and_si256(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * x)), mask);
        const int bits = _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(s, bk)));
        out[x / 8] = kReversal.table[bits & 0xFF];
    }
    return x;
}

__attribute__((target("avx2"))) std::size_t ColorFromMonoAvx2(TStoreOp op, const std::uint8_t* bits,
                                                              std::uint32_t zeroWord,
                                                              std::uint32_t oneWord,
                                                              std::size_t count, std::uint8_t* to) {
    const __m256i pick = _mm256_setr_epi32(0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01);
    const __m256i zero = _mm256_set1_epi32(static_cast<int>(zeroWord));
    const __m256i one = _mm256_set1_epi32(static_cast<int>(oneWord));
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i byte = _mm256_set1_epi32(bits[x / 8]);
        const __m256i set = _mm256_cmpeq_epi32(_mm256_and_si256(byte, pick), pick);
        const __m256i s = _mm256_blendv_epi8(zero, one, set);
        __m256i* target = reinterpret_cast<__m256i*>(to + 4 * x);
        switch (op) {
            case TStoreOp::Copy:
                _mm256_storeu_si256(target, s);
                break;
            case TStoreOp::And:
                _mm256_storeu_si256(target, _mm256_and_si256(s, _mm256_loadu_si256(target)));
                break;
            case TStoreOp::Or:
                _mm256_storeu_si256(target, _mm256_or_si256(s, _mm256_loadu_si256(target)));
                break;
            case TStoreOp::Xor:
                _mm256_storeu_si256(target, _mm256_xor_si256(s, _mm256_loadu_si256(target)));
                break;
        }
    }
    return x;
}

// Eight pixels per step: the second 16-byte load starts at pixel x + 4 and ends inside pixel
// x + 9, so the loop stops where that would leave the row.
__attribute__((target("avx2"))) std::size_t WordsFromRgbAvx2(const std::uint8_t* rgb,
                                                             std::size_t count, std::uint8_t* to) {
    const __m256i wholePixels =
        _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                         0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    std::size_t x = 0;
    for (; x + 10 <= count; x += 8) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 3 * x));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 3 * x + 12));
        const __m256i source = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 4 * x),
                            _mm256_shuffle_epi8(source, wholePixels));
    }
    return x;
}

__attribute__((target("avx2"))) std::size_t KeyFromMonoAvx2(const std::uint8_t* bits,
                                                            std::uint32_t zeroWord,
                                                            std::uint32_t oneWord,
                                                            std::uint32_t key, std::size_t count,
                                                            std::uint8_t* to) {
    const __m256i pick = _mm256_setr_epi32(0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01);
    const __m256i zero = _mm256_set1_epi32(static_cast<int>(zeroWord));
    const __m256i one = _mm256_set1_epi32(static_cast<int>(oneWord));
    const __m256i keyWords = _mm256_set1_epi32(static_cast<int>(key));
    const __m256i colorMask = _mm256_set1_epi32(0x00FFFFFF);
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i byte = _mm256_set1_epi32(bits[x / 8]);
        const __m256i set = _mm256_cmpeq_epi32(_mm256_and_si256(byte, pick), pick);
        const __m256i words = _mm256_blendv_epi8(zero, one, set);
        __m256i* target = reinterpret_cast<__m256i*>(to + 4 * x);
        const __m256i kept = _mm256_and_si256(_mm256_loadu_si256(target), colorMask);
        _mm256_storeu_si256(target,
                            _mm256_blendv_epi8(words, kept, _mm256_cmpeq_epi32(words, keyWords)));
    }
    return x;
}

}  // namespace
#endif

#if VEXMORA_RASTER_AVX2
namespace {

#define VEXMORA_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,bmi2")))
// Kept in the caller's loop: out of line, the planes and the looked-up words go through memory
// on every call, which costs more than the lookup itself.
#define VEXMORA_VBMI_INLINE \
    __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,bmi2"), always_inline)) inline

// The table's planes in registers, each in four: two-register byte permutes look up 64
// values at once.
struct TBytePlanes {
    __m512i part[4][4];
};

VEXMORA_VBMI TBytePlanes LoadPlanes(const TWordTable& table) {
    TBytePlanes planes;
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 4; ++i) planes.part[k][i] = _mm512_load_si512(table.Plane(k) + 64 * i);
    }
    return planes;
}

// Byte q of the permuted values is value 16m + 4L + j for q = 16L + 4m + j: the unpacks in
// LookUp64 work within 128-bit lanes, and this order makes their results whole runs of
// sixteen pixels.
VEXMORA_VBMI __m512i LaneOrder() {
    alignas(64) std::uint8_t order[64];
    for (int q = 0; q < 64; ++q)
        order[q] = static_cast<std::uint8_t>(16 * (q % 16 / 4) + 4 * (q / 16) + q % 4);
    return _mm512_load_si512(order);
}

// The words of up to 64 values (those of the mask), in order: out[m] holds values 16m to
// 16m + 15.
VEXMORA_VBMI_INLINE void LookUp64(const TBytePlanes& t, __m512i order, const std::uint8_t* values,
                                  __mmask64 present, __m512i* out) {
    // The zero-masking forms: the plain ones trip a false uninitialised warning in GCC 12.
    const __m512i index = _mm512_maskz_permutexvar_epi8(~__mmask64{0}, order,
                                                        _mm512_maskz_loadu_epi8(present, values));
    const __mmask64 high = _mm512_movepi8_mask(index);
    __m512i plane[4];
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
        const __m512i low = _mm512_permutex2var_epi8(t.part[k][0], index, t.part[k][1]);
        const __m512i upper = _mm512_permutex2var_epi8(t.part[k][2], index, t.part[k][3]);
        plane[k] = _mm512_mask_blend_epi8(high, low, upper);
    }
    const __m512i b01Low = _mm512_unpacklo_epi8(plane[0], plane[1]);
    const __m512i b01High = _mm512_unpackhi_epi8(plane[0], plane[1]);
    const __m512i b23Low = _mm512_unpacklo_epi8(plane[2], plane[3]);
    const __m512i b23High = _mm512_unpackhi_epi8(plane[2], plane[3]);
    out[0] = _mm512_unpacklo_epi16(b01Low, b23Low);
    out[1] = _mm512_unpackhi_epi16(b01Low, b23Low);
    out[2] = _mm512_unpacklo_epi16(b01High, b23High);
    out[3] = _mm512_unpackhi_epi16(b01High, b23High);
}

// The pixels of the last, partial group of a row: the store mask of its group m.
inline __mmask16 GroupMask(std::size_t remaining, int m) {
    const std::size_t first = 16 * static_cast<std::size_t>(m);
    if (remaining <= first) return 0;
    return remaining - first >= 16 ? __mmask16{0xFFFF}
                                   : static_cast<__mmask16>((1u << (remaining - first)) - 1);
}

// One group of sixteen looked-up words into the row, combined with what is there by op; only
// the pixels of the group mask are touched. Whole groups take plain loads and stores.
VEXMORA_VBMI_INLINE void StoreGroup(TStoreOp op, __m512i words, __mmask16 group, void* target) {
    const bool whole = group == 0xFFFF;
    if (op != TStoreOp::Copy) {
        const __m512i old =
            whole ? _mm512_loadu_si512(target) : _mm512_maskz_loadu_epi32(group, target);
        words = op == TStoreOp::And  ? _mm512_and_si512(words, old)
                : op == TStoreOp::Or ? _mm512_or_si512(words, old)
                                     : _mm512_xor_si512(words, old);
    }
    if (whole) {
        _mm512_storeu_si512(target, words);
    } else {
        _mm512_mask_storeu_epi32(target, group, words);
    }
}

// Sixteen pixels (two monochrome bytes) per step with the bits as a lane mask; a last odd
// byte takes the lower eight lanes.
VEXMORA_VBMI std::size_t ColorFromMonoAvx512(TStoreOp op, const std::uint8_t* bits,
                                             std::uint32_t zeroWord, std::uint32_t oneWord,
                                             std::size_t count, std::uint8_t* to) {
    // Lane i tests pixel i: the high bit of the first byte first, then those of the second.
    const __m512i pick =
        _mm512_setr_epi32(0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01,  //
                          0x8000, 0x4000, 0x2000, 0x1000, 0x800, 0x400, 0x200, 0x100);
    const __m512i zero = _mm512_set1_epi32(static_cast<int>(zeroWord));
    const __m512i one = _mm512_set1_epi32(static_cast<int>(oneWord));
    std::size_t x = 0;
    for (; x + 8 <= count; x += 16) {
        const bool whole = x + 16 <= count;
        const unsigned pair = whole ? bits[x / 8] | (unsigned{bits[x / 8 + 1]} << 8) : bits[x / 8];
        const __mmask16 set =
            _mm512_test_epi32_mask(_mm512_set1_epi32(static_cast<int>(pair)), pick);
        StoreGroup(op, _mm512_mask_blend_epi32(set, zero, one), whole ? 0xFFFF : 0x00FF,
                   to + 4 * x);
        if (!whole) return x + 8;
    }
    return x;
}

// Whole rows, the last group masked: a plain loop over a remainder would cost as much as the
// rest of a short row. The operation is fixed per instance, so that the loop carries no
// decisions and the planes stay in registers.
template <TStoreOp kOp>
VEXMORA_VBMI std::size_t ColorFromBytesVbmiFor(const std::uint8_t* values, const TWordTable& table,
                                               std::size_t count, std::uint8_t* to) {
    const TBytePlanes t = LoadPlanes(table);
    const __m512i order = LaneOrder();
    std::size_t x = 0;
    for (; x + 64 <= count; x += 64) {
        __m512i words[4];
        LookUp64(t, order, values + x, ~__mmask64{0}, words);
#pragma GCC unroll 4
        for (int m = 0; m < 4; ++m) StoreGroup(kOp, words[m], 0xFFFF, to + 4 * (x + 16 * m));
    }
    if (x < count) {
        const std::size_t remaining = count - x;
        __m512i words[4];
        LookUp64(t, order, values + x, (__mmask64{1} << remaining) - 1, words);
        for (int m = 0; m < 4; ++m) {
            const __mmask16 group = GroupMask(remaining, m);
            if (group == 0) break;
            StoreGroup(kOp, words[m], group, to + 4 * (x + 16 * static_cast<std::size_t>(m)));
        }
    }
    return count;
}

VEXMORA_VBMI std::size_t ColorFromBytesVbmi(TStoreOp op, const std::uint8_t* values,
                                            const TWordTable& table, std::size_t count,
                                            std::uint8_t* to) {
    switch (op) {
        case TStoreOp::And:
            return ColorFromBytesVbmiFor<TStoreOp::And>(values, table, count, to);
        case TStoreOp::Or:
            return ColorFromBytesVbmiFor<TStoreOp::Or>(values, table, count, to);
        case TStoreOp::Xor:
            return ColorFromBytesVbmiFor<TStoreOp::Xor>(values, table, count, to);
        default:
            return ColorFromBytesVbmiFor<TStoreOp::Copy>(values, table, count, to);
    }
}

// Key pixels keep the destination's colour and lose its fourth byte; the table's words have a
// zero fourth byte and stand for themselves everywhere else. The destination is read whole
// and written whole: byte-masked stores of only the changed bytes cost more than the read.
VEXMORA_VBMI_INLINE void KeyGroup(__m512i words, __m512i keyWords, __mmask16 group, void* target) {
    const __m512i old =
        group == 0xFFFF ? _mm512_loadu_si512(target) : _mm512_maskz_loadu_epi32(group, target);
    const __mmask16 keyed = _mm512_cmpeq_epi32_mask(words, keyWords);
    const __m512i kept = _mm512_mask_and_epi32(words, keyed, old, _mm512_set1_epi32(0x00FFFFFF));
    StoreGroup(TStoreOp::Copy, kept, group, target);
}

VEXMORA_VBMI std::size_t KeyFromBytesVbmi(const std::uint8_t* values, const TWordTable& table,
                                          std::uint32_t key, std::size_t count, std::uint8_t* to) {
    const TBytePlanes t = LoadPlanes(table);
    const __m512i order = LaneOrder();
    const __m512i keyWords = _mm512_set1_epi32(static_cast<int>(key));
    std::size_t x = 0;
    for (; x + 64 <= count; x += 64) {
        __m512i words[4];
        LookUp64(t, order, values + x, ~__mmask64{0}, words);
#pragma GCC unroll 4
        for (int m = 0; m < 4; ++m) KeyGroup(words[m], keyWords, 0xFFFF, to + 4 * (x + 16 * m));
    }
    if (x < count) {
        const std::size_t remaining = count - x;
        __m512i words[4];
        LookUp64(t, order, values + x, (__mmask64{1} << remaining) - 1, words);
        for (int m = 0; m < 4; ++m) {
            const __mmask16 group = GroupMask(remaining, m);
            if (group == 0) break;
            KeyGroup(words[m], keyWords, group, to + 4 * (x + 16 * static_cast<std::size_t>(m)));
        }
    }
    return count;
}

// Sixteen pixels (two monochrome bytes) per step as in ColorFromMonoAvx512, then the key rule
// of KeyGroup.
VEXMORA_VBMI std::size_t KeyFromMonoAvx512(const std::uint8_t* bits, std::uint32_t zeroWord,
                                           std::uint32_t oneWord, std::uint32_t key,
                                           std::size_t count, std::uint8_t* to) {
    const __m512i pick =
        _mm512_setr_epi32(0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01,  //
                          0x8000, 0x4000, 0x2000, 0x1000, 0x800, 0x400, 0x200, 0x100);
    const __m512i zero = _mm512_set1_epi32(static_cast<int>(zeroWord));
    const __m512i one = _mm512_set1_epi32(static_cast<int>(oneWord));
    const __m512i keyWords = _mm512_set1_epi32(static_cast<int>(key));
    std::size_t x = 0;
    for (; x + 8 <= count; x += 16) {
        const bool whole = x + 16 <= count;
        const unsigned pair = whole ? bits[x / 8] | (unsigned{bits[x / 8 + 1]} << 8) : bits[x / 8];
        const __mmask16 set =
            _mm512_test_epi32_mask(_mm512_set1_epi32(static_cast<int>(pair)), pick);
        KeyGroup(_mm512_mask_blend_epi32(set, zero, one), keyWords, whole ? 0xFFFF : 0x00FF,
                 to + 4 * x);
        if (!whole) return x + 8;
    }
    return x;
}

// Sixteen pixels (48 bytes) per step; plain 64-byte loads while they stay inside the row
// (22 pixels), masked loads and stores for the rest.
VEXMORA_VBMI std::size_t WordsFromRgbVbmi(const std::uint8_t* rgb, std::size_t count,
                                          std::uint8_t* to) {
    alignas(64) std::uint8_t order[64];
    for (int q = 0; q < 64; ++q) order[q] = static_cast<std::uint8_t>(3 * (q / 4) + q % 4);
    const __m512i spread = _mm512_load_si512(order);
    // The fourth byte of each word comes out zero.
    const __mmask64 colourBytes = 0x7777777777777777ull;
    std::size_t x = 0;
    for (; x + 22 <= count; x += 16) {
        const __m512i source = _mm512_loadu_si512(rgb + 3 * x);
        _mm512_storeu_si512(to + 4 * x, _mm512_maskz_permutexvar_epi8(colourBytes, spread, source));
    }
    for (; x < count; x += 16) {
        const std::size_t pixels = count - x < 16 ? count - x : 16;
        const __mmask64 present = (__mmask64{1} << (3 * pixels)) - 1;
        const __m512i source = _mm512_maskz_loadu_epi8(present, rgb + 3 * x);
        const __m512i words = _mm512_maskz_permutexvar_epi8(colourBytes, spread, source);
        const auto group = static_cast<__mmask16>((1u << pixels) - 1);
        _mm512_mask_storeu_epi32(to + 4 * x, group, words);
    }
    return count;
}

}  // namespace
#endif

std::size_t CombineWords(TWordOp op, const std::uint8_t* from, std::uint8_t* to,
                         std::size_t count) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx2()) return CombineWordsAvx2(op, from, to, count);
#endif
    (void)op, (void)from, (void)to, (void)count;
    return 0;
}

std::size_t MonoFromColor(const std::uint8_t* from, std::uint32_t background, std::size_t count,
                          std::uint8_t* out) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx2()) return MonoFromColorAvx2(from, background, count, out);
#endif
    (void)from, (void)background, (void)count, (void)out;
    return 0;
}

std::size_t ColorFromMono(TStoreOp op, const std::uint8_t* bits, std::uint32_t zeroWord,
                          std::uint32_t oneWord, std::size_t count, std::uint8_t* to) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx512Vbmi()) return ColorFromMonoAvx512(op, bits, zeroWord, oneWord, count, to);
    if (HasAvx2()) return ColorFromMonoAvx2(op, bits, zeroWord, oneWord, count, to);
#endif
    (void)op, (void)bits, (void)zeroWord, (void)oneWord, (void)count, (void)to;
    return 0;
}

TWordTable::TWordTable(const std::uint32_t* words, std::size_t count) {
    for (std::size_t v = 0; v < count && v < 256; ++v) {
        words_[v] = words[v];
        for (int k = 0; k < 4; ++k) planes_[k][v] = static_cast<std::uint8_t>(words[v] >> (8 * k));
    }
}

std::size_t ColorFromBytes(TStoreOp op, const std::uint8_t* values, const TWordTable& wordTable,
                           std::size_t count, std::uint8_t* to) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx512Vbmi()) return ColorFromBytesVbmi(op, values, wordTable, count, to);
#endif
    const std::uint32_t* table = wordTable.Words();
    // Four values per load and four pixels per store: the table reads are what is left.
    std::size_t x = 0;
    for (; x + 4 <= count; x += 4) {
        std::uint32_t four = 0;
        std::memcpy(&four, values + x, 4);
        std::uint64_t pair[2] = {
            table[four & 0xFF] | (std::uint64_t{table[(four >> 8) & 0xFF]} << 32),
            table[(four >> 16) & 0xFF] | (std::uint64_t{table[four >> 24]} << 32)};
        if (op != TStoreOp::Copy) {
            std::uint64_t old[2];
            std::memcpy(old, to + 4 * x, 16);
            for (int k = 0; k < 2; ++k) {
                pair[k] = op == TStoreOp::And  ? pair[k] & old[k]
                          : op == TStoreOp::Or ? pair[k] | old[k]
                                               : pair[k] ^ old[k];
            }
        }
        std::memcpy(to + 4 * x, pair, 16);
    }
    return x;
}

std::size_t KeyFromBytes(const std::uint8_t* values, const TWordTable& table, std::uint32_t key,
                         std::size_t count, std::uint8_t* to) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx512Vbmi()) return KeyFromBytesVbmi(values, table, key, count, to);
#endif
    (void)values, (void)table, (void)key, (void)count, (void)to;
    return 0;
}

std::size_t WordsFromRgb(const std::uint8_t* rgb, std::size_t count, std::uint8_t* to) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx512Vbmi()) return WordsFromRgbVbmi(rgb, count, to);
    if (HasAvx2()) return WordsFromRgbAvx2(rgb, count, to);
#endif
    (void)rgb, (void)count, (void)to;
    return 0;
}

std::size_t KeyFromMono(const std::uint8_t* bits, std::uint32_t zeroWord, std::uint32_t oneWord,
                        std::uint32_t key, std::size_t count, std::uint8_t* to) {
#if VEXMORA_RASTER_AVX2
    if (HasAvx512Vbmi()) return KeyFromMonoAvx512(bits, zeroWord, oneWord, key, count, to);
    if (HasAvx2()) return KeyFromMonoAvx2(bits, zeroWord, oneWord, key, count, to);
#endif
    (void)bits, (void)zeroWord, (void)oneWord, (void)key, (void)count, (void)to;
    return 0;
}

}  // namespace raster::kernels
