#include "app/Startup.h"

#include <QApplication>

#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/ProcessSetup.h"
#include "platform/base/SingleInstanceLock.h"
#include "skin/SkinSwitches.h"

int RunVexmora() {
    InitialiseSubsystems();
    SkinSwitches::AnnounceVersion();
    // A guard that could not be taken at all counts as held: starting a second copy is worse
    // than not starting.
    if (SingleInstanceLock::Acquire("Vexmora") != SingleInstanceLock::Result::Acquired) {
        ShowCenteredMessage("An instance of Vexmora is already running!", MessageKind::Warning,
                            MessageButton::OK);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("Vexmora"));
    TMainForm mainForm;
    // After a failed start the quit request is already queued; the window is not shown for
    // the moment the event loop needs to reach it.
    if (!mainForm.TerminationRequested()) mainForm.show();
    QApplication::exec();
    return 0;
}
