#pragma once

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TDeviceContext.h"
#include "platform/raster/TRect.h"

// A drawing surface: the picture framework's canvas over a device context it does not own.
// Graphics draw through its context (Handle) with the raster operations.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(TDeviceContext* dc) : dc_(dc) {}

    // The bound context; raises Exception "Canvas does not allow drawing" when none
    // is bound.
    TDeviceContext& Handle() const;
    bool HasHandle() const { return dc_ != nullptr; }
    void SetHandle(TDeviceContext* dc) { dc_ = dc; }

    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color & 0xFFFFFF; }

    // Fills the rectangle (clipped to the bitmap) with the brush colour.
    void FillRect(const TRect& rect);
    // The colour of one pixel of the selected bitmap; -1 (as 0xFFFFFFFF) outside it.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

private:
    TDeviceContext* dc_ = nullptr;
    TColor brushColor_ = MakeColor(255, 255, 255);
};
