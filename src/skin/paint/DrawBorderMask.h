#pragma once

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// Fill-mode bits of a border mask.
inline constexpr std::uint16_t kFillStretch = 1;
inline constexpr std::uint16_t kFillSkipNormalState = 2;
inline constexpr std::uint16_t kFillDrawMiddle = 4;

// Draws the state cell of a border mask sliced in nine parts over the rectangle: corners at
// their size, edges and middle tiled (or stretched, bit 0); the middle only with bit 2. With
// filling on and a corner shape, the corners show the parent's background where the mask is
// magenta.
void DrawBorderMask(const TsSkinContent& skin, TBitmap& target, const TRect& rect, bool filling,
                    bool updateCorners, int state, const TsMaskData& mask, const CacheInfo& parent);

// Copies the piece sourceRect of the picture at (x, y) stretched to width x height through its
// mask row, which lies maskOffset rows below the piece. With a parent, magenta pixels of the
// piece show the parent's pixel.
void DrawMaskedPiece(TBitmap& target, int x, int y, int width, int height, TBitmap& picture,
                     const TRect& sourceRect, int maskOffset, const CacheInfo* parent);

// The margins a rectangle of that width (or height) leaves of the two margins: both shrink by
// half the shortfall, the second by one more when the size is odd; neither goes below 0.
void FitMargins(int size, int& first, int& second);
