// Start-up: the installation lookup of the main window's creation and the single-instance
// guard, run in-process with the dialogs answered like a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/InstallationValues.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "core/BuildConfig.h"
#include "platform/base/SingleInstanceLock.h"
#include "skin/TsComboBox.h"
#include "skin/TsLabelFX.h"
#include "skin/TsStatusBar.h"

namespace {

const QString kVersionMissing = QStringLiteral(
    "Could not determinated the application's\nversion number!\n\nPlease re-install this "
    "software!\n");
const QString kWebsiteMissing = QStringLiteral(
    "Could not determinated the application's\nwebsite!\n\nPlease re-install this software!\n");

struct MissingValueCase {
    const char* label;
    std::optional<std::string> values;
    QString message;
};

void PrintTo(const MissingValueCase& value, std::ostream* out) {
    *out << value.label;
}

class MissingInstallationValue : public ::testing::TestWithParam<MissingValueCase> {};

// Whatever is missing, the user is told once, the quit request is queued and the rest of the
// window's creation still runs: addresses fixed, level chosen, update check started.
TEST_P(MissingInstallationValue, ShowsTheErrorAndEndsTheApplication) {
    TestInstallation installation(GetParam().values);
    ResetUpdateChecksRequested();
    ModalAnswerer answerer;
    TMainForm form;

    ASSERT_EQ(answerer.Seen().size(), 1U);
    EXPECT_EQ(answerer.Seen()[0].title, QStringLiteral("Error"));
    EXPECT_EQ(answerer.Seen()[0].text, GetParam().message);
    EXPECT_TRUE(form.TerminationRequested());
    EXPECT_EQ(AppWebHost, BuildConfig::MakerWebHost());
    EXPECT_EQ(FeedbackLink, "mailto:feedback@" + MailDomainOf(BuildConfig::MakerWebHost()));
    EXPECT_EQ(form.sComboBoxCorrection->ItemIndex(), 0);
    EXPECT_EQ(UpdateChecksRequested(), 1);

    // The queued quit request ends the event loop as soon as it runs.
    LoopGuard guard(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(guard.Fired());
}

INSTANTIATE_TEST_SUITE_P(
    Startup, MissingInstallationValue,
    ::testing::Values(
        MissingValueCase{"NoStoreAtAll", std::optional<std::string>(), kVersionMissing},
        MissingValueCase{"KeyWithoutValues", std::string(), kVersionMissing},
        MissingValueCase{"EmptyVersion",
                         std::string("\"Version\"=\"\"\r\n\"Website\"=\"http://x/\"\r\n"),
                         kVersionMissing},
        MissingValueCase{"VersionNotAString",
                         std::string("\"Version\"=dword:00000001\r\n\"Website\"=\"http://x/\"\r\n"),
                         kVersionMissing},
        MissingValueCase{"WebsiteMissing", std::string("\"Version\"=\"1.0\"\r\n"), kWebsiteMissing},
        MissingValueCase{"WebsiteEmpty", std::string("\"Version\"=\"1.0\"\r\n\"Website\"=\"\"\r\n"),
                         kWebsiteMissing},
        MissingValueCase{"WebsiteNotAString",
                         std::string("\"Version\"=\"1.0\"\r\n\"Website\"=hex:41,42\r\n"),
                         kWebsiteMissing}),
    [](const ::testing::TestParamInfo<MissingValueCase>& info) { return info.param.label; });

TEST(Startup, ReadsTheInstallationValuesAndAppendsTheHostOnce) {
    TestInstallation installation(TestInstallation::GoodValues());
    ResetUpdateChecksRequested();
    ModalAnswerer answerer;
    {
        TMainForm first;
        EXPECT_FALSE(first.TerminationRequested());
    }
    TMainForm second;

    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_FALSE(second.TerminationRequested());
    EXPECT_EQ(AppVersion, "1.0");
    EXPECT_EQ(AppWebsite, "http://localhost:8421/vexmora.html");
    EXPECT_EQ(FeedbackLink, "mailto:feedback@" + MailDomainOf(BuildConfig::MakerWebHost()));
    EXPECT_EQ(UpdateChecksRequested(), 2);
    EXPECT_EQ(second.sComboBoxCorrection->currentText(),
              QStringLiteral("L  - Recovery of up to 7% data loss"));
    EXPECT_EQ(second.sStatusBar1->PanelWidth(2),
              490 - (52 + 65 + second.sLabelFXWebpage->width() + 38));
}

// The lock is taken through a descriptor of the test's own first, so the program finds it
// held exactly as a second copy would.
TEST(Startup, SecondInstanceWarnsCentredOnTheScreenAndEnds) {
    TestInstallation installation(TestInstallation::GoodValues());
    ASSERT_EQ(SingleInstanceLock::Acquire("Vexmora"), SingleInstanceLock::Result::Acquired);
    ModalAnswerer answerer;

    EXPECT_EQ(RunVexmora(), 0);

    ASSERT_EQ(answerer.Seen().size(), 1U);
    const SeenDialog& warning = answerer.Seen()[0];
    EXPECT_EQ(warning.title, QStringLiteral("Warning"));
    EXPECT_EQ(warning.text, QStringLiteral("An instance of Vexmora is already running!"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(warning.frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(warning.frame.center().y() - screen.center().y()), 1);
    EXPECT_EQ(TMainForm::Instance(), nullptr);
}

TEST(Startup, FirstInstanceRunsUntilTheWindowClosesThenASecondRunIsRefused) {
    TestInstallation installation(TestInstallation::GoodValues());
    bool wasShown = false;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        TMainForm* form = TMainForm::Instance();
        if (form && form->isVisible()) {
            wasShown = true;
            form->Exit1->trigger();
        }
    });
    closer.start();
    LoopGuard guard(10000);

    EXPECT_EQ(RunVexmora(), 0);
    EXPECT_TRUE(wasShown);
    EXPECT_FALSE(guard.Fired());
    closer.stop();

    // This process still holds the guard, so running again is a second instance.
    ModalAnswerer answerer;
    EXPECT_EQ(RunVexmora(), 0);
    ASSERT_EQ(answerer.Seen().size(), 1U);
    EXPECT_EQ(answerer.Seen()[0].title, QStringLiteral("Warning"));
}

TEST(Startup, FailedStartEndsWithoutShowingTheWindow) {
    TestInstallation installation(std::string("\"Version\"=\"1.0\"\r\n"));
    ModalAnswerer answerer;
    bool windowShown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (TMainForm::Instance() && TMainForm::Instance()->isVisible()) windowShown = true;
    });
    watcher.start(5);
    LoopGuard guard(5000);

    EXPECT_EQ(RunVexmora(), 0);
    EXPECT_FALSE(guard.Fired());
    EXPECT_FALSE(windowShown);
    ASSERT_EQ(answerer.Seen().size(), 1U);
    EXPECT_EQ(answerer.Seen()[0].text, kWebsiteMissing);
}

// A port is no part of a mail domain: feedback@localhost:8421 would name no mailbox.
TEST(Startup, FeedbackMailboxDomainIsTheHostWithoutItsPort) {
    const struct {
        const char* host;
        const char* domain;
    } cases[] = {
        {"localhost:8421", "localhost"},
        {"www.example.org", "www.example.org"},
        {"www.example.org:80", "www.example.org"},
        {"[::1]:8421", "[::1]"},
        {"[::1]", "[::1]"},
        {"host:http", "host:http"},
    };
    for (const auto& c : cases) EXPECT_EQ(MailDomainOf(c.host), c.domain) << c.host;
}

}  // namespace
