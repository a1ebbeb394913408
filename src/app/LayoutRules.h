#pragma once

#include <QPoint>
#include <QSize>

// The main window's two placement rules, kept apart from the window so that they can be
// checked on their own.
namespace LayoutRules {

struct StatusBarPlacement {
    int linkLeft;         // left edge of the web-site link label
    int thirdPanelWidth;  // width of the status panel that carries the status text
};

// Keeps the link label 30 pixels plus its own width from the window's right edge and gives
// the third panel whatever the first two panels and the label leave over.
StatusBarPlacement PlaceStatusBar(int windowOuterWidth, int panel0Width, int panel1Width,
                                  int linkWidth);

// Centres a picture in its panel when it fits with a margin of 10 pixels on every side, and
// hangs it from (10, 10) otherwise.
QPoint PlacePicture(QSize panel, QSize picture);

// value / 2 rounded to the nearest integer, halves going to the even neighbour.
int HalfRoundedToEven(int value);

}  // namespace LayoutRules
