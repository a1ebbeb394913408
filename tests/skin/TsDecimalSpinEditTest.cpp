// The size fields: the stored value follows every keystroke within the bounds, the text
// stays as typed until the field is left, and only numbers get in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "skin/TsDecimalSpinEdit.h"

namespace {

class SizeField : public ::testing::Test {
protected:
    SizeField() {
        field = new TsDecimalSpinEdit(&window);
        field->SetBounds(100, 540);
        field->SetValue(200);
        other = new QLineEdit(&window);
        other->move(0, 40);
        field->OnChange = [this] { ++changes; };
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    void Retype(const QString& text) {
        field->Editor()->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void Leave() {
        other->setFocus();
        QApplication::processEvents();
    }

    void Wheel(int delta) {
        const QPointF at(5, 5);
        QWheelEvent event(at, field->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &event);
    }

    QWidget window;
    TsDecimalSpinEdit* field = nullptr;
    QLineEdit* other = nullptr;
    int changes = 0;
};

TEST_F(SizeField, StoredValueFollowsEveryKeystrokeWithinTheBounds) {
    struct Step {
        QString typed;
        double stored;
    };
    field->Editor()->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Value(), 100.0) << "an empty field stores the lower bound";
    const Step steps[] = {{"9", 100}, {"99", 100}, {"999", 540}, {"9999", 540}};
    for (const Step& step : steps) {
        QTest::keyClick(field, step.typed.back().toLatin1());
        EXPECT_EQ(field->Text(), step.typed);
        EXPECT_EQ(field->Value(), step.stored) << step.typed.toStdString();
    }
    Retype("321");
    EXPECT_EQ(field->Value(), 321.0);
    Retype("-");
    EXPECT_EQ(field->Text(), QStringLiteral("-"));
    EXPECT_EQ(field->Value(), 100.0);
    Retype("+");
    EXPECT_EQ(field->Value(), 100.0);
    Retype("-7");
    EXPECT_EQ(field->Value(), 100.0);
    Retype("+540");
    EXPECT_EQ(field->Value(), 540.0);
    Retype("541");
    EXPECT_EQ(field->Value(), 540.0);
    Retype("100");
    EXPECT_EQ(field->Value(), 100.0);
    Retype("99");
    EXPECT_EQ(field->Value(), 100.0);
    Retype("99999999999999999999999999");
    EXPECT_EQ(field->Value(), 540.0);
    Retype("-99999999999999999999999999");
    EXPECT_EQ(field->Value(), 100.0);
    EXPECT_GT(changes, 10);
}

TEST_F(SizeField, LeavingRewritesTheTextFromTheStoredValue) {
    const std::pair<QString, QString> cases[] = {{"999", "540"},   {"", "100"},
                                                 {"-", "100"},     {"0042", "100"},
                                                 {"00250", "250"}, {"+300", "300"}};
    for (const auto& [typed, shown] : cases) {
        field->setFocus();
        Retype(typed);
        EXPECT_EQ(field->Text(), typed);
        Leave();
        EXPECT_EQ(field->Text(), shown) << typed.toStdString();
    }
}

TEST_F(SizeField, OnlyDigitsAndALeadingSignCanBeTyped) {
    Retype("12");
    for (const char refused : {'.', ',', 'a', ' ', 'e', '-', '+'}) {
        QTest::keyClick(field, refused);
        EXPECT_EQ(field->Text(), QStringLiteral("12")) << refused;
    }
    field->Editor()->setCursorPosition(0);
    QTest::keyClick(field, '-');
    EXPECT_EQ(field->Text(), QStringLiteral("-12"));
    QTest::keyClick(field, '+');
    EXPECT_EQ(field->Text(), QStringLiteral("-12"));
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), QStringLiteral("-1"));
}

TEST_F(SizeField, PastingANonNumberKeepsThePreviousText) {
    Retype("250");
    QApplication::clipboard()->setText(QStringLiteral("twelve"));
    field->Editor()->selectAll();
    field->Editor()->paste();
    EXPECT_EQ(field->Text(), QStringLiteral("250"));
    EXPECT_EQ(field->Value(), 250.0);
    QApplication::clipboard()->setText(QStringLiteral("1.5"));
    field->Editor()->selectAll();
    field->Editor()->paste();
    EXPECT_EQ(field->Text(), QStringLiteral("250"));

    QApplication::clipboard()->setText(QStringLiteral("480"));
    field->Editor()->selectAll();
    field->Editor()->paste();
    EXPECT_EQ(field->Text(), QStringLiteral("480"));
    EXPECT_EQ(field->Value(), 480.0);
}

TEST_F(SizeField, ArrowsSpinButtonsAndWheelStepByOneWithinTheBounds) {
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->Value(), 201.0);
    EXPECT_EQ(field->Text(), QStringLiteral("201"));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->Value(), 199.0);
    QTest::keyClick(field, Qt::Key_PageUp);
    EXPECT_EQ(field->Value(), 199.0);

    field->stepBy(1);  // what a click on the up button does
    EXPECT_EQ(field->Value(), 200.0);
    Wheel(120);
    EXPECT_EQ(field->Value(), 201.0);
    Wheel(-240);
    EXPECT_EQ(field->Value(), 199.0);
    Wheel(60);
    EXPECT_EQ(field->Value(), 199.0);
    Wheel(60);
    EXPECT_EQ(field->Value(), 200.0);

    Retype("540");
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->Value(), 540.0);
    Retype("999");
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->Text(), QStringLiteral("540"));
    Retype("100");
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->Value(), 100.0);
}

TEST(SizeFieldText, NumberTextsAndTheirValues) {
    TsDecimalSpinEdit field;
    field.SetBounds(100, 540);
    for (const char* text : {"", "-", "+", "0", "-12", "+12", "007"})
        EXPECT_TRUE(TsDecimalSpinEdit::IsNumberText(text)) << text;
    for (const char* text : {"1.0", "1,0", " 1", "1 ", "--1", "1-", "x", "+-1", "١٢"})
        EXPECT_FALSE(TsDecimalSpinEdit::IsNumberText(QString::fromUtf8(text))) << text;
    EXPECT_EQ(field.ValueOfText("300"), 300);
    EXPECT_EQ(field.ValueOfText("abc"), 100);
    field.SetValue(1000.0);
    EXPECT_EQ(field.Value(), 540.0);
    field.SetValue(-3);
    EXPECT_EQ(field.Value(), 100.0);
    field.SetValue(std::nan(""));
    EXPECT_EQ(field.Value(), 100.0);
    field.SetValue(249.5);
    EXPECT_EQ(field.Text(), QStringLiteral("250"));
}

}  // namespace
