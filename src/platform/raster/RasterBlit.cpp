#include "platform/raster/RasterBlit.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>

#include "platform/raster/BlitCore.h"
#include "platform/raster/BlitKernels.h"
#include "platform/raster/RgbRows.h"

using namespace raster;

namespace {

bool NormalizeSpan(std::int64_t& pos, std::int64_t& size, bool& flip) {
    if (size < 0) {
        pos += size;
        size = -size;
        flip = !flip;
    }
    return size > 0;
}

bool IsKnownRop(TRasterOp rop) {
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT ||
           rop == NOTSRCCOPY;
}

std::uint32_t DomainMask(const TPixelView& view) {
    switch (view.domain) {
        case TPixelDomain::Mono:
            return 1;
        case TPixelDomain::Index:
            return (1u << view.bitCount) - 1;
        default:
            return kColorMask;
    }
}

// Turns source values into destination values by the platform's conversion rules.
class TPixelConverter {
public:
    TPixelConverter(const TPixelView& src, std::uint32_t srcBk, const TPixelView& dst,
                    std::uint32_t dstText, std::uint32_t dstBk)
        : dst_(dst),
          srcBk_(srcBk),
          // 32-bit colour into 32-bit colour keeps the fourth byte, as the platform does for
          // 32-bit device-independent bitmaps, whether the blit stretches, clips or not.
          wordMask_(src.domain == TPixelDomain::Color && src.bitCount == 32 &&
                            dst.domain == TPixelDomain::Color && dst.bitCount == 32
                        ? 0xFFFFFFFFu
                        : kColorMask) {
        if (src.domain == TPixelDomain::Color) return;
        const std::uint32_t count = 1u << src.bitCount;
        lut_.resize(count);
        if (SameTables(src, dst)) {
            // Identical tables: indexes stay as they are, even where two entries share a colour.
            for (std::uint32_t v = 0; v < count; ++v) lut_[v] = v;
            return;
        }
        for (std::uint32_t v = 0; v < count; ++v) {
            if (src.domain == TPixelDomain::Mono) {
                lut_[v] =
                    dst.domain == TPixelDomain::Mono ? v : FromColor(v != 0 ? dstBk : dstText);
            } else {
                lut_[v] = FromColor(src.IndexColor(v));
            }
        }
    }

    // cols[i] < 0 marks a column outside the source; its output is 0 and fixed up later.
    void Convert(const std::uint32_t* in, const std::int32_t* cols, std::uint32_t count,
                 std::uint32_t* out) {
        if (!lut_.empty()) {
            const std::uint32_t mask = static_cast<std::uint32_t>(lut_.size() - 1);
            for (std::uint32_t i = 0; i < count; ++i)
                out[i] = cols[i] < 0 ? 0 : lut_[in[cols[i]] & mask];
            return;
        }
        if (dst_.domain == TPixelDomain::Color) {
            for (std::uint32_t i = 0; i < count; ++i)
                out[i] = cols[i] < 0 ? 0 : in[cols[i]] & wordMask_;
            return;
        }
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = cols[i] < 0 ? 0 : FromColor(in[cols[i]] & kColorMask);
    }

    // The same for columns that map one to one.
    void ConvertInOrder(const std::uint32_t* in, std::uint32_t count, std::uint32_t* out) {
        if (!lut_.empty()) {
            const std::uint32_t mask = static_cast<std::uint32_t>(lut_.size() - 1);
            const std::uint32_t* lut = lut_.data();
            for (std::uint32_t i = 0; i < count; ++i) out[i] = lut[in[i] & mask];
        } else if (dst_.domain == TPixelDomain::Color) {
            for (std::uint32_t i = 0; i < count; ++i) out[i] = in[i] & wordMask_;
        } else if (dst_.domain == TPixelDomain::Mono) {
            for (std::uint32_t i = 0; i < count; ++i)
                out[i] = (in[i] & kColorMask) == srcBk_ ? 1 : 0;
        } else {
            for (std::uint32_t i = 0; i < count; ++i) out[i] = NearestIndex(in[i] & kColorMask);
        }
    }

    // Sources of up to 8 bits convert through a table of every source value.
    bool HasTable() const { return !lut_.empty(); }
    const std::vector<std::uint32_t>& Table() const { return lut_; }

private:
    static bool SameTables(const TPixelView& src, const TPixelView& dst) {
        return src.domain == TPixelDomain::Index && dst.domain == TPixelDomain::Index &&
               src.bitCount == dst.bitCount && src.colorCount == dst.colorCount &&
               std::equal(src.colorTable, src.colorTable + src.colorCount, dst.colorTable);
    }

