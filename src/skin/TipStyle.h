#pragma once

#include <QStyle>

#include "skin/data/TsSkinContent.h"

class QPainter;
class QStyleOption;
class QWidget;

// Skinned tooltips for the application-wide style. Qt shows a tip in a window of its own whose
// parent is the widget the tip explains, so a tip counts as skinned when that widget's window
// is; the style decides that, this family only paints. The tip's panel is the HINT face and
// its text takes HINT's font colour.
namespace tipstyle {

bool IsTip(const QWidget* widget);
// Gives a tip the HINT text colour; Qt sets a tip's palette once, before it is polished.
void Polish(const TsSkinContent& skin, QWidget* widget);
bool Draw(TsSkinContent& skin, QStyle::PrimitiveElement element, const QStyleOption* option,
          QPainter* painter, const QWidget* widget);

}  // namespace tipstyle
