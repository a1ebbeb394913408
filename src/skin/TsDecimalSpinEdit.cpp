#include "skin/TsDecimalSpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "skin/SkinnedField.h"

namespace {

// One notch of a standard mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

TsDecimalSpinEdit::TsDecimalSpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent), SkinData(*this, QStringLiteral("EDIT")) {
    setAccelerated(false);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { TextChanged(text); });
    RewriteText();
    skinnedfield::Bind(SkinData, *this, skinnedfield::Buttons::Spin,
                       [this] { return ButtonRects(); });
}

// The column the style gives the two buttons, split into halves of one height, so that both
// show the arrow picture alike (an odd middle row stays the field's).
QVector<QRect> TsDecimalSpinEdit::ButtonRects() const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QRect column =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this) |
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, this);
    const int half = column.height() / 2;
    return {QRect(column.left(), column.top(), column.width(), half),
            QRect(column.left(), column.bottom() + 1 - half, column.width(), half)};
}

QString TsDecimalSpinEdit::Text() const {
    return lineEdit()->text();
}

void TsDecimalSpinEdit::SetBounds(int minValue, int maxValue) {
    minValue_ = minValue;
    maxValue_ = std::max(minValue, maxValue);
    value_ = std::clamp(value_, minValue_, maxValue_);
}

void TsDecimalSpinEdit::SetValue(double value) {
    if (!std::isfinite(value)) value = minValue_;
    const double held = std::clamp(std::nearbyint(value), double(minValue_), double(maxValue_));
    value_ = static_cast<int>(held);
    RewriteText();
}

bool TsDecimalSpinEdit::IsNumberText(const QString& text) {
    qsizetype start = 0;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) start = 1;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return false;
    }
    return true;
}

int TsDecimalSpinEdit::ValueOfText(const QString& text) const {
    if (!IsNumberText(text)) return minValue_;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    const qsizetype start = (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) ? 1 : 0;
    if (start == text.size()) return minValue_;
    // Accumulate until the magnitude leaves the bounds; longer digit runs cannot come back.
    long long magnitude = 0;
    constexpr long long kBeyondAnyBound = 1LL << 40;
    for (qsizetype i = start; i < text.size() && magnitude < kBeyondAnyBound; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    }
    const long long number = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(number, minValue_, maxValue_));
}

QValidator::State TsDecimalSpinEdit::validate(QString& input, int&) const {
    return IsNumberText(input) ? QValidator::Acceptable : QValidator::Invalid;
}

void TsDecimalSpinEdit::TextChanged(const QString& text) {
    value_ = ValueOfText(text);
    if (OnChange) OnChange();
}

void TsDecimalSpinEdit::RewriteText() {
    const QString text = QString::number(value_);
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void TsDecimalSpinEdit::stepBy(int steps) {
    const long long stepped = static_cast<long long>(value_) + steps;
    value_ = static_cast<int>(std::clamp<long long>(stepped, minValue_, maxValue_));
    RewriteText();
}

// The buttons stay usable at the bounds: a step there still holds the value within them and
// rewrites a text typed beyond them.
QAbstractSpinBox::StepEnabled TsDecimalSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TsDecimalSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    RewriteText();
}

// The page keys would step by ten in a platform spin box; these fields step by one only.
void TsDecimalSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

// Each whole notch steps by one, whatever the modifiers; high-resolution wheels that send
// parts of a notch step once the parts add up to one.
void TsDecimalSpinEdit::wheelEvent(QWheelEvent* event) {
    if (!isEnabled() || isReadOnly()) {
        event->ignore();
        return;
    }
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0) stepBy(notches);
    event->accept();
}

void TsDecimalSpinEdit::paintEvent(QPaintEvent* event) {
    // The skinned face carries the spin buttons and their arrows.
    if (!SkinData.Paint(event)) QAbstractSpinBox::paintEvent(event);
}
