#pragma once

#include <QColor>
#include <QRect>
#include <QVector>
#include <functional>

class QPainter;
class QWidget;
class TsCommonData;

// Fields with buttons inside (spin edits, combo boxes): the field's face with the faces of its
// buttons, which come from their own section, drawn over it.
namespace skinnedfield {

void Bind(TsCommonData& skinData, QWidget& field, const char* buttonSection,
          std::function<QVector<QRect>()> buttonRects);
// Small arrows in the buttons: up for the first of two, down otherwise.
void PaintArrows(QPainter& painter, const QVector<QRect>& rects, const QColor& colour);

}  // namespace skinnedfield
