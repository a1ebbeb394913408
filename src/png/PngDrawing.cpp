// Drawing a PNG picture onto a canvas: opaque, by colour key, or blended by alpha.
#include <array>
#include <cstring>
#include <vector>

#include "platform/raster/BitmapOperations.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/StraightAlphaBlend.h"
#include "platform/raster/TransparentBlit.h"
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
    // Unscaled, the sequence below leaves the background where the picture has the key colour
    // and the picture everywhere else, fourth bytes cleared: one pass of the raster layer's
    // colour-key blit gives the same pixels. Stretched, the mask goes through two nearest
    // mappings, so the sequence itself is kept.
    const TDeviceBitmap& canvas = dst.Bitmap();
    if (W == w && H == h && canvas.BitCount() == 32 && !canvas.IsIndexed() &&
        TransparentDIBits(dst, r.left, r.top, W, H, 0, 0, w, h, header.PixelRows(), header.BitmapInfo(), key)) {
        return;
    }

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

// The picture's pixels as the raster layer's blend reads them.
TStraightAlphaPicture PictureOf(const TChunkIHDR& header, const TPaletteAlpha& palette) {
    TStraightAlphaPicture source;
    source.pixels = header.BitmapHandle();
    if (header.BitmapInfo().header.bitCount == 24) {
        source.kind = TStraightAlphaPicture::TKind::Rgb;
        source.alpha = header.AlphaPlane().data();
    } else if (header.ColorType == png::kGreyAlpha) {
        source.kind = TStraightAlphaPicture::TKind::Grey;
        source.alpha = header.AlphaPlane().data();
    } else {
        source.kind = TStraightAlphaPicture::TKind::Indexed;
        source.indexBits = header.BitmapInfo().header.bitCount;
        source.indexColors = palette.color.data();
        source.indexAlpha = palette.alpha.data();
        source.indexCount = palette.valid;
    }
    return source;
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

    const TStraightAlphaPicture source = PictureOf(header, palette);
    // A 32-bit canvas that holds the whole rectangle is blended in place: the same pixels as
    // copying the rectangle out to a work section and back, without the two copies.
    TDeviceBitmap& target = dst.Bitmap();
    if (target.BitCount() == 32 && !target.IsIndexed() && IsInside(target, r)) {
        if (!BlendStraightAlpha(dst, r.left, r.top, source, geometry.columns, geometry.rows)) {
            throw EPngError(png::kTextNoSuchPaletteEntry);
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
    if (!BlendStraightAlpha(*work, 0, 0, source, geometry.columns, geometry.rows)) {
        throw EPngError(png::kTextNoSuchPaletteEntry);
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
