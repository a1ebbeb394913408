#pragma once

#include <QPlainTextEdit>
#include <functional>

#include "skin/TsCommonData.h"

// A multi-line text field: word-wrapped, with a vertical scroll bar; Enter starts a new line
// and Tab moves the focus on instead of inserting a tab character.
class TsMemo : public QPlainTextEdit {
public:
    explicit TsMemo(QWidget* parent = nullptr);

    // The text as entered, with a line feed for each paragraph break of the editor.
    // toPlainText() would also turn no-break spaces into spaces and line separators into line
    // feeds, changing what the user typed or pasted.
    QString Text() const;
    void SetText(const QString& text) { setPlainText(text); }

    TsCommonData SkinData;
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
