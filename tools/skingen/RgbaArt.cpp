// The pictures with their own alpha: caption glyphs, the combo arrow, the glow and the window
// border.
#include <algorithm>
#include <cmath>

#include "InternalSkinArt.h"
#include "SkinPalette.h"

namespace skingen {

TArtCanvas DrawButtonHuge() {
    TArtCanvas art(288, 192, kKey);
    const TArtColor borders[3] = {Rgb(88, 88, 88), kAccent, kAccentDark};
    for (int state = 0; state < 3; ++state)
        PlaceMaskedCell(art, state * 96, 0, 96, 12, borders[state]);
    return art;
}

TArtCanvas DrawCaptionGlyph(TCaptionGlyph glyph) {
    TArtCanvas art(30, 30, kClear);
    const TArtColor ink = Rgb(214, 214, 214);
    const double w = 1.4;
    switch (glyph) {
        case TCaptionGlyph::Close:
            art.Paint(
                0, 0, 30, 30,
                [w](double x, double y) {
                    return std::max(LineCoverage(x, y, 10.5, 10.5, 19.5, 19.5, w),
                                    LineCoverage(x, y, 19.5, 10.5, 10.5, 19.5, w));
                },
                ink);
            break;
        case TCaptionGlyph::Maximize:
            art.Paint(
                0, 0, 30, 30,
                [](double x, double y) { return RoundRectStroke(x, y, 10, 10, 20, 20, 1.5, 1.3); },
                ink);
            break;
        case TCaptionGlyph::Restore:
            art.Paint(
                0, 0, 30, 30,
                [w](double x, double y) {
                    return std::max({RoundRectStroke(x, y, 10, 12, 18, 20, 1.5, 1.3),
                                     LineCoverage(x, y, 12.6, 10.6, 19.4, 10.6, w),
                                     LineCoverage(x, y, 19.4, 10.6, 19.4, 17.4, w)});
                },
                ink);
            break;
        case TCaptionGlyph::Minimize:
            art.Paint(
                0, 0, 30, 30,
                [w](double x, double y) { return LineCoverage(x, y, 10, 15.5, 20, 15.5, w); }, ink);
            break;
    }
    return art;
}

TArtCanvas DrawComboArrow() {
    TArtCanvas art(13, 13, kClear);
    art.Paint(
        0, 0, 13, 13,
        [](double x, double y) {
            return std::max(LineCoverage(x, y, 3, 5, 6.5, 8.5, 1.5),
                            LineCoverage(x, y, 6.5, 8.5, 10, 5, 1.5));
        },
        Rgb(170, 170, 170));
    return art;
}

TArtCanvas DrawGlow() {
    TArtCanvas art(32, 32, kClear);
    // The glow lies on top of the control: clear over it, fading outwards over 8 pixels.
    art.Paint(
        0, 0, 32, 32,
        [](double x, double y) {
            const double d = DistanceOutside(x, y, 8, 8, 24, 24, 4);
            if (d <= 0) return 0.0;
            const double t = std::clamp(1 - d / 8, 0.0, 1.0);
            return std::min(d, 1.0) * t * t * 0.6;
        },
        kAccent);
    return art;
}

namespace {

// One cell of the window border: a soft shadow, a rounded frame, the title bar and the body.
void DrawBorderCell(TArtCanvas& art, int ox, bool active) {
    const double shadow = 16, w = 464, h = 295;
    const double left = ox + shadow, top = shadow, right = ox + w - shadow, bottom = h - shadow;
    art.Paint(
        ox, 0, ox + 464, 295,
        [=](double x, double y) {
            const double d = DistanceOutside(x, y, left, top + 2, right, bottom + 2, 8);
            const double t = std::clamp(1 - d / shadow, 0.0, 1.0);
            return t * t * (active ? 0.5 : 0.3);
        },
        Rgb(0, 0, 0));
    const auto frame = [=](double x, double y) {
        return RoundRectCoverage(x, y, left, top, right, bottom, 8);
    };
    art.Paint(ox, 0, ox + 464, 295, frame, kPanel);
    art.Paint(
        ox, 0, ox + 464, 295, [=](double x, double y) { return y < top + 48 ? frame(x, y) : 0.0; },
        kTitle);
    art.Paint(
        ox, 0, ox + 464, 295,
        [=](double x, double y) { return y >= top + 48 && y < top + 49 ? frame(x, y) : 0.0; },
        Rgb(30, 30, 30));
    art.Paint(
        ox, 0, ox + 464, 295,
        [=](double x, double y) { return RoundRectStroke(x, y, left, top, right, bottom, 8, 1); },
        active ? Rgb(70, 70, 70) : Rgb(56, 56, 56));
    if (active) {
        art.Paint(
            ox, 0, ox + 464, 295,
            [=](double x, double y) { return y < top + 2 ? frame(x, y) : 0.0; }, kAccent);
    }
}

}  // namespace

TArtCanvas DrawExtendedBorder() {
    TArtCanvas art(928, 295, kClear);
    DrawBorderCell(art, 0, false);
    DrawBorderCell(art, 464, true);
    return art;
}

}  // namespace skingen
