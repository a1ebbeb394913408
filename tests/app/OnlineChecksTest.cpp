// The update check and "Check connection" in the real main window, against maker-site run as
// a process on a free port: the dialogs, their answers, the status texts and the tutorial
// entries.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <csignal>
#include <memory>
#include <ostream>

#include "AppTestSupport.h"
#include "ScriptedServer.h"
#include "app/InstallationValues.h"
#include "app/MainWindow.h"
#include "app/OnlineChecks.h"
#include "app/UpdateCheck.h"
#include "messages/ModalDriver.h"
#include "platform/ShellOpen.h"
#include "services/ServiceProcess.h"
#include "skin/TsBitBtn.h"
#include "skin/TsLabel.h"

// Readable failure messages for texts and lists of texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace {

const char* const kWebsite = "http://www.orvanti.example/vexmora.html";

const QString kOffer = QStringLiteral(
    "A newer Vexmora is available!\nVersion number: 1.21\n\nWould you like to upgrade now?");
const QString kFailure = QStringLiteral(
    "Internet connection failed!\n\nAn active Internet connection needs\nto be established for "
    "this application.\n");
const QString kConnectionOk = QStringLiteral("Internet connection is OK!\n");
const QString kConnectionFailed = QStringLiteral("Failed Internet connection!\n");

// What a dialog showed, and the main window's status text while it was up.
struct ShownDialog {
    QString title;
    QString text;
    QStringList captions;
    QString defaultCaption;
    bool hasIcon = false;
    QString status;
};

// Answers every modal dialog with the action and notes what it showed.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(QWidget&)> answer)
        : driver_([this, answer = std::move(answer)](QWidget& window) {
              Note(window);
              answer(window);
          }) {}

    const std::vector<ShownDialog>& Seen() const { return seen_; }

private:
    void Note(QWidget& window) {
        ShownDialog shown;
        shown.title = window.windowTitle();
        if (const auto* text = window.findChild<QLabel*>(QStringLiteral("text")))
            shown.text = text->text();
        const QList<QPushButton*> buttons = ButtonsLeftToRight(window);
        shown.captions = CaptionsOf(buttons);
        for (const QPushButton* button : buttons)
            if (button->isDefault()) shown.defaultCaption = button->text();
        shown.hasIcon = window.findChild<QLabel*>(QStringLiteral("icon")) != nullptr;
        if (TMainForm* form = TMainForm::Instance()) shown.status = form->sLabelStatus->text();
        seen_.push_back(shown);
    }

    std::vector<ShownDialog> seen_;
    ModalDriver driver_;
};

void PressOK(QWidget& window) {
    window.findChild<QPushButton*>(QStringLiteral("OK"))->click();
}

class OnlineChecksTest : public ::testing::Test {
protected:
    OnlineChecksTest() : savedStarter_(TMainForm::UpdateCheckStarter()) {
        SetShellOpenHook([this](const std::string& address) { opened.push_back(address); });
    }

    ~OnlineChecksTest() override {
        // Every worker of the test has ended: its status text was cleared and its dialog
        // answered, so none reaches into the next test.
        form.reset();
        TMainForm::UpdateCheckStarter() = savedStarter_;
        SetShellOpenHook(nullptr);
        SetCheckTimeLimits({});
        qunsetenv("VEXMORA_WEB_HOST");
    }

    // Starts a maker-site with the options; the program's web host is the last one started.
    ServiceProcess& StartSite(std::vector<std::string> options) {
        sites.push_back(std::make_unique<ServiceProcess>("maker-site", std::move(options)));
        UseWebHost("127.0.0.1:" + std::to_string(sites.back()->Port()));
        return *sites.back();
    }

    static void UseWebHost(const std::string& host) {
        qputenv("VEXMORA_WEB_HOST", QByteArray::fromStdString(host));
    }

    // Creates and shows the main window; with the update check, it starts as in a real run.
    void CreateForm(bool updateCheck) {
        TMainForm::UpdateCheckStarter() =
            updateCheck ? std::function<void()>(StartUpdateCheck) : std::function<void()>([] {});
        form = std::make_unique<TMainForm>();
        form->show();
    }

    QString Status() const { return form->sLabelStatus->text(); }

    bool TutorialShown() const {
        return form->sBitBtnVideoTutorial->isVisible() && form->VideoTutorial1->isVisible();
    }

    // The update check has ended once its status text is cleared.
    bool WaitForStatus(const QString& text, int milliseconds = 15000) {
        return WaitUntil([&] { return Status() == text; }, milliseconds);
    }

