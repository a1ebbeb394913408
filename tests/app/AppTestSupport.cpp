#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "QtApplicationEnvironment.h"
#include "app/MainWindow.h"
#include "app/TApplication.h"

namespace {

int updateChecks = 0;

// The program's own application object; main windows record update-check requests instead
// of starting workers.
[[maybe_unused]] const bool usesProgramApplication =
    testsupport::UseApplicationFactory([](int& argc, char** argv) -> QApplication* {
        auto* application = new TApplication(argc, argv);
        TMainForm::UpdateCheckStarter() = [] { ++updateChecks; };
        return application;
    });

}  // namespace

ModalAnswerer::ModalAnswerer(QString button) : button_(std::move(button)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property("answered").toBool()) return;
    modal->setProperty("answered", true);
    SeenDialog seen{modal->windowTitle(), QString(), modal->frameGeometry()};
    if (const auto* text = modal->findChild<QLabel*>(QStringLiteral("text")))
        seen.text = text->text();
    seen_.push_back(seen);
    auto* button = modal->findChild<QPushButton*>(button_);
    if (button) {
        button->click();
    } else {
        ADD_FAILURE() << "no button " << button_.toStdString() << " in "
                      << seen.title.toStdString();
        modal->close();
    }
}

TestInstallation::TestInstallation(std::optional<std::string> valueLines)
    : savedConfigDirs_(qgetenv("XDG_CONFIG_DIRS")), savedRuntimeDir_(qgetenv("XDG_RUNTIME_DIR")) {
    QDir root(folder_.path());
    root.mkpath(QStringLiteral("config/Orvanti"));
    root.mkpath(QStringLiteral("runtime"));
    if (valueLines) {
        QFile store(root.filePath(QStringLiteral("config/Orvanti/Vexmora.reg")));
        EXPECT_TRUE(store.open(QIODevice::WriteOnly));
        store.write(
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n");
        store.write(valueLines->c_str());
    }
    qputenv("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")).toLocal8Bit());
}

TestInstallation::~TestInstallation() {
    qputenv("XDG_CONFIG_DIRS", savedConfigDirs_);
    qputenv("XDG_RUNTIME_DIR", savedRuntimeDir_);
}

std::string TestInstallation::GoodValues() {
    return "\"Version\"=\"1.0\"\r\n\"Website\"=\"http://localhost:8421/vexmora.html\"\r\n";
}

LoopGuard::LoopGuard(int milliseconds) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        fired_ = true;
        QCoreApplication::exit(7);
    });
    timer_.start(milliseconds);
}

int UpdateChecksRequested() {
    return updateChecks;
}

void ResetUpdateChecksRequested() {
    updateChecks = 0;
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    return QTest::qWaitFor(condition, milliseconds);
}
