#pragma once

#include <cstdint>
#include <memory>

#include "platform/raster/TBitmap.h"

// The four pictures of the system menu's window commands. The window system drew them with a
// symbol font; we draw them ourselves, so they look the same on every machine.
enum class TsSystemGlyph : std::uint8_t { Minimize, Maximize, Close, Restore };

// A size x size picture (premultiplied 32-bit, transparent around the drawing) of the glyph in
// one colour. Sizes are kept between 8 and 64; the drawing is scaled from a 16-pixel design.
std::shared_ptr<TBitmap> SystemMenuGlyph(TsSystemGlyph glyph, int size, TColor colour);
