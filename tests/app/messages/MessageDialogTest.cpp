#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <atomic>
#include <optional>
#include <thread>

#include "ModalDriver.h"
#include "app/Messages.h"

namespace {

struct ButtonCase {
    const char* name;
    MessageButtons buttons;
    QStringList captions;  // left to right
    QString defaultCaption;
    ModalResult enter;
    ModalResult escape;
};

const ButtonCase kButtonCases[] = {
    {"OK", MessageButton::OK, {"OK"}, "OK", ModalResult::OK, ModalResult::OK},
    {"OKCancel",
     MessageButton::OK | MessageButton::Cancel,
     {"OK", "Cancel"},
     "OK",
     ModalResult::OK,
     ModalResult::Cancel},
    {"YesNo",
     MessageButton::Yes | MessageButton::No,
     {"&Yes", "&No"},
     "&Yes",
     ModalResult::Yes,
     ModalResult::No},
    {"YesNoCancel",
     MessageButton::Cancel | MessageButton::No | MessageButton::Yes,
     {"&Yes", "&No", "Cancel"},
     "&Yes",
     ModalResult::Yes,
     ModalResult::Cancel},
    {"All",
     MessageButton::Cancel | MessageButton::OK | MessageButton::No | MessageButton::Yes,
     {"&Yes", "&No", "OK", "Cancel"},
     "OK",
     ModalResult::OK,
     ModalResult::Cancel},
    {"YesOK",
     MessageButton::OK | MessageButton::Yes,
     {"&Yes", "OK"},
     "OK",
     ModalResult::OK,
     ModalResult::OK},
    {"NoOK",
     MessageButton::No | MessageButton::OK,
     {"&No", "OK"},
     "OK",
     ModalResult::OK,
     ModalResult::No},
};

void PrintTo(const ButtonCase& buttonCase, std::ostream* stream) {
    *stream << buttonCase.name;
}

class MessageButtonsTest : public ::testing::TestWithParam<ButtonCase> {
protected:
    // Shows a confirmation with the case's buttons and answers it with the given action.
    ModalResult Answer(const std::function<void(QWidget&)>& action) {
        ModalDriver driver(action);
        const ModalResult result =
            ShowCenteredMessage("Proceed?", MessageKind::Confirmation, GetParam().buttons);
        EXPECT_EQ(driver.Answered(), 1);
        return result;
    }
};

TEST_P(MessageButtonsTest, ShowsTheButtonsInTheirOrderWithTheirCaptions) {
    Answer([](QWidget& dialog) {
        const QList<QPushButton*> buttons = ButtonsLeftToRight(dialog);
        EXPECT_EQ(CaptionsOf(buttons), GetParam().captions);
        for (QPushButton* button : buttons) {
            EXPECT_EQ(button->isDefault(), button->text() == GetParam().defaultCaption)
                << button->text().toStdString();
            EXPECT_EQ(button->y(), buttons.front()->y()) << "all buttons stand in one row";
        }
        // The row is centred under the dialog.
        const int left = buttons.front()->mapTo(&dialog, QPoint(0, 0)).x();
        const int right = dialog.width() - (buttons.back()->mapTo(&dialog, QPoint(0, 0)).x() +
                                            buttons.back()->width());
        EXPECT_LE(std::abs(left - right), 1);
        PressKey(dialog, Qt::Key_Escape);
    });
}

TEST_P(MessageButtonsTest, EnterAnswersTheDefaultButton) {
    EXPECT_EQ(Answer([](QWidget& dialog) { PressKey(dialog, Qt::Key_Return); }), GetParam().enter);
    EXPECT_EQ(Answer([](QWidget& dialog) { PressKey(dialog, Qt::Key_Enter); }), GetParam().enter);
}

TEST_P(MessageButtonsTest, EscAnswersCancelElseNoElseOK) {
    EXPECT_EQ(Answer([](QWidget& dialog) { PressKey(dialog, Qt::Key_Escape); }), GetParam().escape);
}

TEST_P(MessageButtonsTest, CloseBoxAnswersCancel) {
    EXPECT_EQ(Answer([](QWidget& dialog) { PressCloseBox(dialog); }), ModalResult::Cancel);
}

TEST_P(MessageButtonsTest, EachButtonAnswersItsOwnResult) {
    const QStringList captions = GetParam().captions;
    for (int index = 0; index < captions.size(); ++index) {
        const ModalResult result =
            Answer([index](QWidget& dialog) { ClickButton(*ButtonsLeftToRight(dialog)[index]); });
        const QString caption = captions[index];
        const ModalResult expected = caption == "&Yes"  ? ModalResult::Yes
                                     : caption == "&No" ? ModalResult::No
                                     : caption == "OK"  ? ModalResult::OK
                                                        : ModalResult::Cancel;
        EXPECT_EQ(result, expected) << caption.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, MessageButtonsTest, ::testing::ValuesIn(kButtonCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageAccessKeyTest, AltYAnswersYesAndAltNAnswersNo) {
    for (const auto& [key, expected] :
         {std::pair{Qt::Key_Y, ModalResult::Yes}, std::pair{Qt::Key_N, ModalResult::No}}) {
        ModalDriver driver([key](QWidget& dialog) {
            QTest::keyClick(dialog.focusWidget(), key, Qt::AltModifier);
        });
        EXPECT_EQ(ShowCenteredMessage("Upgrade?", MessageKind::Confirmation,
                                      MessageButton::Yes | MessageButton::No),
                  expected);
    }
}

struct KindCase {
    MessageKind kind;
    const char* title;
    std::optional<QStyle::StandardPixmap> icon;
};

const KindCase kKindCases[] = {
    {MessageKind::Warning, "Warning", QStyle::SP_MessageBoxWarning},
    {MessageKind::Error, "Error", QStyle::SP_MessageBoxCritical},
    {MessageKind::Information, "Information", QStyle::SP_MessageBoxInformation},
    {MessageKind::Confirmation, "Confirm", QStyle::SP_MessageBoxQuestion},
    {MessageKind::Plain, "Vexmora", std::nullopt},
};

QLabel* IconLabel(QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->pixmap().isNull()) return label;
    return nullptr;
}

QLabel* TextLabel(QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty()) return label;
    return nullptr;
}

TEST(MessageKindTest, EachKindHasItsTitleAndIconAtTheTopLeft) {
    for (const KindCase& kindCase : kKindCases) {
        ModalDriver driver([&kindCase](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), kindCase.title);
            QLabel* icon = IconLabel(dialog);
            QLabel* text = TextLabel(dialog);
            ASSERT_NE(text, nullptr);
            if (!kindCase.icon) {
                EXPECT_EQ(icon, nullptr) << "a plain message has no icon";
            } else {
                ASSERT_NE(icon, nullptr) << kindCase.title;
                const QImage shown = icon->pixmap().toImage();
                const QImage expected = dialog.style()
                                            ->standardIcon(*kindCase.icon, nullptr, &dialog)
                                            .pixmap(shown.size())
                                            .toImage();
                EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                          expected.convertToFormat(QImage::Format_ARGB32))
                    << kindCase.title;
                EXPECT_LT(icon->x(), text->x()) << "the icon stands left of the text";
                EXPECT_LE(icon->y(), text->y());
                for (QPushButton* button : ButtonsLeftToRight(dialog))
                    EXPECT_GT(button->y(), icon->y() + icon->height() - 1)
                        << "the buttons stand below";
            }
            PressKey(dialog, Qt::Key_Return);
        });
        EXPECT_EQ(ShowCenteredMessage("Text", kindCase.kind, MessageButton::OK), ModalResult::OK);
    }
}

