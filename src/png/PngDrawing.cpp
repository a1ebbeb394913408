// Drawing a PNG picture onto a canvas: opaque, by colour key, or blended by alpha.
#include <array>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VEXMORA_BLEND_AVX2 1
#endif

#include "platform/raster/BitmapOperations.h"
#include "platform/raster/RasterBlit.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunktRNS.h"
#include "png/TPNGObject.h"

namespace {

void DrawOpaque(const TChunkIHDR& header, TDeviceContext& dst, const TRect& rect) {
    dst.SetStretchBltMode(COLORONCOLOR);
    const auto w = static_cast<int>(header.Width);
    const auto h = static_cast<int>(header.Height);
    StretchDIBits(dst, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, w, h, header.PixelRows(),
                  header.BitmapInfo(), SRCCOPY);
}

// A memory context holding a bitmap, restoring the context's first bitmap when it goes.
class TSelectedBitmap {
public:
    explicit TSelectedBitmap(TBitmapHandle bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(std::move(bitmap)) {
        if (bitmap_) previous_ = dc_->SelectObject(bitmap_);
    }
    ~TSelectedBitmap() {
        if (previous_) dc_->SelectObject(previous_);
    }
    TSelectedBitmap(const TSelectedBitmap&) = delete;
    TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;

    bool Valid() const { return bitmap_ != nullptr; }
    TDeviceContext& Dc() { return *dc_; }
    TDeviceBitmap& Bitmap() { return *bitmap_; }

private:
    std::unique_ptr<TDeviceContext> dc_;
    TBitmapHandle bitmap_;
    TBitmapHandle previous_;
};

// Built from raster operations only: a mask that is white where the picture has the key
// colour lets the background through there and the picture everywhere else.
void DrawColorKey(const TChunkIHDR& header, TDeviceContext& dst, const TRect& rect, TColor key) {
    const TRect r = rect.Normalized();
    const int W = r.Width();
    const int H = r.Height();
    if (W == 0 || H == 0) return;
    const auto w = static_cast<int>(header.Width);
    const auto h = static_cast<int>(header.Height);

    TSelectedBitmap S(CreateDIBitmap(&dst, header.BitmapInfo().header, CBM_INIT, header.PixelRows(),
                                     &header.BitmapInfo(), DIB_RGB_COLORS));
    TSelectedBitmap A(CreateBitmap(W, H, 1, 1, nullptr));
    TSelectedBitmap B(CreateBitmap(W, H, 1, 1, nullptr));
    TSelectedBitmap C(CreateCompatibleBitmap(&dst, W, H));
    if (!S.Valid() || !A.Valid() || !B.Valid() || !C.Valid()) throw EPNGOutMemory();

    const TColor oldBk = S.Dc().SetBkColor(key);
    StretchBlt(B.Dc(), 0, 0, W, H, S.Dc(), 0, 0, w, h, SRCCOPY);
    S.Dc().SetBkColor(oldBk);
    BitBlt(A.Dc(), 0, 0, W, H, B.Dc(), 0, 0, NOTSRCCOPY);
    BitBlt(C.Dc(), 0, 0, W, H, dst, r.left, r.top, SRCCOPY);
    BitBlt(C.Dc(), 0, 0, W, H, B.Dc(), 0, 0, SRCAND);
    StretchBlt(S.Dc(), 0, 0, w, h, A.Dc(), 0, 0, W, H, SRCAND);
    StretchBlt(C.Dc(), 0, 0, W, H, S.Dc(), 0, 0, w, h, SRCPAINT);
    BitBlt(dst, r.left, r.top, W, H, C.Dc(), 0, 0, SRCCOPY);
}

// (c * a + (255 - a) * d + 255) div 256 for blue, green and red of one section pixel. The
// three components ride in 16-bit lanes of one 64-bit word: no lane can exceed 255 * 255 +
// 255, so two multiplications do the work of six.
inline void Blend(std::uint8_t* d, std::uint8_t blue, std::uint8_t green, std::uint8_t red, unsigned a) {
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
__attribute__((target("avx2"))) std::size_t BlendRgbRowAvx2(const std::uint8_t* row, const std::uint8_t* alpha,
                                                            std::size_t count, std::uint8_t* out) {
    // Source bytes b g r of two pixels per 128-bit lane into 16-bit lanes b g r 0.
    const __m256i firstPair = _mm256_setr_epi8(0, -1, 1, -1, 2, -1, -1, -1, 3, -1, 4, -1, 5, -1, -1, -1,  //
                                               0, -1, 1, -1, 2, -1, -1, -1, 3, -1, 4, -1, 5, -1, -1, -1);
    const __m256i secondPair = _mm256_setr_epi8(6, -1, 7, -1, 8, -1, -1, -1, 9, -1, 10, -1, 11, -1, -1, -1,  //
                                                6, -1, 7, -1, 8, -1, -1, -1, 9, -1, 10, -1, 11, -1, -1, -1);
    // The eight alpha bytes sit in both lanes; each lane takes its own four.
    const __m256i firstAlpha = _mm256_setr_epi8(0, -1, 0, -1, 0, -1, -1, -1, 1, -1, 1, -1, 1, -1, -1, -1,  //
                                                4, -1, 4, -1, 4, -1, -1, -1, 5, -1, 5, -1, 5, -1, -1, -1);
    const __m256i secondAlpha = _mm256_setr_epi8(2, -1, 2, -1, 2, -1, -1, -1, 3, -1, 3, -1, 3, -1, -1, -1,  //
                                                 6, -1, 6, -1, 6, -1, -1, -1, 7, -1, 7, -1, 7, -1, -1, -1);
    const __m256i wholePixels = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                                 0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i fourthBytes = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i opaque = _mm256_setr_epi16(255, 255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 0);
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
        const __m256i destination = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + 4 * x));
        if (alphaBytes == -1) {
            // Opaque everywhere: the blend gives the source colour, the fourth byte stays.
            const __m256i colour = _mm256_shuffle_epi8(source, wholePixels);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * x),
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

bool HasAvx2() {
    // Initialised explicitly: the first call may come from a static initialiser.
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return has;
}
#endif

// An unscaled 24-bit row: no column mapping, and eight pixels at a time where the processor
// allows.
void BlendRgbRow(const std::uint8_t* row, const std::uint8_t* alpha, std::size_t count, std::uint8_t* out) {
    std::size_t x = 0;
#if VEXMORA_BLEND_AVX2
    if (HasAvx2()) x = BlendRgbRowAvx2(row, alpha, count, out);
#endif
    for (; x < count; ++x) {
        const std::uint8_t* c = row + 3 * x;
        Blend(out + 4 * x, c[0], c[1], c[2], alpha[x]);
    }
}

// Colour and alpha of each palette index; indexes at or above the PLTE entry count have no
// colour, and meeting one while blending is an error.
struct TPaletteAlpha {
    std::array<TRgbQuad, 256> color{};
    std::array<std::uint8_t, 256> alpha{};
    std::uint32_t valid = 0;
};

TPaletteAlpha PaletteAlphaOf(const TPNGObject& picture, const TChunkIHDR& header) {
    TPaletteAlpha lookup;
    const auto* palette = picture.ChunkList().FindChunkOfKind<TChunkPLTE>();
    const auto* transparency = picture.ChunkList().FindChunkOfKind<TChunktRNS>();
    // Without a PLTE chunk the colour table (the halftone palette) stands in for it.
    lookup.valid = palette != nullptr ? palette->EntryCount : header.BitmapInfo().header.clrUsed;
    for (std::uint32_t i = 0; i < 256; ++i) {
        lookup.color[i] = header.BitmapInfo().colorTable[i];
        lookup.alpha[i] = transparency != nullptr ? transparency->AlphaValues[i] : 255;
    }
    return lookup;
}

// Source column (row) of each destination column (row): truncation of x / fx, computed once.
std::vector<std::uint32_t> SourceColumns(int W, std::uint32_t width, bool scaled, double fx) {
    std::vector<std::uint32_t> columns(static_cast<std::size_t>(W));
    for (int x = 0; x < W; ++x) {
        const auto s = scaled ? static_cast<std::uint32_t>(x / fx) : static_cast<std::uint32_t>(x);
        columns[static_cast<std::size_t>(x)] = s < width ? s : width - 1;
    }
    return columns;
}

// Index of pixel s of a packed row.
inline unsigned PackedIndex(const std::uint8_t* row, std::uint32_t s, unsigned bits) {
    const unsigned perByte = 8 / bits;
    return (row[s / perByte] >> (8 - bits - bits * (s % perByte))) & ((1u << bits) - 1);
}

// Blends one destination row (4 bytes per pixel) from source row sourceRow. The blend rule
// (c x a + (255 - a) x d + 255) div 256 leaves d at a = 0 and gives c at a = 255, so the
// three rules of the storage kinds share one loop body each.
void BlendRow(const TChunkIHDR& header, std::uint32_t sourceRow, const std::vector<std::uint32_t>& columns,
              const TPaletteAlpha& palette, std::uint8_t* out) {
    const std::uint8_t* row = header.RowAddress(sourceRow);
    const std::uint8_t* alpha = header.AlphaRowAddress(sourceRow);
    const std::size_t count = columns.size();
    const std::uint32_t* cols = columns.data();
    if (header.BitmapInfo().header.bitCount == 24) {
        if (count == header.Width && (count == 0 || cols[count - 1] == count - 1)) {
            BlendRgbRow(row, alpha, count, out);
            return;
        }
        for (std::size_t x = 0; x < count; ++x, out += 4) {
            const std::uint32_t s = cols[x];
            const std::uint8_t* c = row + 3 * s;
            Blend(out, c[0], c[1], c[2], alpha[s]);
        }
    } else if (header.ColorType == png::kGreyAlpha) {
        for (std::size_t x = 0; x < count; ++x, out += 4) {
            const std::uint32_t s = cols[x];
            Blend(out, row[s], row[s], row[s], alpha[s]);
        }
    } else {
        const unsigned bits = header.BitmapInfo().header.bitCount;
        for (std::size_t x = 0; x < count; ++x, out += 4) {
            const unsigned i = PackedIndex(row, cols[x], bits);
            if (i >= palette.valid) throw EPngError(png::kTextNoSuchPaletteEntry);
            const TRgbQuad& c = palette.color[i];
            Blend(out, c.blue, c.green, c.red, palette.alpha[i]);
        }
    }
}

// Where the pixels come from: source rows and columns for each destination row and column.
struct TAlphaGeometry {
    std::vector<std::uint32_t> rows;
    std::vector<std::uint32_t> columns;
};

TAlphaGeometry GeometryFor(const TChunkIHDR& header, int W, int H) {
    const bool scaled = W != static_cast<int>(header.Width) || H != static_cast<int>(header.Height);
    const double fx = scaled ? static_cast<double>(W) / header.Width : 1.0;
    const double fy = scaled ? static_cast<double>(H) / header.Height : 1.0;
    return TAlphaGeometry{SourceColumns(H, header.Height, scaled, fy), SourceColumns(W, header.Width, scaled, fx)};
}

// A palette index without colour fails the drawing before any pixel changes.
void CheckPaletteIndexes(const TChunkIHDR& header, const TAlphaGeometry& geometry, const TPaletteAlpha& palette) {
    const unsigned bits = header.BitmapInfo().header.bitCount;
    for (std::uint32_t sourceRow : geometry.rows) {
        const std::uint8_t* row = header.RowAddress(sourceRow);
        for (std::uint32_t s : geometry.columns) {
            if (PackedIndex(row, s, bits) >= palette.valid) throw EPngError(png::kTextNoSuchPaletteEntry);
        }
    }
}

bool IsInside(const TDeviceBitmap& bitmap, const TRect& r) {
    return r.left >= 0 && r.top >= 0 && static_cast<std::uint32_t>(r.right) <= bitmap.Width() &&
           static_cast<std::uint32_t>(r.bottom) <= bitmap.Height();
}

void DrawAlpha(const TPNGObject& picture, const TChunkIHDR& header, TDeviceContext& dst, const TRect& rect) {
    const TRect r = rect.Normalized();
    const int W = r.Width();
    const int H = r.Height();
    if (W == 0 || H == 0) return;
    const TAlphaGeometry geometry = GeometryFor(header, W, H);
    const bool indexed = header.BitmapInfo().header.bitCount <= 8 && header.ColorType != png::kGreyAlpha;
    const TPaletteAlpha palette = indexed ? PaletteAlphaOf(picture, header) : TPaletteAlpha{};

    // A 32-bit canvas that holds the whole rectangle is blended in place: the same pixels as
    // copying the rectangle out to a work section and back, without the two copies.
    TDeviceBitmap& target = dst.Bitmap();
    if (target.BitCount() == 32 && !target.IsIndexed() && IsInside(target, r)) {
        if (indexed) CheckPaletteIndexes(header, geometry, palette);
        for (int y = 0; y < H; ++y) {
            std::uint8_t* out = target.Pixels().RowAddress(static_cast<std::uint32_t>(r.top + y)) + 4 * std::size_t(r.left);
            BlendRow(header, geometry.rows[static_cast<std::size_t>(y)], geometry.columns, palette, out);
        }
        return;
    }

    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, W, -H, 1, 32, 0, 0, 0, 0, 0, 0};
    auto work = CreateCompatibleDC(&dst);
    auto section = work ? CreateDIBSection(work.get(), info, DIB_RGB_COLORS) : nullptr;
    if (!work || !section) throw EPNGOutMemory();
    work->SelectObject(section);
    BitBlt(*work, 0, 0, W, H, dst, r.left, r.top, SRCCOPY);
    for (int y = 0; y < H; ++y) {
        BlendRow(header, geometry.rows[static_cast<std::size_t>(y)], geometry.columns, palette,
                 section->Pixels().RowAddress(static_cast<std::uint32_t>(y)));
    }
    BitBlt(dst, r.left, r.top, W, H, *work, 0, 0, SRCCOPY);
}

}  // namespace

bool TPNGObject::IsTransparent() const { return TransparencyKind() != tkNone; }

void TPNGObject::PaintTo(TCanvas& canvas, const TRect& rect) const {
    if (IsEmpty()) return;
    const TChunkIHDR& header = Header();
    if (header.PixelRows() == nullptr) return;
    TDeviceContext& dst = canvas.Handle();
    switch (TransparencyKind()) {
        case tkNone: DrawOpaque(header, dst, rect); break;
        case tkColorKey: DrawColorKey(header, dst, rect, TransparentKeyColor()); break;
        case tkAlpha: DrawAlpha(*this, header, dst, rect); break;
    }
}
