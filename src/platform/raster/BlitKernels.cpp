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
    if (HasAvx2()) return ColorFromMonoAvx2(op, bits, zeroWord, oneWord, count, to);
#endif
    (void)op, (void)bits, (void)zeroWord, (void)oneWord, (void)count, (void)to;
    return 0;
}

std::size_t ColorFromBytes(TStoreOp op, const std::uint8_t* values, const std::uint32_t* table,
                           std::size_t count, std::uint8_t* to) {
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

}  // namespace raster::kernels
