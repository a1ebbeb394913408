#include "platform/raster/TCanvas.h"

#include <algorithm>
#include <vector>

#include "core/Exception.h"
#include "platform/raster/BitmapOperations.h"
#include "platform/raster/PixelView.h"
#include "platform/raster/RasterBlit.h"
#include "platform/raster/RowFill.h"

using namespace raster;

namespace {

inline constexpr TColor kNoPixel = 0xFFFFFFFF;

bool Inside(const TDeviceBitmap& bitmap, int x, int y) {
    return x >= 0 && y >= 0 && static_cast<std::uint32_t>(x) < bitmap.Width() &&
           static_cast<std::uint32_t>(y) < bitmap.Height();
}

}  // namespace

TDeviceContext& TCanvas::Handle() const {
    if (dc_ == nullptr) throw Exception("Canvas does not allow drawing");
    return *dc_;
}

void TCanvas::FillRect(const TRect& rect) {
    const TRect r = rect.Normalized();
    if (r.Width() == 0 || r.Height() == 0) return;
    // 32-bit colour bitmaps take the brush colour (fourth byte 0) straight into their rows.
    if (FillWords(Handle().Bitmap(), r, ColorWord(brushColor_))) return;
    // One pixel of the brush colour, stretched over the rectangle.
    auto brush = CreateCompatibleBitmap(nullptr, 1, 1);
    TDeviceContext source;
    source.SelectObject(brush);
    const std::uint32_t word = ColorWord(brushColor_);
    WriteRow(ViewOf(*brush), 0, 0, 1, &word);
    StretchBlt(Handle(), r.left, r.top, r.Width(), r.Height(), source, 0, 0, 1, 1, SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) const {
    TDeviceBitmap& bitmap = Handle().Bitmap();
    if (!Inside(bitmap, x, y)) return kNoPixel;
    const TPixelView view = ViewOf(bitmap);
    std::uint32_t value = 0;
    ReadRow(view, static_cast<std::uint32_t>(y), static_cast<std::uint32_t>(x), 1, &value);
    switch (view.domain) {
        case TPixelDomain::Mono:
            return value != 0 ? MakeColor(255, 255, 255) : MakeColor(0, 0, 0);
        case TPixelDomain::Index:
            return WordColor(view.IndexColor(value));
        default:
            return WordColor(value);
    }
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    TDeviceBitmap& bitmap = Handle().Bitmap();
    if (!Inside(bitmap, x, y)) return;
    auto one = CreateCompatibleBitmap(nullptr, 1, 1);
    TDeviceContext source;
    source.SelectObject(one);
    const std::uint32_t word = ColorWord(color);
    WriteRow(ViewOf(*one), 0, 0, 1, &word);
    // A monochrome bitmap takes white for the colour equal to the source's background.
    source.SetBkColor(MakeColor(255, 255, 255));
    BitBlt(Handle(), x, y, 1, 1, source, 0, 0, SRCCOPY);
}
