#pragma once

#include <QImage>
#include <memory>

class TBitmap;
class TDeviceBitmap;

// The bridge from the raster layer's bitmaps to Qt's images: the screen and the clipboard
// take Qt images, the picture framework draws into raster bitmaps.
//
// A copy of the bitmap as an opaque 32-bit image of the same size, whatever its depth:
// colour-table indexes are looked up, monochrome bits become black (0) and white (1). An
// empty bitmap gives a null image.
QImage ImageOfBitmap(TDeviceBitmap& bitmap);

// A platform bitmap (the screen's 32-bit format) holding the image's colours; alpha is
// dropped. A null image gives an empty bitmap.
std::unique_ptr<TBitmap> BitmapOfImage(const QImage& image);