    std::uint32_t FromColor(std::uint32_t word) {
        if (dst_.domain == TPixelDomain::Color) return word;
        if (dst_.domain == TPixelDomain::Mono) return word == srcBk_ ? 1 : 0;
        return NearestIndex(word);
    }

    std::uint32_t NearestIndex(std::uint32_t word) {
        const auto found = nearest_.find(word);
        if (found != nearest_.end()) return found->second;
        std::uint32_t best = 0;
        std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
        for (std::size_t i = 0; i < dst_.colorCount && bestDistance != 0; ++i) {
            const std::uint32_t entry = QuadWord(dst_.colorTable[i]);
            std::int64_t distance = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int64_t d =
                    static_cast<std::int64_t>((entry >> shift) & 0xFF) - ((word >> shift) & 0xFF);
                distance += d * d;
            }
            if (distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<std::uint32_t>(i);
            }
        }
        nearest_.emplace(word, best);
        return best;
    }

    const TPixelView& dst_;
    std::uint32_t srcBk_;
    std::uint32_t wordMask_;
    std::vector<std::uint32_t> lut_;
    std::unordered_map<std::uint32_t, std::uint32_t> nearest_;
};

void Combine(TRasterOp rop, std::uint32_t mask, const std::uint32_t* d, std::uint32_t count,
             std::uint32_t* s) {
    switch (rop) {
        case SRCPAINT:
            for (std::uint32_t i = 0; i < count; ++i) s[i] |= d[i];
            break;
        case SRCAND:
            for (std::uint32_t i = 0; i < count; ++i) s[i] &= d[i];
            break;
        case SRCINVERT:
            for (std::uint32_t i = 0; i < count; ++i) s[i] ^= d[i];
            break;
        case NOTSRCCOPY:
            for (std::uint32_t i = 0; i < count; ++i) s[i] = ~s[i] & mask;
            break;
        default:
            break;
    }
}

inline std::uint32_t Apply(TRasterOp rop, std::uint32_t s, std::uint32_t d) {
    switch (rop) {
        case SRCPAINT:
            return s | d;
        case SRCAND:
            return s & d;
        case SRCINVERT:
            return s ^ d;
        case NOTSRCCOPY:
            return ~s & kColorMask;
        default:
            return s;
    }
}

template <TRasterOp kRop>
void CombineWords(const std::uint8_t* from, std::uint8_t* to, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t source = 0;
        std::uint32_t target = 0;
        std::memcpy(&source, from + 4 * std::size_t{i}, 4);
        std::memcpy(&target, to + 4 * std::size_t{i}, 4);
        const std::uint32_t word = Apply(kRop, source, target);
        std::memcpy(to + 4 * std::size_t{i}, &word, 4);
    }
}

void CombineWordRow(TRasterOp rop, const std::uint8_t* from, std::uint8_t* to,
                    std::uint32_t count) {
    if (rop != NOTSRCCOPY) {
        const auto op = rop == SRCPAINT ? kernels::TWordOp::Or
                        : rop == SRCAND ? kernels::TWordOp::And
                                        : kernels::TWordOp::Xor;
        const auto done = static_cast<std::uint32_t>(kernels::CombineWords(op, from, to, count));
        from += 4 * std::size_t{done};
        to += 4 * std::size_t{done};
        count -= done;
    }
    switch (rop) {
        case SRCPAINT:
            CombineWords<SRCPAINT>(from, to, count);
            break;
        case SRCAND:
            CombineWords<SRCAND>(from, to, count);
            break;
        case SRCINVERT:
            CombineWords<SRCINVERT>(from, to, count);
            break;
        default:
            CombineWords<NOTSRCCOPY>(from, to, count);
            break;
    }
}

