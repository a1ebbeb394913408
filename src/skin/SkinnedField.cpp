#include "skin/SkinnedField.h"

#include <QPainter>
#include <QWidget>

#include "skin/TsCommonData.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace skinnedfield {

void Bind(TsCommonData& skinData, QWidget& field, const char* buttonSection,
          std::function<QVector<QRect>()> buttonRects) {
    skinData.PaintsFace = true;
    skinData.State = [&field] { return field.hasFocus() || field.underMouse() ? 1 : 0; };
    skinData.BuildFace = [&skinData, &field, buttonSection, buttonRects](int state) {
        const int width = std::max(1, field.width()), height = std::max(1, field.height());
        auto face = skinpaint::NewFacePicture(width, height);
        const TsFaceBinding binding = skinData.Binding();
        PaintControlFace(binding, skinData.ParentBackground(), true, *face,
                         TRect{0, 0, width, height}, state);
        TsFaceBinding buttonBinding = binding;
        buttonBinding.SectionIndex =
            binding.Skin != nullptr ? binding.Skin->SectionIndex(buttonSection) : -1;
        if (buttonBinding.SectionIndex < 0) return face;
        for (const QRect& r : buttonRects()) {
            const QRect inside = r.intersected(QRect(0, 0, width, height));
            if (inside.isEmpty()) continue;
            BackgroundInfo behind;
            behind.BgType = BackgroundInfo::Picture;
            behind.Bmp = face;
            behind.OffsetX = inside.x();
            behind.OffsetY = inside.y();
            auto button = PaintButtonFace(buttonBinding, behind, inside.width(), inside.height(), 0,
                                          TsButtonContent{}, nullptr);
            skinpaint::CopyPiece(*face, inside.x(), inside.y(), inside.width(), inside.height(),
                                 *button, TRect{0, 0, inside.width(), inside.height()});
        }
        return face;
    };
}

void PaintArrows(QPainter& painter, const QVector<QRect>& rects, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (qsizetype i = 0; i < rects.size(); ++i) {
        const QPoint c = rects[i].center();
        const bool up = rects.size() == 2 && i == 0;
        const int d = up ? -1 : 1;
        const QPoint points[3] = {QPoint(c.x() - 3, c.y() - d), QPoint(c.x() + 4, c.y() - d),
                                  QPoint(c.x() + 0, c.y() + 3 * d)};
        painter.drawPolygon(points, 3);
    }
    painter.restore();
}

}  // namespace skinnedfield