    TestInstallation installation{"\"Version\"=\"1.2\"\r\n\"Website\"=\"" + std::string(kWebsite) +
                                  "\"\r\n"};
    std::vector<std::unique_ptr<ServiceProcess>> sites;
    std::vector<std::string> opened;
    std::unique_ptr<TMainForm> form;

private:
    std::function<void()> savedStarter_;
};

// Yes (the default: a click, Return) opens the product page; No, Esc and the close box open
// nothing.
TEST_F(OnlineChecksTest, TheUpgradeOfferAndItsAnswers) {
    StartSite({"--tutorial", "false", "--version", "1.21"});
    const struct {
        const char* name;
        std::function<void(QWidget&)> answer;
        bool opens;
    } answers[] = {
        {"No", [](QWidget& w) { ClickButton(*w.findChild<QPushButton*>("No")); }, false},
        {"Esc", [](QWidget& w) { PressKey(w, Qt::Key_Escape); }, false},
        {"close box", [](QWidget& w) { PressCloseBox(w); }, false},
        {"Yes", [](QWidget& w) { ClickButton(*w.findChild<QPushButton*>("Yes")); }, true},
        {"Return", [](QWidget& w) { PressKey(w, Qt::Key_Return); }, true},
    };
    for (const auto& [name, answer, opens] : answers) {
        opened.clear();
        DialogAnswerer answerer(answer);
        CreateForm(true);
        ASSERT_TRUE(WaitUntil([&] { return !answerer.Seen().empty(); }, 15000)) << name;
        ASSERT_TRUE(WaitForStatus("")) << name;
        ASSERT_EQ(answerer.Seen().size(), 1U) << name;
        const ShownDialog& offer = answerer.Seen()[0];
        EXPECT_EQ(offer.title, "Confirm");
        EXPECT_EQ(offer.text, kOffer);
        EXPECT_EQ(offer.captions, QStringList({"&Yes", "&No"}));
        EXPECT_EQ(offer.defaultCaption, "&Yes");
        EXPECT_TRUE(offer.hasIcon);
        EXPECT_EQ(offer.status, "Checking for updates...");
        EXPECT_EQ(opened, opens ? std::vector<std::string>{kWebsite} : std::vector<std::string>{})
            << name;
        EXPECT_FALSE(TutorialShown());
        EXPECT_TRUE(ConnectionOk);
    }
}

// An error status, a closed port and a host that never answers all give the same warning.
TEST_F(OnlineChecksTest, AFailedVersionQuestionGivesTheWarning) {
    auto& silentSite = StartSite({"--tutorial", "false", "--version", "false"});
    ScriptedServer silentPeer(
        [](ScriptedServer& self, int socket, const std::string&) { self.HoldUntilClosed(socket); });
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"404",
         [this] {
             StartSite({"--tutorial", "x", "--version-status", "404"});
         }},
        {"closed port",
         [&] {
             silentSite.Stop(SIGTERM);
             UseWebHost("127.0.0.1:" + std::to_string(silentSite.Port()));
         }},
        {"silent peer",
         [&] {
             SetCheckTimeLimits({2000, 500});
             UseWebHost("127.0.0.1:" + std::to_string(silentPeer.Port()));
         }},
    };
    for (const auto& [name, prepare] : failures) {
        prepare();
        DialogAnswerer answerer(PressOK);
        CreateForm(true);
        ASSERT_TRUE(WaitUntil([&] { return !answerer.Seen().empty(); }, 15000)) << name;
        ASSERT_TRUE(WaitForStatus("")) << name;
        ASSERT_EQ(answerer.Seen().size(), 1U) << name;
        const ShownDialog& warning = answerer.Seen()[0];
        EXPECT_EQ(warning.title, "Warning") << name;
        EXPECT_EQ(warning.text, kFailure) << name;
        EXPECT_EQ(warning.captions, QStringList({"OK"})) << name;
        EXPECT_TRUE(warning.hasIcon);
        EXPECT_FALSE(ConnectionOk) << name;
        EXPECT_TRUE(opened.empty());
        // The 404 site names a tutorial; the failure of the version question does not hide it.
        EXPECT_EQ(TutorialShown(), std::string(name) == "404") << name;
    }
}

