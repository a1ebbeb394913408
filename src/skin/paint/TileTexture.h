#pragma once

#include <optional>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"

// Draws a texture record over the area by its fill mode (0 and 10 tile everything, 1 stretches
// everything, 2 to 7 cover one row or column along an edge) and answers the part of the area
// it left uncovered, for the caller to fill with the plain colour. A texture with a mask row
// is drawn through its mask.
std::optional<TRect> TileTexture(const TsSkinContent& skin, TBitmap& target, const TRect& rect,
                                 const TsMaskData& texture);

// Tiles a whole picture over the area (JPEG patterns).
void TilePicture(TBitmap& target, const TRect& rect, TBitmap& picture);
