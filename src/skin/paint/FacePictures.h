#pragma once

#include <cstdint>
#include <memory>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// Small drawing steps shared by the face painters. Every one clips to the bitmaps involved.
namespace skinpaint {

// A 32-bit picture of that size; empty for a size of 0 or less.
std::shared_ptr<TBitmap> NewFacePicture(int width, int height);
// The picture a record's rectangle lies in: its own, else the skin's master bitmap; nullptr
// when there is none or it is empty.
TBitmap* MaskPicture(const TsSkinContent& skin, const TsMaskData& mask);
// The record at that index, nullptr for an index out of range.
const TsMaskData* MaskAt(const TsSkinContent& skin, int index);
const TsGeneralData* SectionAt(const TsSkinContent& skin, int index);
// The area of the target filled with one colour.
void FillArea(TBitmap& target, const TRect& rect, TColor color);
// The area of the target showing the parent's background: its picture, else its colour.
void FillFromParent(TBitmap& target, const TRect& rect, const CacheInfo& parent);
// Copies the source rectangle to (x, y), stretched to width x height when the sizes differ.
void CopyPiece(TBitmap& target, int x, int y, int width, int height, TBitmap& source,
               const TRect& sourceRect);
// Picture size fits the rectangle: left and top not negative, right and bottom inside.
bool FitsIn(const TBitmap& target, const TRect& rect);

}  // namespace skinpaint
