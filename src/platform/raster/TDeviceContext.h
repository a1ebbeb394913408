#pragma once

#include <memory>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TPalette.h"

// Stretch modes of SetStretchBltMode. Every mode maps destination pixels to source pixels the
// same way (nearest pixel); only COLORONCOLOR is what the codec asks for.
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

// A memory device context: a canvas over the bitmap selected into it, with the colours that
// colour/monochrome conversions use. A new context holds its own 1 x 1 monochrome bitmap,
// as a fresh platform memory context does; text colour black, background colour white.
// Destroying the context plays DeleteDC: the bitmap selected last is released by it, the
// ones handed back by SelectObject belong to the caller again.
class TDeviceContext {
public:
    TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    // Selects the bitmap and answers the one selected before; a null bitmap changes nothing
    // and answers nothing.
    TBitmapHandle SelectObject(TBitmapHandle bitmap);
    const TBitmapHandle& SelectedBitmap() const { return bitmap_; }
    TDeviceBitmap& Bitmap() const { return *bitmap_; }

    // Selects a logical palette and answers the previous one (nothing at first).
    std::shared_ptr<TPalette> SelectPalette(std::shared_ptr<TPalette> palette);
    const std::shared_ptr<TPalette>& SelectedPalette() const { return palette_; }
    // Memory contexts have no hardware palette to load: answers the number of entries.
    std::size_t RealizePalette() const { return palette_ ? palette_->EntryCount() : 0; }

    // Each setter answers the previous value.
    TColor SetBkColor(TColor color);
    TColor BkColor() const { return bkColor_; }
    TColor SetTextColor(TColor color);
    TColor TextColor() const { return textColor_; }
    int SetStretchBltMode(int mode);
    int StretchBltMode() const { return stretchMode_; }

private:
    TBitmapHandle bitmap_;
    std::shared_ptr<TPalette> palette_;
    TColor bkColor_ = MakeColor(255, 255, 255);
    TColor textColor_ = MakeColor(0, 0, 0);
    int stretchMode_ = BLACKONWHITE;
};

// A new memory context. The reference context only matters to the platform's pixel formats,
// which are the same for every context here; it may be null (the screen).
std::unique_ptr<TDeviceContext> CreateCompatibleDC(const TDeviceContext* dc);
