#include "platform/raster/TDeviceContext.h"

namespace {

TBitmapHandle MakeStockBitmap() {
    TBitmapInfoHeader header;
    header.size = TBitmapInfoHeader::kSize;
    header.width = 1;
    header.height = -1;
    header.planes = 1;
    header.bitCount = 1;
    return std::make_shared<TDeviceBitmap>(TBitmapKind::Monochrome, header,
                                           std::vector<TRgbQuad>{});
}

}  // namespace

TDeviceContext::TDeviceContext() : bitmap_(MakeStockBitmap()) {}

TBitmapHandle TDeviceContext::SelectObject(TBitmapHandle bitmap) {
    if (!bitmap) return nullptr;
    std::swap(bitmap_, bitmap);
    return bitmap;
}

std::shared_ptr<TPalette> TDeviceContext::SelectPalette(std::shared_ptr<TPalette> palette) {
    std::swap(palette_, palette);
    return palette;
}

TColor TDeviceContext::SetBkColor(TColor color) {
    const TColor previous = bkColor_;
    bkColor_ = color & 0xFFFFFF;
    return previous;
}

TColor TDeviceContext::SetTextColor(TColor color) {
    const TColor previous = textColor_;
    textColor_ = color & 0xFFFFFF;
    return previous;
}

int TDeviceContext::SetStretchBltMode(int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    const int previous = stretchMode_;
    stretchMode_ = mode;
    return previous;
}

std::unique_ptr<TDeviceContext> CreateCompatibleDC(const TDeviceContext*) {
    return std::make_unique<TDeviceContext>();
}