// 32-bit colour rows that map one to one: the raster operation straight on pixel memory.
void CopyWords(const TPixelView& dst, const TPixelView& src, const TBlitGeometry& g,
               std::uint32_t x0, std::uint32_t srcX0, std::uint32_t count, TRasterOp rop) {
    const std::int64_t y0 = std::max<std::int64_t>(g.y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(g.y + g.height, dst.height);
    const std::size_t bytes = std::size_t{count} * 4;
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t r = g.srcY + (y - g.y);
        if (r < 0 || r >= src.height) continue;
        const std::uint8_t* from = src.Row(static_cast<std::uint32_t>(r)) + std::size_t{srcX0} * 4;
        std::uint8_t* to = dst.Row(static_cast<std::uint32_t>(y)) + std::size_t{x0} * 4;
        if (rop == SRCCOPY) {
            std::memmove(to, from, bytes);
        } else {
            CombineWordRow(rop, from, to, count);
        }
    }
}

// Eight source pixels from column x on as the bits of one monochrome byte, leftmost in the
// high bit: monochrome sources as they are, 32-bit colours 1 where they equal the background.
inline unsigned SourceByte(const TPixelView& src, const std::uint8_t* row, std::uint32_t x,
                           std::uint32_t bk, unsigned pixels) {
    if (src.domain == TPixelDomain::Mono) return row[x / 8];
    unsigned byte = 0;
    for (unsigned b = 0; b < pixels; ++b) {
        std::uint32_t word = 0;
        std::memcpy(&word, row + 4 * std::size_t{x + b}, 4);
        byte |= ((word & kColorMask) == bk ? 1u : 0u) << (7 - b);
    }
    return byte;
}

// to[i] becomes the raster operation of s[i] and to[i] on whole bytes, eight at a time.
template <TRasterOp kRop>
void CombineBytes(const std::uint8_t* s, std::uint8_t* to, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t source = 0;
        std::uint64_t target = 0;
        std::memcpy(&source, s + i, 8);
        std::memcpy(&target, to + i, 8);
        std::uint64_t word = source;
        if constexpr (kRop == SRCPAINT) word = source | target;
        if constexpr (kRop == SRCAND) word = source & target;
        if constexpr (kRop == SRCINVERT) word = source ^ target;
        if constexpr (kRop == NOTSRCCOPY) word = ~source;
        std::memcpy(to + i, &word, 8);
    }
    for (; i < n; ++i) to[i] = static_cast<std::uint8_t>(Apply(kRop, s[i], to[i]));
}

void CombineByteRow(TRasterOp rop, const std::uint8_t* s, std::uint8_t* to, std::size_t n) {
    switch (rop) {
        case SRCPAINT:
            CombineBytes<SRCPAINT>(s, to, n);
            break;
        case SRCAND:
            CombineBytes<SRCAND>(s, to, n);
            break;
        case SRCINVERT:
            CombineBytes<SRCINVERT>(s, to, n);
            break;
        case NOTSRCCOPY:
            CombineBytes<NOTSRCCOPY>(s, to, n);
            break;
        default:
            CombineBytes<SRCCOPY>(s, to, n);
            break;
    }
}

// Monochrome destinations from byte-aligned monochrome or 32-bit colour rows that map one
// to one, a whole byte of pixels at a time; bits beyond the span keep their value.
void MaskBytes(const TPixelView& dst, const TPixelView& src, std::uint32_t srcBk,
               const TBlitGeometry& g, std::uint32_t x0, std::uint32_t srcX0, std::uint32_t count,
               TRasterOp rop) {
    const std::int64_t y0 = std::max<std::int64_t>(g.y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(g.y + g.height, dst.height);
    const bool fromColor = src.domain != TPixelDomain::Mono;
    const std::uint32_t full = count / 8;
    const std::uint32_t rest = count % 8;
    std::vector<std::uint8_t> converted(fromColor ? full + 1 : 0);
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t r = g.srcY + (y - g.y);
        if (r < 0 || r >= src.height) continue;
        const std::uint8_t* from = src.Row(static_cast<std::uint32_t>(r));
        std::uint8_t* to = dst.Row(static_cast<std::uint32_t>(y)) + x0 / 8;
        const std::uint8_t* source = from + srcX0 / 8;
        if (fromColor) {
            // Whole bytes of colour pixels compared in one go where the processor allows.
            auto i = static_cast<std::uint32_t>(kernels::MonoFromColor(
                from + 4 * std::size_t{srcX0}, srcBk, std::size_t{full} * 8, converted.data()));
            for (; i < count; i += 8) {
                const unsigned pixels = std::min<std::uint32_t>(8, count - i);
                converted[i / 8] =
                    static_cast<std::uint8_t>(SourceByte(src, from, srcX0 + i, srcBk, pixels));
            }
            source = converted.data();
        }
        CombineByteRow(rop, source, to, full);
        if (rest != 0) {
            const unsigned keep = 0xFFu >> rest;
            const unsigned word = Apply(rop, source[full], to[full]) & 0xFFu;
            to[full] = static_cast<std::uint8_t>((word & ~keep) | (to[full] & keep));
        }
    }
}

