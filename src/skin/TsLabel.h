#pragma once

#include <QLabel>
#include <functional>

#include "skin/TsCommonData.h"

// A text label with a transparent background. With AutoSize on (the default) it takes the
// size of its text whenever the text or the font changes.
class TsLabel : public QLabel {
public:
    explicit TsLabel(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    TsCommonData SkinData;
    std::function<void()> OnClick;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FitToText();

    bool autoSize_ = true;
    bool pressed_ = false;
};
