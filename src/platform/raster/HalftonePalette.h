#pragma once

#include "platform/raster/TPalette.h"

// The 256-colour palette used where a picture has indexes but no colours of its own. Its
// order is chosen so that cutting it to 2 or 16 entries still gives usable colours: black and
// white first, then the 16 classic display colours, a 6x6x6 colour cube and a grey ramp.
TPalette CreateHalftonePalette();
