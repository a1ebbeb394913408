#include "skin/paint/SystemMenuGlyphs.h"

#include <algorithm>
#include <vector>

#include "platform/raster/PixelView.h"
#include "skin/paint/FacePictures.h"

namespace {

constexpr int kDesign = 16;

// Whether the pixel (x, y) of the 16-pixel design is drawn. Lines are two pixels wide, as the
// caption buttons' glyphs are, so they stay readable on a highlighted item.
bool Box(int x, int y, int left, int top, int right, int bottom) {
    if (x < left || x > right || y < top || y > bottom) return false;
    return x <= left || x >= right || y <= top + 1 || y >= bottom;
}

bool Inked(TsSystemGlyph glyph, int x, int y) {
    switch (glyph) {
        case TsSystemGlyph::Minimize:
            return x >= 4 && x <= 11 && y >= 11 && y <= 12;
        case TsSystemGlyph::Maximize:
            return Box(x, y, 3, 3, 12, 12);
        case TsSystemGlyph::Close: {
            if (x < 4 || x > 11 || y < 4 || y > 11) return false;
            const int down = x - y, up = x + y;
            return down == 0 || down == 1 || up == 15 || up == 16;
        }
        case TsSystemGlyph::Restore:
            // The window behind shows only above and right of the front one.
            return Box(x, y, 3, 6, 10, 12) ||
                   (Box(x, y, 6, 3, 12, 9) && !(x >= 3 && x <= 10 && y >= 6 && y <= 12));
    }
    return false;
}

}  // namespace

std::shared_ptr<TBitmap> SystemMenuGlyph(TsSystemGlyph glyph, int size, TColor colour) {
    size = std::clamp(size, 8, 64);
    auto picture = skinpaint::NewFacePicture(size, size);
    if (picture->IsEmpty()) return picture;
    const raster::TPixelView view = raster::ViewOf(*picture->Handle());
    const std::uint32_t ink = 0xFF000000u | raster::ColorWord(colour);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            row[static_cast<std::size_t>(x)] =
                Inked(glyph, x * kDesign / size, y * kDesign / size) ? ink : 0;
        raster::WriteRow(view, static_cast<std::uint32_t>(y), 0, static_cast<std::uint32_t>(size),
                         row.data());
    }
    return picture;
}