// One row of LookUpWords with the source depth and the operation fixed, so that the loop
// body carries no decisions.
template <bool kEightBit, TRasterOp kRop>
void LookUpRow(const std::uint8_t* from, std::uint32_t srcX0, const kernels::TWordTable& table,
               std::uint32_t count, std::uint8_t* to) {
    const std::uint32_t* lut = table.Words();
    std::uint32_t i = 0;
    const auto op = kRop == SRCAND      ? kernels::TStoreOp::And
                    : kRop == SRCPAINT  ? kernels::TStoreOp::Or
                    : kRop == SRCINVERT ? kernels::TStoreOp::Xor
                                        : kernels::TStoreOp::Copy;
    if (kEightBit && kRop != NOTSRCCOPY) {
        i = static_cast<std::uint32_t>(kernels::ColorFromBytes(op, from + srcX0, table, count, to));
        to += 4 * std::size_t{i};
    }
    if (!kEightBit && srcX0 % 8 == 0) {
        // Eight words per monochrome byte, wide where the processor allows, then a byte of
        // monochrome pixels at a time.
        const std::uint32_t zeroWord = kRop == NOTSRCCOPY ? ~lut[0] & kColorMask : lut[0];
        const std::uint32_t oneWord = kRop == NOTSRCCOPY ? ~lut[1] & kColorMask : lut[1];
        i = static_cast<std::uint32_t>(
            kernels::ColorFromMono(op, from + srcX0 / 8, zeroWord, oneWord, count, to));
        to += 4 * std::size_t{i};
        for (const std::uint8_t* bits = from + (srcX0 + i) / 8; i + 8 <= count; i += 8, ++bits) {
            const unsigned byte = *bits;
            for (unsigned b = 0; b < 8; ++b, to += 4) {
                std::uint32_t d = 0;
                if constexpr (kRop != SRCCOPY && kRop != NOTSRCCOPY) std::memcpy(&d, to, 4);
                const std::uint32_t word = Apply(kRop, lut[(byte >> (7 - b)) & 1], d);
                std::memcpy(to, &word, 4);
            }
        }
    }
    for (; i < count; ++i, to += 4) {
        const std::uint32_t x = srcX0 + i;
        const std::uint32_t value = kEightBit ? from[x] : (from[x / 8] >> (7 - x % 8)) & 1;
        std::uint32_t d = 0;
        if constexpr (kRop != SRCCOPY && kRop != NOTSRCCOPY) std::memcpy(&d, to, 4);
        const std::uint32_t word = Apply(kRop, lut[value], d);
        std::memcpy(to, &word, 4);
    }
}

template <bool kEightBit>
void LookUpRowFor(TRasterOp rop, const std::uint8_t* from, std::uint32_t srcX0,
                  const kernels::TWordTable& lut, std::uint32_t count, std::uint8_t* to) {
    switch (rop) {
        case SRCPAINT:
            LookUpRow<kEightBit, SRCPAINT>(from, srcX0, lut, count, to);
            break;
        case SRCAND:
            LookUpRow<kEightBit, SRCAND>(from, srcX0, lut, count, to);
            break;
        case SRCINVERT:
            LookUpRow<kEightBit, SRCINVERT>(from, srcX0, lut, count, to);
            break;
        case NOTSRCCOPY:
            LookUpRow<kEightBit, NOTSRCCOPY>(from, srcX0, lut, count, to);
            break;
        default:
            LookUpRow<kEightBit, SRCCOPY>(from, srcX0, lut, count, to);
            break;
    }
}

// 8-bit or 1-bit rows into 32-bit colour rows that map one to one: each source value through
// the conversion table, combined straight into pixel memory.
void LookUpWords(const TPixelView& dst, const TPixelView& src,
                 const std::vector<std::uint32_t>& table, const TBlitGeometry& g, std::uint32_t x0,
                 std::uint32_t srcX0, std::uint32_t count, TRasterOp rop) {
    const std::int64_t y0 = std::max<std::int64_t>(g.y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(g.y + g.height, dst.height);
    const kernels::TWordTable words(table.data(), table.size());
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t r = g.srcY + (y - g.y);
        if (r < 0 || r >= src.height) continue;
        const std::uint8_t* from = src.Row(static_cast<std::uint32_t>(r));
        std::uint8_t* to = dst.Row(static_cast<std::uint32_t>(y)) + std::size_t{x0} * 4;
        if (src.bitCount == 8) {
            LookUpRowFor<true>(rop, from, srcX0, words, count, to);
        } else {
            LookUpRowFor<false>(rop, from, srcX0, words, count, to);
        }
    }
}

