// The master bitmap: every control picture that lives in one shared strip.
#include <algorithm>
#include <cmath>

#include "InternalSkinArt.h"
#include "SkinPalette.h"

namespace skingen {

namespace {

// Copies a transparent drawing into the opaque master at (ox, oy): drawn pixels are laid over
// the colour they will sit on, untouched ones become the magenta key.
void PlaceKeyed(TArtCanvas& master, const TArtCanvas& art, int ox, int oy, TArtColor under) {
    for (int y = 0; y < art.Height(); ++y) {
        for (int x = 0; x < art.Width(); ++x) {
            const TArtColor& p = art.At(x, y);
            if (p.Alpha <= 0.02) {
                master.At(ox + x, oy + y) = kKey;
                continue;
            }
            const auto mix = [&](double s, double t) { return s * p.Alpha + t * (1 - p.Alpha); };
            master.At(ox + x, oy + y) = TArtColor{mix(p.Red, under.Red), mix(p.Green, under.Green),
                                                  mix(p.Blue, under.Blue), 1};
        }
    }
}

}  // namespace

// One cell of a border mask with a mask row: the picture row holds the colours, the mask row
// below says how much of them shows (black all, white none, so the face shows through).
void PlaceMaskedCell(TArtCanvas& target, int ox, int oy, int size, double radius,
                     TArtColor border) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double s = size;
            const double inside = RoundRectCoverage(px, py, 0, 0, s, s, radius);
            const double stroke = RoundRectStroke(px, py, 0, 0, s, s, radius, 1);
            const double shine =
                y < s / 2 ? RoundRectStroke(px, py, 1, 1, s - 1, s - 1, radius - 1, 1) : 0;
            TArtColor colour = shine > stroke ? kShine : border;
            double shown = std::max(stroke, shine * 0.07);
            if (inside <= 0) colour = kKey, shown = 0;
            target.At(ox + x, oy + y) = colour;
            const double m = 1 - shown;
            target.At(ox + x, oy + y + size) = TArtColor{m, m, m, 1};
        }
    }
}

namespace {

void DrawButtonStrip(TArtCanvas& master) {
    const TArtColor borders[3] = {Rgb(88, 88, 88), kAccent, kAccentDark};
    for (int state = 0; state < 3; ++state)
        PlaceMaskedCell(master, state * 24, 0, 24, 4, borders[state]);
    const TArtColor edits[2] = {Rgb(74, 74, 74), kAccent};
    for (int state = 0; state < 2; ++state)
        PlaceMaskedCell(master, 72 + state * 16, 0, 16, 3, edits[state]);
}

// A frame without a mask row: its edges are copied opaquely, so the inside carries the colour
// of what it frames.
void DrawFrame(TArtCanvas& master, int ox, TArtColor inside, TArtColor border) {
    TArtCanvas art(16, 16, kClear);
    art.Paint(
        0, 0, 16, 16, [](double x, double y) { return RoundRectCoverage(x, y, 0, 0, 16, 16, 4); },
        inside);
    art.Paint(
        0, 0, 16, 16, [](double x, double y) { return RoundRectStroke(x, y, 0, 0, 16, 16, 4, 1); },
        border);
    PlaceKeyed(master, art, ox, 0, kPanel);
}

TArtCanvas CheckBox(int state, int kind) {
    TArtCanvas art(16, 16, kClear);
    const TArtColor edge = state == 0 ? Rgb(112, 112, 112) : kAccent;
    const TArtColor fill =
        kind == 1 ? (state == 2 ? kAccentDark : kAccent) : (kind == 2 ? Rgb(80, 80, 80) : kEdit);
    art.Paint(
        0, 0, 16, 16, [](double x, double y) { return RoundRectCoverage(x, y, 1, 1, 15, 15, 3); },
        kind == 1 ? fill : edge);
    if (kind != 1)
        art.Paint(
            0, 0, 16, 16,
            [](double x, double y) { return RoundRectCoverage(x, y, 2, 2, 14, 14, 2); }, fill);
    if (kind == 1) {
        art.Paint(
            0, 0, 16, 16,
            [](double x, double y) {
                return std::max(LineCoverage(x, y, 4.5, 8.2, 7, 10.8, 1.7),
                                LineCoverage(x, y, 7, 10.8, 11.6, 5.4, 1.7));
            },
            Rgb(255, 255, 255));
    } else if (kind == 2) {
        art.Paint(
            0, 0, 16, 16, [](double x, double y) { return LineCoverage(x, y, 5, 8, 11, 8, 2); },
            Rgb(190, 190, 190));
    }
    return art;
}

TArtCanvas RadioButton(int state, int kind) {
    TArtCanvas art(16, 16, kClear);
    const TArtColor edge = state == 0 ? Rgb(112, 112, 112) : kAccent;
    const auto disc = [](double r) {
        return [r](double x, double y) {
            return std::clamp(r + 0.5 - std::hypot(x - 8, y - 8), 0.0, 1.0);
        };
    };
    art.Paint(0, 0, 16, 16, disc(7), kind == 1 ? (state == 2 ? kAccentDark : kAccent) : edge);
    if (kind != 1) art.Paint(0, 0, 16, 16, disc(6), kind == 2 ? Rgb(80, 80, 80) : kEdit);
    if (kind == 1) art.Paint(0, 0, 16, 16, disc(2.6), Rgb(255, 255, 255));
    if (kind == 2) art.Paint(0, 0, 16, 16, disc(2.2), Rgb(170, 170, 170));
    return art;
}

void DrawGlyphs(TArtCanvas& master) {
    // Unchecked, checked, grayed; each in the normal, hot and pressed state.
    for (int kind = 0; kind < 3; ++kind) {
        for (int state = 0; state < 3; ++state) {
            PlaceKeyed(master, CheckBox(state, kind == 0 ? 0 : kind), 136 + kind * 48 + state * 16,
                       0, kPanel);
            PlaceKeyed(master, RadioButton(state, kind == 0 ? 0 : kind),
                       136 + kind * 48 + state * 16, 16, kPanel);
        }
    }
    TArtCanvas check(12, 12, kClear);
    check.Paint(
        0, 0, 12, 12,
        [](double x, double y) {
            return std::max(LineCoverage(x, y, 2.5, 6.2, 5, 8.8, 1.7),
                            LineCoverage(x, y, 5, 8.8, 9.6, 3.4, 1.7));
        },
        kText);
    PlaceKeyed(master, check, 280, 16, kPanel);
    TArtCanvas grip(12, 12, kClear);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j <= i; ++j) {
            const double cx = 10 - 3.5 * j, cy = 10 - 3.5 * (i - j);
            grip.Paint(
                0, 0, 12, 12,
                [cx, cy](double x, double y) {
                    return std::clamp(1.5 - std::hypot(x - cx, y - cy), 0.0, 1.0);
                },
                Rgb(96, 96, 96));
        }
    }
    PlaceKeyed(master, grip, 280, 0, kPanel);
}

