// The menus' pictures in the master bitmap: the pop-up's border and the separator line.
#include "InternalSkinArt.h"
#include "SkinPalette.h"

namespace skingen {

namespace {

// MAINMENU's border mask: a 12-pixel cell with rounded corners above its mask row. The pop-up
// keeps only a one-pixel line (its uniform margin), and its window is cut where the corners
// hold the key colour.
void DrawPopupBorder(TArtCanvas& master) {
    PlaceMaskedCell(master, 290, 104, 12, 4, Rgb(74, 74, 74));
}

// DIVIDERV's border mask: three columns, four rows above their mask rows; the two middle rows
// are an etched line stretched across the item, the rows around it stay open.
void DrawMenuSeparator(TArtCanvas& master) {
    constexpr int kLeft = 300, kRows = 4;
    const TArtColor rows[kRows] = {kKey, Rgb(24, 24, 24), Rgb(62, 62, 62), kKey};
    for (int y = 0; y < kRows; ++y) {
        const bool line = y == 1 || y == 2;
        for (int x = kLeft; x < kLeft + 3; ++x) {
            master.At(x, y) = rows[y];
            master.At(x, kRows + y) = line ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
        }
    }
}

}  // namespace

void DrawMenuArt(TArtCanvas& master) {
    DrawPopupBorder(master);
    DrawMenuSeparator(master);
}

}  // namespace skingen
