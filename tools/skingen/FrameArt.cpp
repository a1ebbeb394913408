// The window frame's pictures: caption buttons in their three states and the plain frame's
// outline.
#include <algorithm>

#include "InternalSkinArt.h"
#include "SkinPalette.h"

namespace skingen {

namespace {

// Lays the picture over the target at (ox, oy), source over.
void Over(TArtCanvas& target, int ox, int oy, const TArtCanvas& picture) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TArtColor& s = picture.At(x, y);
            if (s.Alpha <= 0) continue;
            const double a = s.Alpha;
            target.Paint(
                ox + x, oy + y, ox + x + 1, oy + y + 1, [a](double, double) { return a; },
                TArtColor{s.Red, s.Green, s.Blue, 1});
        }
}

}  // namespace

TArtCanvas DrawCaptionButton(TCaptionGlyph glyph) {
    constexpr int kSide = 30;
    TArtCanvas art(3 * kSide, kSide, kClear);
    const bool close = glyph == TCaptionGlyph::Close;
    // Normal: the glyph alone; hot: a soft plate (red for close); pressed: a deeper one.
    const TArtColor plates[3] = {kClear, close ? Rgb(196, 43, 28) : Rgb(255, 255, 255, 0.12),
                                 close ? Rgb(150, 30, 20) : Rgb(40, 104, 180, 0.85)};
    const TArtCanvas mark = DrawCaptionGlyph(glyph);
    for (int state = 0; state < 3; ++state) {
        const int ox = state * kSide;
        if (state > 0)
            art.Paint(
                ox, 0, ox + kSide, kSide,
                [ox](double x, double y) {
                    return RoundRectCoverage(x, y, ox + 2, 2, ox + kSide - 2, kSide - 2, 4);
                },
                plates[state]);
        Over(art, ox, 0, mark);
    }
    return art;
}

TArtCanvas DrawFormBorder() {
    TArtCanvas art(6, 3, kKey);
    const TArtColor inactive = Rgb(64, 64, 64), active = kAccent;
    art.Paint(
        0, 0, 3, 3, [](double, double) { return 1.0; }, inactive);
    art.Paint(
        3, 0, 6, 3, [](double, double) { return 1.0; }, active);
    return art;
}

}  // namespace skingen
