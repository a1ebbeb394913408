#include "platform/BitmapImage.h"

#include <cstring>
#include <vector>

#include "platform/raster/ExportRows.h"
#include "platform/raster/PixelView.h"
#include "platform/raster/TBitmap.h"
#include "platform/raster/TDeviceBitmap.h"

QImage ImageOfBitmap(TDeviceBitmap& bitmap) {
    const raster::TPixelView view = raster::ViewOf(bitmap);
    if (view.width == 0 || view.height == 0) return {};
    QImage image(static_cast<int>(view.width), static_cast<int>(view.height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    raster::ExportRows(view, image.bits(), static_cast<std::size_t>(image.bytesPerLine()),
                       raster::TFourthByte::Opaque);
    return image;
}

std::unique_ptr<TBitmap> BitmapOfImage(const QImage& image) {
    auto bitmap = std::make_unique<TBitmap>();
    if (image.isNull()) return bitmap;
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    bitmap->SetSize(source.width(), source.height());
    const raster::TPixelView view = raster::ViewOf(*bitmap->Handle());
    std::vector<std::uint32_t> values(view.width);
    for (std::uint32_t r = 0; r < view.height; ++r) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(r)));
        for (std::uint32_t x = 0; x < view.width; ++x) values[x] = line[x] & raster::kColorMask;
        raster::WriteRow(view, r, 0, view.width, values.data());
    }
    return bitmap;
}
