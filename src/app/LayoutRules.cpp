#include "app/LayoutRules.h"

namespace LayoutRules {

StatusBarPlacement PlaceStatusBar(int windowOuterWidth, int panel0Width, int panel1Width,
                                  int linkWidth) {
    return {windowOuterWidth - (linkWidth + 30),
            windowOuterWidth - (panel0Width + panel1Width + linkWidth + 38)};
}

QPoint PlacePicture(QSize panel, QSize picture) {
    if (panel.width() >= picture.width() + 20 && panel.height() >= picture.height() + 20) {
        return {HalfRoundedToEven(panel.width() - picture.width()),
                HalfRoundedToEven(panel.height() - picture.height())};
    }
    return {10, 10};
}

int HalfRoundedToEven(int value) {
    // Floor division keeps the two candidates adjacent for negative values too.
    const int lower = value >= 0 ? value / 2 : -((-value + 1) / 2);
    if (value - 2 * lower == 0) return lower;
    return lower % 2 == 0 ? lower : lower + 1;
}

}  // namespace LayoutRules
