#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "ModalDriver.h"
#include "app/InstallationValues.h"
#include "app/LinkCommands.h"
#include "platform/ShellOpen.h"

namespace {

class LinkCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppWebsite = "https://www.orvanti.example/vexmora.html";
        AppWebHost = "localhost:8421";
        FeedbackLink = "mailto:feedback@localhost:8421";
        SetShellOpenHook([this](const std::string& address) { opened_.push_back(address); });
    }

    void TearDown() override {
        SetShellOpenHook(nullptr);
        AppWebsite.clear();
        AppWebHost.clear();
        FeedbackLink = "mailto:feedback@";
    }

    std::vector<std::string> opened_;
};

TEST_F(LinkCommandsTest, EachLinkOpensItsAddress) {
    const std::pair<void (*)(), std::string> cases[] = {
        {OpenProductPage, "https://www.orvanti.example/vexmora.html"},
        {OpenFacebookLink, "https://www.orvanti.example/vexmora.html?social=fb"},
        {OpenTwitterLink, "https://www.orvanti.example/vexmora.html?social=tw"},
        {OpenGooglePlusLink, "https://www.orvanti.example/vexmora.html?social=gp"},
        {OpenVideoTutorial, "https://www.orvanti.example/vexmora.html?playvideo"},
        {OpenUrlShortenerPage, "http://localhost:8421/url-shortener.html"},
    };
    for (const auto& [command, address] : cases) {
        opened_.clear();
        command();
        EXPECT_EQ(opened_, std::vector<std::string>{address});
    }
}

TEST_F(LinkCommandsTest, SuffixesAreAppendedWhateverTheAddressHolds) {
    AppWebsite = "http://host/page?lang=de";
    OpenFacebookLink();
    OpenVideoTutorial();
    EXPECT_EQ(opened_, (std::vector<std::string>{"http://host/page?lang=de?social=fb",
                                                 "http://host/page?lang=de?playvideo"}));
}

TEST_F(LinkCommandsTest, OpenInShellHandsOverTheTargetUnchanged) {
    OpenInShell("mailto:feedback@localhost:8421?subject=Vexmora");
    EXPECT_EQ(opened_, std::vector<std::string>{"mailto:feedback@localhost:8421?subject=Vexmora"});
}

const char kDonationText[] =
    "Donate this FREE software!\n\n"
    "  If you like Vexmora you may like to\n"
    "  donate the very small sum of $15.00 or \xE2\x82\xAC"
    "15.00 on PayPal\n"
    "  to help us keep developing and updating. Thank you!\n\n"
    "  Click on OK button to donate.\n";

const char kFeedbackText[] =
    "Feedback\n\n"
    "  Please click on OK button to send any\n"
    "  comments or questions you may have!\n";

// Checks the request dialog's look, then answers it.
std::function<void(QWidget&)> CheckRequestThen(const char* text,
                                               std::function<void(QWidget&)> answer) {
    return [text, answer](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Information");
        EXPECT_EQ(CaptionsOf(ButtonsLeftToRight(dialog)), (QStringList{"OK", "Cancel"}));
        bool textShown = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            textShown = textShown || label->text() == QString::fromUtf8(text);
        EXPECT_TRUE(textShown);
        answer(dialog);
    };
}

struct Answer {
    const char* name;
    std::function<void(QWidget&)> action;
    bool opens;
};

std::vector<Answer> Answers() {
    return {
        {"Enter", [](QWidget& dialog) { PressKey(dialog, Qt::Key_Return); }, true},
        {"OK click", [](QWidget& dialog) { ClickButton(*ButtonsLeftToRight(dialog)[0]); }, true},
        {"Esc", [](QWidget& dialog) { PressKey(dialog, Qt::Key_Escape); }, false},
        {"Cancel click", [](QWidget& dialog) { ClickButton(*ButtonsLeftToRight(dialog)[1]); },
         false},
        {"close box", [](QWidget& dialog) { PressCloseBox(dialog); }, false},
    };
}

TEST_F(LinkCommandsTest, DonationOpensTheDonationPageOnlyOnOK) {
    for (const Answer& answer : Answers()) {
        opened_.clear();
        ModalDriver driver(CheckRequestThen(kDonationText, answer.action));
        RequestDonation();
        EXPECT_EQ(driver.Answered(), 1);
        const std::vector<std::string> expected =
            answer.opens
                ? std::vector<std::string>{"http://localhost:8421/donate-free-software.html"}
                : std::vector<std::string>{};
        EXPECT_EQ(opened_, expected) << answer.name;
    }
}

TEST_F(LinkCommandsTest, FeedbackOpensTheMailLinkOnlyOnOK) {
    for (const Answer& answer : Answers()) {
        opened_.clear();
        ModalDriver driver(CheckRequestThen(kFeedbackText, answer.action));
        RequestFeedback();
        EXPECT_EQ(driver.Answered(), 1);
        const std::vector<std::string> expected =
            answer.opens ? std::vector<std::string>{"mailto:feedback@localhost:8421"}
                         : std::vector<std::string>{};
        EXPECT_EQ(opened_, expected) << answer.name;
    }
}

}  // namespace