// The source pixel under the centre of destination pixel t of a span of dstSize pixels.
std::int64_t SourceIndex(std::int64_t t, std::int64_t dstSize, std::int64_t srcStart,
                         std::int64_t srcSize, bool flip) {
    if (flip) t = dstSize - 1 - t;
    // Unscaled spans need no division: the centre of t lies over source pixel t.
    if (dstSize == srcSize) return srcStart + t;
    return srcStart + (2 * t + 1) * srcSize / (2 * dstSize);
}

}  // namespace

namespace {

// The source column of each destination column from x0 on, relative to the leftmost column
// used; -1 where it falls outside the source.
struct TColumnMap {
    std::vector<std::int32_t> cols;
    std::int64_t minCol = std::numeric_limits<std::int64_t>::max();
    std::int64_t maxCol = -1;
    bool allInside = true;
    bool identity = false;  // every column maps to the same offset: an unscaled, unmirrored blit
};

TColumnMap MapColumns(const TBlitGeometry& g, std::int64_t x0, std::uint32_t count,
                      std::uint32_t srcWidth) {
    TColumnMap map;
    map.cols.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::int64_t c = SourceIndex(x0 + i - g.x, g.width, g.srcX, g.srcWidth, g.flipX);
        if (c < 0 || c >= srcWidth) {
            map.cols[i] = -1;
            map.allInside = false;
            continue;
        }
        map.cols[i] = static_cast<std::int32_t>(c);
        map.minCol = std::min(map.minCol, c);
        map.maxCol = std::max(map.maxCol, c);
    }
    map.identity = map.allInside;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (map.cols[i] >= 0) map.cols[i] = static_cast<std::int32_t>(map.cols[i] - map.minCol);
        map.identity = map.identity && map.cols[i] == static_cast<std::int32_t>(i);
    }
    return map;
}

}  // namespace

