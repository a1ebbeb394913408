#pragma once

#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A modal dialog the answerer met.
struct SeenDialog {
    QString title;
    QString text;  // the dialog's message text, line breaks as shown
    QRect frame;   // where it was on the screen
};

// Answers every modal dialog that appears while it lives by pressing the button with the
// given object name ("OK", "Cancel", ...), and remembers what the dialogs said.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QString button = QStringLiteral("OK"));

    const std::vector<SeenDialog>& Seen() const { return seen_; }

private:
    void Poll();

    QString button_;
    QTimer timer_;
    std::vector<SeenDialog> seen_;
};

// An installation of our own for one test: a store folder for XDG_CONFIG_DIRS holding
// Orvanti/Vexmora.reg with the given value lines (none: no store file at all), and a runtime
// folder for XDG_RUNTIME_DIR, so that the single-instance lock is the test's alone.
class TestInstallation {
public:
    explicit TestInstallation(std::optional<std::string> valueLines);
    ~TestInstallation();

    static std::string GoodValues();

private:
    QTemporaryDir folder_;
    QByteArray savedConfigDirs_;
    QByteArray savedRuntimeDir_;
};

// How many times a main window asked for the update check since the last reset; the
// environment records the requests instead of starting workers.
int UpdateChecksRequested();
void ResetUpdateChecksRequested();

// Ends an event loop that runs longer than it should, so that a fault cannot hang the run.
class LoopGuard {
public:
    explicit LoopGuard(int milliseconds);
    bool Fired() const { return fired_; }

private:
    QTimer timer_;
    bool fired_ = false;
};

// Processes events until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 3000);
