#pragma once

#include <cstddef>
#include <cstdint>

// Wide loops for the blits' hottest rows, used where the processor has AVX2. Each answers how
// many leading pixels it handled (0 without AVX2, otherwise a whole number of groups); the
// caller does the rest with its plain loop, which gives the same pixels.
namespace raster::kernels {

// to[i] becomes from[i] combined with to[i] (or, and, xor) on whole 32-bit words.
enum class TWordOp { Or, And, Xor };
std::size_t CombineWords(TWordOp op, const std::uint8_t* from, std::uint8_t* to, std::size_t count);

// Monochrome bytes (leftmost pixel in the high bit) from 32-bit colour words: 1 where the
// word's colour (low 24 bits) equals background. Handles whole bytes only.
std::size_t MonoFromColor(const std::uint8_t* from, std::uint32_t background, std::size_t count,
                          std::uint8_t* out);

// 32-bit words from monochrome bytes (leftmost pixel in the high bit): bit 0 gives zeroWord,
// bit 1 oneWord; the result is stored, or ANDed, ORed or XORed into to. Whole bytes only.
enum class TStoreOp { Copy, And, Or, Xor };
std::size_t ColorFromMono(TStoreOp op, const std::uint8_t* bits, std::uint32_t zeroWord,
                          std::uint32_t oneWord, std::size_t count, std::uint8_t* to);

// A table of up to 256 words (missing entries 0) with the byte planes the wide lookups use:
// build it once per blit, not per row.
class TWordTable {
public:
    TWordTable(const std::uint32_t* words, std::size_t count);

    const std::uint32_t* Words() const { return words_; }
    // Byte k of every word, in word order: 256 bytes per plane.
    const std::uint8_t* Plane(int k) const { return planes_[k]; }

private:
    std::uint32_t words_[256] = {};
    alignas(64) std::uint8_t planes_[4][256] = {};
};

// 32-bit words from 8-bit values through the table, stored or combined into to. The whole
// row with AVX-512 byte permutes, otherwise whole groups of four.
std::size_t ColorFromBytes(TStoreOp op, const std::uint8_t* values, const TWordTable& table,
                           std::size_t count, std::uint8_t* to);

// The colour-key rule on 8-bit values, for a table of colour words (fourth byte 0): the
// value's word where it is not key, the destination word with its fourth byte cleared where
// it is. The whole row with AVX-512 byte permutes, nothing (0) elsewhere.
std::size_t KeyFromBytes(const std::uint8_t* values, const TWordTable& table, std::uint32_t key,
                         std::size_t count, std::uint8_t* to);

// The same rule on monochrome bytes (leftmost pixel in the high bit), bit 0 giving zeroWord
// and bit 1 oneWord (fourth bytes 0). Whole bytes, with AVX-512 or AVX2; nothing (0) elsewhere.
std::size_t KeyFromMono(const std::uint8_t* bits, std::uint32_t zeroWord, std::uint32_t oneWord,
                        std::uint32_t key, std::size_t count, std::uint8_t* to);

// 32-bit words (fourth byte 0) from 24-bit pixels stored blue, green, red. The whole row with
// AVX-512 byte permutes, groups of eight with AVX2 as far as their loads stay inside the row,
// nothing (0) elsewhere.
std::size_t WordsFromRgb(const std::uint8_t* rgb, std::size_t count, std::uint8_t* to);

}  // namespace raster::kernels
