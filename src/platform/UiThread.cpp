#include "platform/UiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/base/ProcessExit.h"

namespace {

struct PendingCall {
    std::function<void()> function;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

// Leaked on purpose: worker threads may still touch it while the process ends, after static
// objects are destroyed.
struct Dispatcher {
    std::mutex mutex;
    bool closed = false;
};

// The first call (any queued or waiting call goes through here) also hands the shutdown to
// the process end, so that EndProcess releases every thread still waiting.
Dispatcher& TheDispatcher() {
    static auto* dispatcher = [] {
        AtProcessEnd(&UiThread::Shutdown);
        return new Dispatcher;
    }();
    return *dispatcher;
}

bool IsClosed() {
    std::lock_guard lock(TheDispatcher().mutex);
    return TheDispatcher().closed || QCoreApplication::instance() == nullptr;
}

}  // namespace

namespace UiThread {

bool IsUiThread() {
    auto* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

void Post(std::function<void()> function) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr || IsClosed()) return;
    QMetaObject::invokeMethod(
        app,
        [function = std::move(function)] {
            if (!IsClosed()) function();
        },
        Qt::QueuedConnection);
}

bool RunAndWait(std::function<void()> function) {
    if (IsUiThread()) {
        function();
        return true;
    }
    auto* app = QCoreApplication::instance();
    if (app == nullptr || IsClosed()) return false;
    auto call = std::make_shared<PendingCall>();
    call->function = std::move(function);
    QMetaObject::invokeMethod(
        app,
        [call] {
            if (!IsClosed()) call->function();
            std::lock_guard lock(call->mutex);
            call->done = true;
            call->finished.notify_all();
        },
        Qt::QueuedConnection);

    // Wait for the call, but give up as soon as the application ends: the queued call may
    // never be delivered then.
    std::unique_lock lock(call->mutex);
    while (!call->done) {
        call->finished.wait_for(lock, std::chrono::milliseconds(20));
        if (!call->done && IsClosed()) return false;
    }
    return true;
}

void Shutdown() {
    std::lock_guard lock(TheDispatcher().mutex);
    TheDispatcher().closed = true;
}

}  // namespace UiThread
