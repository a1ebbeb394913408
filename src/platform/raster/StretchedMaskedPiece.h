#pragma once

#include "platform/raster/PixelBlends.h"

// BlendMaskedPiece for a piece drawn at another size than its own: the piece and its mask are
// both stretched to width x height by taking, for every target pixel, the source pixel under
// its centre (the platform's colour-on-colour stretch, as StretchBlt does), and blended row by
// row without a stretched copy in between. The mask area at (maskX, maskY) has the piece's
// size. Only the part of the target inside the target bitmap is drawn.
//
// Answers false, drawing nothing, when a bitmap is not a 32-bit colour bitmap or when the
// piece or its mask does not lie wholly inside the source; true otherwise (also when there is
// nothing to draw).
bool BlendStretchedMaskedPiece(TDeviceBitmap& target, int targetX, int targetY, int width,
                               int height, const TDeviceBitmap& source, const TRect& sourceRect,
                               int maskX, int maskY, const TMaskedPieceParent& parent = {});
