#pragma once

#include "skin/data/TacSkinConvertor.h"

// Small pictures under the internal skin's names (its master bitmap at full size, so that its
// rectangles resolve), for fuzz targets that load skin files: small enough that every input
// runs in milliseconds.
const TacSkinConvertor& FuzzSkinPictures();
