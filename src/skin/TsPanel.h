#pragma once

#include <QFrame>
#include <functional>

#include "skin/TsCommonData.h"

// A panel with a one-pixel raised bevel; children placed in it are measured from its
// top-left corner, the bevel included.
class TsPanel : public QFrame {
public:
    explicit TsPanel(QWidget* parent = nullptr);

    TsCommonData SkinData;
    std::function<void()> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
