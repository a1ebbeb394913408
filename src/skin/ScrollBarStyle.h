#pragma once

#include <QRect>
#include <QStyle>
#include <optional>

#include "skin/data/TsSkinContent.h"

class QPainter;
class QStyleOption;
class QStyleOptionComplex;

// The skinned scroll bar for the application-wide style: its face, where its parts lie (for
// the mouse as for the eye, so that a click lands on the part it shows) and its thickness and
// shortest thumb from the skin's pictures. Each answers nothing for other controls or metrics,
// so the caller falls through to the plain style.
namespace scrollbarstyle {

bool Draw(TsSkinContent& skin, QStyle::ComplexControl control, const QStyleOptionComplex* option,
          QPainter* painter);
std::optional<QRect> PartRect(const TsSkinContent& skin, QStyle::ComplexControl control,
                              const QStyleOptionComplex* option, QStyle::SubControl part);
std::optional<int> Metric(const TsSkinContent& skin, QStyle::PixelMetric metric,
                          const QStyleOption* option);

}  // namespace scrollbarstyle
