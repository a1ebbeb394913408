#pragma once

#include <cstdint>

#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TDeviceContext.h"

// Creating bitmaps, describing them and converting between their formats, with the
// platform's names. Each creator answers nothing for an empty or negative size, an
// unsupported format, or a size beyond raster::kMaxBitmapBytes, where the platform answers a
// null handle.

inline constexpr std::uint32_t CBM_INIT = 4;
inline constexpr unsigned DIB_RGB_COLORS = 0;

// A device bitmap of 1 bit per pixel (monochrome) or 32 (the screen format); bits, when
// given, are rows of the platform's bitmap layout (top-down, stride RowStrideFor).
TBitmapHandle CreateBitmap(int width, int height, unsigned planes, unsigned bitCount,
                           const void* bits);
// A bitmap in the screen's format (32 bits per pixel), zero-filled (black).
TBitmapHandle CreateCompatibleBitmap(const TDeviceContext* dc, int width, int height);
// A screen-format bitmap of the header's size; with CBM_INIT its pixels come from bits as
// described by info (any format StretchDIBits takes).
TBitmapHandle CreateDIBitmap(const TDeviceContext* dc, const TBitmapInfoHeader& header,
                             std::uint32_t init, const void* bits, const TBitmapInfo* info,
                             unsigned usage);
// A device-independent bitmap of the header's depth and row order (1, 4, 8, 16, 24 or 32 bits,
// uncompressed), zero-filled, with the colour table of info (clrUsed entries, all when 0).
// Its pixel memory is TDeviceBitmap::Bits().
TBitmapHandle CreateDIBSection(const TDeviceContext* dc, const TBitmapInfo& info, unsigned usage);

// The platform's bitmap description (GetObjectA with a BITMAP): height is always positive.
struct TBitmapDescription {
    std::int32_t type = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t widthBytes = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPixel = 0;
    void* bits = nullptr;
};
TBitmapDescription GetObject(TDeviceBitmap& bitmap);

// Copies scanLines rows of the bitmap, from row startScan on (counted from the bottom for a
// bottom-up info, from the top for a top-down one), into bits in the format of info, which
// must have the bitmap's width. For 1, 4 and 8 bits the colour table of info is filled:
// with the bitmap's own table (and its indexes copied as they are) when it has the same
// depth, otherwise with black and white (1 bit) or the halftone palette, colours mapped to
// the nearest entry. With bits null only the header (bitCount 0: size and depth of the
// bitmap) or the colour table is filled. Answers the number of rows copied, 0 on failure.
int GetDIBits(const TDeviceContext& dc, TDeviceBitmap& bitmap, unsigned startScan,
              unsigned scanLines, void* bits, TBitmapInfo& info, unsigned usage);
