#include "app/ProcessSetup.h"

#include <QSettings>

void InitialiseSubsystems() {
    // The program keeps no settings file, but Qt's own save dialog writes its history, last
    // folder and view state to QtProject.conf in the user's configuration folder whenever it
    // closes. Per-user settings are pointed at a path below a device, where no file can ever
    // be made, so those writes fail quietly; the system-wide defaults are still read.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}