// The status text stays while the replies are held back; the tutorial entries come with the
// first reply, before the version question is answered; "false" ends the check silently.
TEST_F(OnlineChecksTest, StatusAndTutorialEntriesWhileTheRepliesWait) {
    StartSite({"--tutorial", "t0ur", "--tutorial-delay-ms", "800", "--version", "false",
               "--version-delay-ms", "2000"});
    DialogAnswerer answerer(PressOK);
    CreateForm(true);
    EXPECT_TRUE(WaitForStatus("Checking for updates..."));
    EXPECT_FALSE(TutorialShown());
    ASSERT_TRUE(WaitUntil([this] { return TutorialShown(); }, 15000));
    EXPECT_EQ(Status(), "Checking for updates...");
    EXPECT_TRUE(WaitForStatus(""));
    EXPECT_TRUE(TutorialShown());
    EXPECT_TRUE(answerer.Seen().empty());
    // The tutorial button opens the tutorial page.
    form->sBitBtnVideoTutorial->click();
    EXPECT_EQ(opened, std::vector<std::string>{std::string(kWebsite) + "?playvideo"});
}

TEST_F(OnlineChecksTest, TheConnectionCheckReportsInADialogAfterClearingTheStatus) {
    auto& site = StartSite({"--version", "false", "--version-delay-ms", "600"});
    CreateForm(false);
    {
        DialogAnswerer answerer(PressOK);
        form->Checkconnection1->trigger();
        EXPECT_TRUE(WaitForStatus("Checking for Internet connection..."));
        ASSERT_TRUE(WaitUntil([&] { return !answerer.Seen().empty(); }, 15000));
        const ShownDialog& result = answerer.Seen()[0];
        EXPECT_EQ(result.title, "Information");
        EXPECT_EQ(result.text, kConnectionOk);
        EXPECT_EQ(result.captions, QStringList({"OK"}));
        EXPECT_TRUE(result.hasIcon);
        EXPECT_EQ(result.status, "");
    }
    site.Stop(SIGTERM);
    {
        DialogAnswerer answerer(PressOK);
        form->Checkconnection1->trigger();
        ASSERT_TRUE(WaitUntil([&] { return !answerer.Seen().empty(); }, 15000));
        const ShownDialog& result = answerer.Seen()[0];
        EXPECT_EQ(result.title, "Error");
        EXPECT_EQ(result.text, kConnectionFailed);
        EXPECT_EQ(result.captions, QStringList({"OK"}));
        EXPECT_EQ(result.status, "");
        EXPECT_FALSE(ConnectionOk);
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(OnlineChecksTest, OverlappingConnectionChecksGiveADialogEach) {
    StartSite({"--version-delay-ms", "800"});
    CreateForm(false);
    DialogAnswerer answerer(PressOK);
    for (int i = 0; i < 3; ++i) form->Checkconnection1->trigger();
    ASSERT_TRUE(WaitUntil([&] { return answerer.Seen().size() == 3; }, 20000));
    for (const ShownDialog& result : answerer.Seen()) {
        EXPECT_EQ(result.title, "Information");
        EXPECT_EQ(result.text, kConnectionOk);
    }
    EXPECT_TRUE(WaitForStatus(""));
}

// Each check reports its own request, whatever an overlapping check wrote into the shared
// flag meanwhile.
TEST_F(OnlineChecksTest, EachConnectionCheckReportsItsOwnOutcome) {
    CreateForm(false);
    const struct {
        std::vector<std::string> first;   // the site of the check started first
        std::vector<std::string> second;  // the site of the one started while it waits
        QStringList titles;               // the dialogs in the order they come
    } cases[] = {
        {{"--version-status", "500", "--version-delay-ms", "1500"}, {}, {"Information", "Error"}},
        {{"--version-delay-ms", "1500"}, {"--version-status", "500"}, {"Error", "Information"}},
    };
    for (const auto& c : cases) {
        DialogAnswerer answerer(PressOK);
        // A worker takes the web host as it is created.
        const std::string first = "127.0.0.1:" + std::to_string(StartSite(c.first).Port());
        const std::string second = "127.0.0.1:" + std::to_string(StartSite(c.second).Port());
        AppWebHost = first;
        form->Checkconnection1->trigger();
        ASSERT_TRUE(WaitForStatus("Checking for Internet connection..."));
        AppWebHost = second;
        form->Checkconnection1->trigger();
        ASSERT_TRUE(WaitUntil([&] { return answerer.Seen().size() == 2; }, 20000));
        QStringList titles;
        for (const ShownDialog& result : answerer.Seen()) titles << result.title;
        EXPECT_EQ(titles, c.titles);
        EXPECT_TRUE(WaitForStatus(""));
    }
}

}  // namespace
