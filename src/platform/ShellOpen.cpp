#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>
#include <mutex>

namespace {

std::mutex hookMutex;
ShellOpenHook currentHook;

}  // namespace

void SetShellOpenHook(ShellOpenHook hook) {
    std::lock_guard lock(hookMutex);
    currentHook = std::move(hook);
}

void ShellOpen(const std::string& address) {
    {
        std::lock_guard lock(hookMutex);
        if (currentHook) {
            currentHook(address);
            return;
        }
    }
    QDesktopServices::openUrl(
        QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::TolerantMode));
}
