// Drawing a platform bitmap onto a canvas, opaque or with its transparent colour left out.
#include "platform/raster/BitmapOperations.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/TBitmap.h"

namespace {

struct TWorkBitmap {
    std::unique_ptr<TDeviceContext> dc = CreateCompatibleDC(nullptr);
    TBitmapHandle bitmap;

    explicit TWorkBitmap(TBitmapHandle created) : bitmap(std::move(created)) {
        if (!bitmap) throw EOutOfResources("Out of system resources");
        dc->SelectObject(bitmap);
    }
};

// The mask technique: the destination survives where the stretched source has the key
// colour, the source everywhere else.
void DrawTransparent(TDeviceContext& dst, const TRect& rect, TDeviceContext& src, int width,
                     int height, TColor key) {
    const int w = rect.Width();
    const int h = rect.Height();
    TWorkBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
    const TColor oldBk = src.SetBkColor(key);
    StretchBlt(*mask.dc, 0, 0, w, h, src, 0, 0, width, height, SRCCOPY);
    src.SetBkColor(oldBk);

    TWorkBitmap result(CreateCompatibleBitmap(&dst, w, h));
    BitBlt(*result.dc, 0, 0, w, h, dst, rect.left, rect.top, SRCCOPY);
    BitBlt(*result.dc, 0, 0, w, h, *mask.dc, 0, 0, SRCAND);

    TWorkBitmap picture(CreateCompatibleBitmap(&dst, w, h));
    StretchBlt(*picture.dc, 0, 0, w, h, src, 0, 0, width, height, SRCCOPY);
    TWorkBitmap inverse(CreateBitmap(w, h, 1, 1, nullptr));
    BitBlt(*inverse.dc, 0, 0, w, h, *mask.dc, 0, 0, NOTSRCCOPY);
    BitBlt(*picture.dc, 0, 0, w, h, *inverse.dc, 0, 0, SRCAND);

    BitBlt(*result.dc, 0, 0, w, h, *picture.dc, 0, 0, SRCPAINT);
    BitBlt(dst, rect.left, rect.top, w, h, *result.dc, 0, 0, SRCCOPY);
}

}  // namespace

void TBitmap::PaintTo(TCanvas& canvas, const TRect& rect) const {
    if (IsEmpty()) return;
    TDeviceContext& dst = canvas.Handle();
    const int oldMode = dst.SetStretchBltMode(COLORONCOLOR);
    if (Transparent()) {
        const TRect r = rect.Normalized();
        if (r.Width() > 0 && r.Height() > 0)
            DrawTransparent(dst, r, *dc_, PixelWidth(), PixelHeight(), TransparentColor());
    } else {
        StretchBlt(dst, rect.left, rect.top, rect.Width(), rect.Height(), *dc_, 0, 0, PixelWidth(),
                   PixelHeight(), SRCCOPY);
    }
    dst.SetStretchBltMode(oldMode);
}
