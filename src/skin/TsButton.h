#pragma once

#include <QPushButton>

#include "skin/TsCommonData.h"

// A push button; it may carry an image from the window's image list beside its caption.
class TsButton : public QPushButton {
public:
    explicit TsButton(const QString& caption, QWidget* parent = nullptr);

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;
};
