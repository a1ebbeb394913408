#include "app/ProcessSetup.h"

#include <QSettings>
#include <csignal>

void InitialiseSubsystems() {
    // A peer that closes while the HTTP client sends must cost a socket error, never the
    // process: every send already passes MSG_NOSIGNAL, and this covers any write that does not.
    std::signal(SIGPIPE, SIG_IGN);

    // The program keeps no settings file, but Qt's own save dialog writes its history, last
    // folder and view state to QtProject.conf in the user's configuration folder whenever it
    // closes. Per-user settings are pointed at a path below a device, where no file can ever
    // be made, so those writes fail quietly; the system-wide defaults are still read.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}
