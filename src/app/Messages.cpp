#include "app/Messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include "app/TMessageDialog.h"
#include "platform/UiThread.h"

namespace {

QPointer<QWidget> registeredMainWindow;

QRect ScreenArea() {
    QScreen* screen = nullptr;
    if (QWidget* window = MainWindow()) screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A main window that is not shown yet has no place on the screen; it is going to appear in the
// centre of the screen, so that is where its messages go meanwhile.
QWidget* ShownMainWindow() {
    QWidget* window = MainWindow();
    return window && window->isVisible() && !window->isMinimized() ? window : nullptr;
}

QMargins FrameMarginsOf(const QWidget* window) {
    if (!window) return {};
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

ModalResult RunMessageDialog(const std::string& text, MessageKind kind, MessageButtons buttons,
                             bool overMainWindow) {
    QWidget* owner = ShownMainWindow();
    TMessageDialog dialog(text, kind, buttons, owner);
    dialog.CenterOn(overMainWindow && owner ? owner->frameGeometry() : ScreenArea(),
                    FrameMarginsOf(owner));
    dialog.exec();
    return dialog.Answer();
}

ModalResult ShowOnUiThread(const std::string& text, MessageKind kind, MessageButtons buttons,
                           bool overMainWindow) {
    // Nothing is opened or confirmed when the application ends before the dialog could run.
    ModalResult answer = ModalResult::Cancel;
    UiThread::RunAndWait([&] { answer = RunMessageDialog(text, kind, buttons, overMainWindow); });
    return answer;
}

}  // namespace

void SetMainWindow(QWidget* window) {
    registeredMainWindow = window;
}

QWidget* MainWindow() {
    if (registeredMainWindow) return registeredMainWindow.data();
    // A main window that did not register itself is still found by its name.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("TMainForm") || window->objectName() == QLatin1String("MainForm") ||
            window->objectName() == QLatin1String("TMainForm"))
            return window;
    }
    return nullptr;
}

ModalResult ShowCenteredMessage(const std::string& text, MessageKind kind, MessageButtons buttons) {
    return ShowOnUiThread(text, kind, buttons, true);
}

void ShowPlainMessage(const std::string& text) {
    ShowOnUiThread(text, MessageKind::Plain, MessageButton::OK, false);
}

std::string UnhandledErrorText(const std::string& message) {
    if (!message.empty() &&
        static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void ReportUnhandledError(const std::exception& error) {
    QString text = QString::fromStdString(UnhandledErrorText(error.what()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    UiThread::RunAndWait([&text] {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Vexmora"), text, QMessageBox::Ok,
                        ShownMainWindow());
        box.setObjectName(QStringLiteral("UnhandledErrorBox"));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
}
