#include "app/TApplication.h"

#include "app/Messages.h"
#include "core/Exception.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Only the name: on X11 Qt appends a display name, once set, to every window title, and
    // the dialogs' titles must read exactly "Warning", "Error" and so on.
    setApplicationName(QStringLiteral("Vexmora"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportUnhandledError(error);
    } catch (...) {
        ReportUnhandledError(Exception("Unknown error"));
    }
    return false;
}
