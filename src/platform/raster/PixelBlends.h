#pragma once

#include <cstdint>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TRect.h"

// The blends the skin painter builds control faces with, on 32-bit colour bitmaps (device
// bitmaps, or sections of 32 bits per pixel): exact integer arithmetic, one row at a time.
// Every operation clips its rectangles to the bitmaps involved and does nothing when a bitmap
// is of another kind. Rectangles are normalised first.

// Per channel round(k * a + (1 - k) * b) for k in [0, 1]; the fourth byte of a is kept.
TColor MixColors(TColor a, TColor b, double k);

// Every byte of the target area (all four bytes of each pixel) becomes
// (target * weight + source * (255 - weight) + 127) div 256: weight 0 gives (almost) the
// source, 255 keeps (almost) the target; a byte of 255 blended with itself at any weight
// becomes 254. The source area starts at sourceRect's top-left and the target area at
// (targetX, targetY); both have sourceRect's size.
void BlendRect(TDeviceBitmap& target, const TDeviceBitmap& source, std::uint8_t weight, int targetX,
               int targetY, const TRect& sourceRect);

// Every colour channel of the area becomes round(p/100 * pixel + (1 - p/100) * colour), that
// is (p * pixel + (100 - p) * colour + 50) div 100; the fourth byte stays. percent is limited
// to 0..100.
void BlendColorRect(TDeviceBitmap& target, const TRect& rect, int percent, TColor color);

// Where a masked piece shows its parent instead of its own pixels: a piece pixel of exactly
// 0x00FF00FF (magenta with a zero fourth byte) takes the parent picture's pixel at
// (x - originX, y - originY) of the target position (x, y), when that lies in the picture.
struct TMaskedPieceParent {
    const TDeviceBitmap* picture = nullptr;
    int originX = 0;
    int originY = 0;
};

// Draws the piece sourceRect of source onto the target at (targetX, targetY) through the mask
// at (maskX, maskY) of the same bitmap: for every colour channel the result is
// ((target - piece) * mask + piece * 256) div 256, so a white mask pixel keeps the target and
// a black one shows the piece. With a parent, magenta piece pixels take the parent's pixel
// instead, and every drawn pixel's fourth byte becomes 255; without one it stays.
void BlendMaskedPiece(TDeviceBitmap& target, int targetX, int targetY, const TDeviceBitmap& source,
                      const TRect& sourceRect, int maskX, int maskY,
                      const TMaskedPieceParent& parent = {});

// Turns every pixel of the area grey: (77 red + 151 green + 28 blue + 128) div 256 in all
// three channels (weights of ITU-R BT.601 in 256ths); the fourth byte stays.
void GrayRect(TDeviceBitmap& target, const TRect& rect);