bool raster::BlitViews(const TPixelView& dst, std::uint32_t dstText, std::uint32_t dstBk,
                       TPixelView src, std::uint32_t srcBk, const TBlitGeometry& g, TRasterOp rop) {
    if (!IsKnownRop(rop)) return false;
    const std::int64_t x0 = std::max<std::int64_t>(g.x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(g.x + g.width, dst.width);
    if (x0 >= x1) return true;
    const auto count = static_cast<std::uint32_t>(x1 - x0);
    const TColumnMap map = MapColumns(g, x0, count, src.width);
    if (map.maxCol < 0) return true;
    const std::vector<std::int32_t>& cols = map.cols;
    const std::int64_t minCol = map.minCol;
    const std::int64_t maxCol = map.maxCol;
    const bool allInside = map.allInside;
    // The fast paths below copy row r of the source to row r of the destination; a blit that
    // stretches or mirrors vertically takes the general path even when its columns map 1:1.
    const bool identity = map.identity && g.height == g.srcHeight && !g.flipY;

    // A blit within one bitmap reads from a snapshot, so that overlapping rows stay intact.
    std::vector<std::uint8_t> snapshot;
    if (src.bits == dst.bits) {
        snapshot.assign(src.bits, src.bits + src.stride * src.height);
        src.bits = snapshot.data();
    }
    if (identity && src.bitCount == 32 && dst.bitCount == 32 && src.domain == TPixelDomain::Color &&
        dst.domain == TPixelDomain::Color) {
        CopyWords(dst, src, g, static_cast<std::uint32_t>(x0), static_cast<std::uint32_t>(minCol),
                  count, rop);
        return true;
    }
    if (identity && rop == SRCCOPY && src.bitCount == 24 && dst.bitCount == 32 &&
        dst.domain == TPixelDomain::Color) {
        CopyRgbRows(dst, src, g, static_cast<std::uint32_t>(x0), static_cast<std::uint32_t>(minCol),
                    count);
        return true;
    }
    if (identity && dst.domain == TPixelDomain::Mono && x0 % 8 == 0 &&
        ((src.domain == TPixelDomain::Color && src.bitCount == 32) ||
         (src.domain == TPixelDomain::Mono && minCol % 8 == 0))) {
        MaskBytes(dst, src, srcBk, g, static_cast<std::uint32_t>(x0),
                  static_cast<std::uint32_t>(minCol), count, rop);
        return true;
    }
    TPixelConverter converter(src, srcBk, dst, dstText, dstBk);
    if (identity && dst.bitCount == 32 && dst.domain == TPixelDomain::Color &&
        converter.HasTable() && (src.bitCount == 8 || src.bitCount == 1)) {
        LookUpWords(dst, src, converter.Table(), g, static_cast<std::uint32_t>(x0),
                    static_cast<std::uint32_t>(minCol), count, rop);
        return true;
    }
    const std::uint32_t mask = DomainMask(dst);
    const bool needsDestination =
        rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || !allInside;
    const auto srcCount = static_cast<std::uint32_t>(maxCol - minCol + 1);
    std::vector<std::uint32_t> srcRow(srcCount), out(count), dstRow(needsDestination ? count : 0);
    std::int64_t decodedRow = -1;
    const std::int64_t y0 = std::max<std::int64_t>(g.y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(g.y + g.height, dst.height);
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t r = SourceIndex(y - g.y, g.height, g.srcY, g.srcHeight, g.flipY);
        if (r < 0 || r >= src.height) continue;
        if (r != decodedRow) {
            ReadRow(src, static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(minCol),
                    srcCount, srcRow.data());
            decodedRow = r;
        }
        if (identity) {
            converter.ConvertInOrder(srcRow.data(), count, out.data());
        } else {
            converter.Convert(srcRow.data(), cols.data(), count, out.data());
        }
        const auto dy = static_cast<std::uint32_t>(y);
        if (needsDestination)
            ReadRow(dst, dy, static_cast<std::uint32_t>(x0), count, dstRow.data());
        Combine(rop, mask, dstRow.data(), count, out.data());
        if (!allInside) {
            for (std::uint32_t i = 0; i < count; ++i) {
                if (cols[i] < 0) out[i] = dstRow[i];
            }
        }
        WriteRow(dst, dy, static_cast<std::uint32_t>(x0), count, out.data());
    }
    return true;
}

namespace {

bool MakeGeometry(int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, TBlitGeometry& g) {
    g = TBlitGeometry{x, y, width, height, srcX, srcY, srcWidth, srcHeight, false, false};
    return NormalizeSpan(g.x, g.width, g.flipX) && NormalizeSpan(g.y, g.height, g.flipY) &&
           NormalizeSpan(g.srcX, g.srcWidth, g.flipX) &&
           NormalizeSpan(g.srcY, g.srcHeight, g.flipY);
}

}  // namespace

bool StretchBlt(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, TRasterOp rop) {
    if (!IsKnownRop(rop)) return false;
    TBlitGeometry g;
    if (!MakeGeometry(x, y, width, height, srcX, srcY, srcWidth, srcHeight, g)) return true;
    return BlitViews(ViewOf(dst.Bitmap()), ColorWord(dst.TextColor()), ColorWord(dst.BkColor()),
                     ViewOf(src.Bitmap()), ColorWord(src.BkColor()), g, rop);
}

bool BitBlt(TDeviceContext& dst, int x, int y, int width, int height, const TDeviceContext& src,
            int srcX, int srcY, TRasterOp rop) {
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

int StretchDIBits(TDeviceContext& dst, int x, int y, int width, int height, int srcX, int srcY,
                  int srcWidth, int srcHeight, const void* bits, const TBitmapInfo& info,
                  TRasterOp rop) {
    if (!IsKnownRop(rop)) return 0;
    const auto src = ViewOf(bits, info);
    if (!src) return 0;
    TBlitGeometry g;
    if (!MakeGeometry(x, y, width, height, srcX, srcY, srcWidth, srcHeight, g)) return 0;
    if (!src->topDown) g.srcY = static_cast<std::int64_t>(src->height) - g.srcY - g.srcHeight;
    const std::uint32_t bk = ColorWord(dst.BkColor());
    if (!BlitViews(ViewOf(dst.Bitmap()), ColorWord(dst.TextColor()), bk, *src, bk, g, rop))
        return 0;
    return static_cast<int>(g.srcHeight);
}
