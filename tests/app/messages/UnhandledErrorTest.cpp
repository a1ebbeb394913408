#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ModalDriver.h"
#include "app/Messages.h"
#include "core/Exception.h"

namespace {

struct FullStopCase {
    std::string message;
    std::string shown;
};

TEST(UnhandledErrorTextTest, AddsAFullStopOnlyAfterCharactersAboveTheFullStop) {
    const FullStopCase cases[] = {
        {"Cannot create file \"a.png\". Access denied",
         "Cannot create file \"a.png\". Access denied."},
        {"Out of memory!", "Out of memory!"},
        {"Invalid (chunk)", "Invalid (chunk)"},
        {"Stream read error.", "Stream read error."},
        {"Error 9", "Error 9."},
        {"Cannot open c:/", "Cannot open c:/."},
        // Just below, at and just above ".".
        {"range a-", "range a-"},
        {"range a.", "range a."},
        {"range a/", "range a/."},
        // A character outside ASCII sorts above "." as its code-page byte did.
        {"Fehler beim \xC3\xB6", "Fehler beim \xC3\xB6."},
        {"ends in a blank ", "ends in a blank "},
        {"", ""},
    };
    for (const FullStopCase& fullStopCase : cases)
        EXPECT_EQ(UnhandledErrorText(fullStopCase.message), fullStopCase.shown)
            << fullStopCase.message;
}

// What the error box showed.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next error box with its OK button and records what it showed.
std::unique_ptr<ModalDriver> AnswerErrorBoxes(std::vector<ShownBox>& shown) {
    return std::make_unique<ModalDriver>([&shown](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        ASSERT_NE(box, nullptr) << "the platform's standard message box";
        ShownBox record{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons())
            record.buttons << (box->standardButton(button) == QMessageBox::Ok ? QString("Ok")
                                                                              : button->text());
        shown.push_back(record);
        PressKey(*box, Qt::Key_Return);
    });
}

TEST(ReportUnhandledErrorTest, ShowsTheStandardErrorBoxTitledWithTheApplication) {
    std::vector<ShownBox> shown;
    const auto driver = AnswerErrorBoxes(shown);
    ReportUnhandledError(Exception("Cannot create file \"/x/q.png\". No such file or directory"));
    ReportUnhandledError(Exception("Line one\r\nline two!"));
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].title, "Vexmora");
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[0].buttons, QStringList{"Ok"});
    EXPECT_EQ(shown[0].text, "Cannot create file \"/x/q.png\". No such file or directory.");
    EXPECT_EQ(shown[1].text, "Line one\nline two!");
}

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.setGeometry(50, 50, 200, 100);
        button_.setGeometry(10, 10, 120, 30);
        window_.show();
    }

    QWidget window_;
    QPushButton button_{"Save image", &window_};
};

TEST_F(NotifyTest, ErrorThrownByAClickHandlerIsReportedAndTheApplicationKeepsRunning) {
    int clicks = 0;
    QObject::connect(&button_, &QPushButton::clicked, [&clicks] {
        ++clicks;
        throw EFCreateError("Cannot create file \"/nope/q.png\". Permission denied");
    });
    std::vector<ShownBox> shown;
    const auto driver = AnswerErrorBoxes(shown);
    QTest::mouseClick(&button_, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, "Cannot create file \"/nope/q.png\". Permission denied.");
    EXPECT_EQ(shown[0].title, "Vexmora");

    // The event loop carries on: the same command can run again, and timers still fire.
    QTest::mouseClick(&button_, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(shown.size(), 2U);
    bool timerFired = false;
    QTimer::singleShot(0, [&timerFired] { timerFired = true; });
    EXPECT_TRUE(QTest::qWaitFor([&timerFired] { return timerFired; }, 2000));
    EXPECT_TRUE(window_.isVisible());
}

TEST_F(NotifyTest, ErrorsOfOtherKindsAndFromKeyAndTimerEventsAreReportedToo) {
    QObject::connect(&button_, &QPushButton::clicked, [] { throw 42; });
    std::vector<ShownBox> shown;
    const auto driver = AnswerErrorBoxes(shown);
    button_.setFocus();
    QTest::keyClick(&button_, Qt::Key_Space);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, "Unknown error.");

    QTimer::singleShot(0, [] { throw std::runtime_error("Socket error # 10061"); });
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown.size() == 2; }, 5000));
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[1].text, "Socket error # 10061.");
}

}  // namespace
