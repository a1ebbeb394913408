#pragma once

#include <QAbstractSpinBox>
#include <functional>

#include "skin/TsCommonData.h"

// A number field with spin buttons and no decimals. Its stored value is always within
// [MinValue, MaxValue] and follows the text at every keystroke, while the text stays as
// typed until the field loses the focus and is rewritten from the value. Only digits and a
// sign at the start can be typed or pasted; anything else leaves the previous text in place.
class TsDecimalSpinEdit : public QAbstractSpinBox {
public:
    explicit TsDecimalSpinEdit(QWidget* parent = nullptr);

    double Value() const { return value_; }
    // Stores the value held within the bounds and rewrites the text from it.
    void SetValue(double value);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetBounds(int minValue, int maxValue);
    int Increment() const { return 1; }
    int DecimalPlaces() const { return 0; }

    QString Text() const;
    // The text editor inside the field, for selecting, cutting and pasting.
    QLineEdit* Editor() const { return lineEdit(); }

    // The value a text stands for: a number held within the bounds, the lower bound for an
    // empty text or a lone sign. Numbers too long for an int saturate to the nearer bound.
    int ValueOfText(const QString& text) const;
    // Whether the text may stand in the field: an optional leading sign and digits.
    static bool IsNumberText(const QString& text);

    // Where the up and down buttons lie.
    QVector<QRect> ButtonRects() const;

    TsCommonData SkinData;
    std::function<void()> OnChange;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TextChanged(const QString& text);
    void RewriteText();

    int value_ = 0;
    int minValue_ = 0;
    int maxValue_ = 100;
    int wheelRemainder_ = 0;
};
