#pragma once

#include <QPushButton>

#include "skin/TsCommonData.h"

// A push button showing a glyph beside its caption.
class TsBitBtn : public QPushButton {
public:
    explicit TsBitBtn(const QString& caption, QWidget* parent = nullptr);

    // The button's glyph at its own size (24 x 24 for the command buttons).
    void SetGlyph(const QIcon& glyph, QSize size);

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;
};