void DrawSlidersAndTabs(TArtCanvas& master) {
    const TArtColor thumbs[3] = {Rgb(74, 74, 74), Rgb(98, 98, 98), Rgb(120, 120, 120)};
    for (int state = 0; state < 3; ++state) {
        TArtCanvas thumb(12, 12, kClear);
        thumb.Paint(
            0, 0, 12, 12,
            [](double x, double y) { return RoundRectCoverage(x, y, 2, 2, 10, 10, 3); },
            thumbs[state]);
        PlaceKeyed(master, thumb, state * 12, 48, Rgb(36, 36, 36));
    }
    const TArtColor tabs[3] = {Rgb(38, 38, 38), Rgb(44, 44, 44), kPanel};
    for (int state = 0; state < 3; ++state) {
        TArtCanvas tab(16, 16, kClear);
        tab.Paint(
            0, 0, 16, 16,
            [](double x, double y) { return RoundRectCoverage(x, y, 0, 0, 16, 22, 4); },
            tabs[state]);
        if (state == 2)
            tab.Paint(
                0, 0, 16, 16,
                [](double x, double y) {
                    return RoundRectCoverage(x, y, 0, 0, 16, 22, 4) * (y < 2 ? 1 : 0);
                },
                kAccent);
        PlaceKeyed(master, tab, 36 + state * 16, 48, Rgb(38, 38, 38));
    }
}

// The status bar's divider: a border mask two pixels wide whose left column is a one-pixel
// line and whose right column the mask row hides, so the bar shows through beside the line.
void DrawDivider(TArtCanvas& master) {
    constexpr int kLeft = 296, kRows = 4;
    for (int y = 0; y < kRows; ++y) {
        master.At(kLeft, y) = Rgb(58, 58, 58);
        master.At(kLeft + 1, y) = kKey;
        master.At(kLeft, kRows + y) = Rgb(0, 0, 0);
        master.At(kLeft + 1, kRows + y) = Rgb(255, 255, 255);
    }
}

}  // namespace

TArtCanvas DrawMasterBitmap() {
    TArtCanvas master(306, 128, kKey);
    DrawButtonStrip(master);
    DrawFrame(master, 104, kPanel, Rgb(72, 72, 72));
    DrawFrame(master, 120, Rgb(40, 40, 40), Rgb(28, 28, 28));
    DrawGlyphs(master);
    DrawSlidersAndTabs(master);
    DrawDivider(master);
    DrawMenuArt(master);
    DrawScrollArrows(master);
    DrawHintFrame(master);
    return master;
}

}  // namespace skingen
