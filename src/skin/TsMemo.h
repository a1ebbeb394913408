#pragma once

#include <QPlainTextEdit>
#include <functional>

#include "skin/TsCommonData.h"

// A multi-line text field: word-wrapped, with a vertical scroll bar; Enter starts a new line
// and Tab moves the focus on instead of inserting a tab character.
class TsMemo : public QPlainTextEdit {
public:
    explicit TsMemo(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }

    TsCommonData SkinData;
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
