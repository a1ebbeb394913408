#pragma once

#include <QColor>

#include "skin/TsLabel.h"

// A label whose text the skin draws with a soft shadow of ShadowColor; the standard look
// draws the plain text.
class TsLabelFX : public TsLabel {
public:
    explicit TsLabelFX(const QString& caption = QString(), QWidget* parent = nullptr);

    QColor ShadowColor = QColor(0x80, 0x00, 0x80);
};
