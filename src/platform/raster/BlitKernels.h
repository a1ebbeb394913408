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

// 32-bit words from 8-bit values through a table of 256 words, stored or combined into to.
// Plain code on every processor; whole groups of four only.
std::size_t ColorFromBytes(TStoreOp op, const std::uint8_t* values, const std::uint32_t* table,
                           std::size_t count, std::uint8_t* to);

}  // namespace raster::kernels
