#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDibSection.h"

// The three kinds of bitmap a device context can hold:
// - Monochrome: a 1-bit device bitmap. Its pixels are plain bits, not colours; blits give them
//   colours through the device contexts' text and background colours.
// - Device: a bitmap in the screen's format, which here is always 32 bits per pixel (blue,
//   green, red and an unused byte), rows top-down.
// - Section: a device-independent bitmap of any supported depth (1, 4, 8, 16, 24 or 32 bits)
//   with its own colour table, rows in the order its header gives, memory the caller may
//   address directly.
enum class TBitmapKind { Monochrome, Device, Section };

// A bitmap object. Create them with the functions of BitmapOperations.h, which answer nothing
// where the platform answers a null handle; the last owner releasing it plays DeleteObject.
class TDeviceBitmap {
public:
    // The header must describe a size TDibSection accepts; colorTable is used for sections of
    // up to 8 bits per pixel and replaced by black and white for monochrome bitmaps.
    TDeviceBitmap(TBitmapKind kind, const TBitmapInfoHeader& header,
                  std::vector<TRgbQuad> colorTable);

    TBitmapKind Kind() const { return kind_; }
    std::uint32_t Width() const { return pixels_.Width(); }
    std::uint32_t Height() const { return pixels_.Height(); }
    std::uint16_t BitCount() const { return pixels_.BitCount(); }
    bool IsTopDown() const { return pixels_.IsTopDown(); }
    std::uint32_t RowStride() const { return pixels_.RowStride(); }
    bool IsMonochrome() const { return kind_ == TBitmapKind::Monochrome; }
    // True when the pixels are colour-table indexes (sections of up to 8 bits per pixel).
    bool IsIndexed() const { return kind_ == TBitmapKind::Section && BitCount() <= 8; }

    TDibSection& Pixels() { return pixels_; }
    const TDibSection& Pixels() const { return pixels_; }
    std::uint8_t* Bits() { return pixels_.Bits(); }
    const std::uint8_t* Bits() const { return pixels_.Bits(); }

    const std::vector<TRgbQuad>& ColorTable() const { return colorTable_; }
    // Replaces entries from the start (SetDIBColorTable); ignored for other kinds than
    // indexed sections. Answers the number of entries set.
    std::size_t SetColorTable(const std::vector<TRgbQuad>& entries);

    // The header that describes this bitmap as a device-independent bitmap.
    TBitmapInfoHeader Header() const;

private:
    TBitmapKind kind_;
    TDibSection pixels_;
    std::vector<TRgbQuad> colorTable_;
};

using TBitmapHandle = std::shared_ptr<TDeviceBitmap>;