TEST(MessageTextTest, CrLfBreaksShowAsLinesAndLongLinesWrap) {
    const std::string shortLines = "First line\r\n\r\nThird line\r\n";
    const std::string words = [] {
        std::string text;
        for (int i = 0; i < 60; ++i) text += "word ";
        return text;
    }();
    ModalDriver driver([&](QWidget& dialog) {
        QLabel* text = TextLabel(dialog);
        ASSERT_NE(text, nullptr);
        const int lineSpacing = text->fontMetrics().lineSpacing();
        const QString shown = text->text();
        if (shown.startsWith("First")) {
            EXPECT_EQ(shown, "First line\n\nThird line\n");
            EXPECT_GE(text->height(), 3 * lineSpacing) << "three lines at least";
            EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance("First line"))
                << "short lines stay whole";
        } else {
            EXPECT_EQ(shown.toStdString(), words);
            EXPECT_GE(text->height(), 2 * lineSpacing) << "a long text is wrapped";
            EXPECT_LT(dialog.width(), text->fontMetrics().horizontalAdvance(shown));
        }
        PressKey(dialog, Qt::Key_Return);
    });
    ShowPlainMessage(shortLines);
    ShowPlainMessage(words);
    EXPECT_EQ(driver.Answered(), 2);
}

TEST(MessageTextTest, PlainMessageHasOnlyOK) {
    ModalDriver driver([](QWidget& dialog) {
        EXPECT_EQ(CaptionsOf(ButtonsLeftToRight(dialog)), QStringList{"OK"});
        EXPECT_EQ(dialog.windowTitle(), "Vexmora");
        EXPECT_EQ(TextLabel(dialog)->text(), "Cannot decode the picture & its header");
        PressKey(dialog, Qt::Key_Escape);
    });
    ShowPlainMessage("Cannot decode the picture & its header");
    EXPECT_EQ(driver.Answered(), 1);
}

}  // namespace

namespace {

TEST(MessageThreadTest, CallFromAWorkerThreadIsShownByTheUiThreadWhileTheWorkerWaits) {
    ModalDriver driver([](QWidget& dialog) {
        EXPECT_EQ(dialog.thread(), QApplication::instance()->thread());
        PressKey(dialog, Qt::Key_Return);
    });
    std::atomic<bool> finished = false;
    ModalResult answer = ModalResult::Cancel;
    std::thread worker([&] {
        answer = ShowCenteredMessage("A new version is available!", MessageKind::Confirmation,
                                     MessageButton::Yes | MessageButton::No);
        finished = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&finished] { return finished.load(); }, 10000));
    worker.join();
    EXPECT_EQ(driver.Answered(), 1);
    EXPECT_EQ(answer, ModalResult::Yes);
}

}  // namespace
