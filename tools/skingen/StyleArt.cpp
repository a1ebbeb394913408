// The pictures of the parts the application-wide style skins: the scroll bars' arrow glyphs
// (four chevrons, one per direction, each in three states, drawn into the master bitmap with a
// mask row beneath them so that their soft edges blend with whatever the arrow button shows)
// and the tooltips' one-pixel frame.
#include <algorithm>

#include "InternalSkinArt.h"
#include "SkinPalette.h"

namespace skingen {

namespace {

struct TChevron {
    double x0, y0, x1, y1, x2, y2;
};

// Centred in an 11 x 11 cell, pointing up, down, left and right (the order of the strips).
constexpr TChevron kChevrons[4] = {{2.5, 7, 5.5, 4, 8.5, 7},
                                   {2.5, 4, 5.5, 7, 8.5, 4},
                                   {7, 2.5, 4, 5.5, 7, 8.5},
                                   {4, 2.5, 7, 5.5, 4, 8.5}};

void PlaceArrowCell(TArtCanvas& master, int ox, int oy, const TChevron& c, TArtColor ink) {
    for (int y = 0; y < kScrollArrowCell; ++y) {
        for (int x = 0; x < kScrollArrowCell; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double shown = std::max(LineCoverage(px, py, c.x0, c.y0, c.x1, c.y1, 1.6),
                                          LineCoverage(px, py, c.x1, c.y1, c.x2, c.y2, 1.6));
            master.At(ox + x, oy + y) = ink;
            const double m = 1 - shown;
            master.At(ox + x, oy + y + kScrollArrowCell) = TArtColor{m, m, m, 1};
        }
    }
}

}  // namespace

void DrawScrollArrows(TArtCanvas& master) {
    // Normal, hot and pressed: the arrow brightens as the button comes alive.
    const TArtColor inks[3] = {Rgb(150, 150, 150), kText, Rgb(255, 255, 255)};
    for (int direction = 0; direction < 4; ++direction)
        for (int state = 0; state < 3; ++state)
            PlaceArrowCell(master, kScrollArrowLeft + (direction * 3 + state) * kScrollArrowCell,
                           kScrollArrowTop, kChevrons[direction], inks[state]);
}

void DrawHintFrame(TArtCanvas& master) {
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            master.At(kHintFrameLeft + x, kHintFrameTop + y) = Rgb(88, 88, 88);
    // The middle is never drawn: the tip's own colour fills it.
    master.At(kHintFrameLeft + 1, kHintFrameTop + 1) = Rgb(24, 24, 24);
}

}  // namespace skingen
