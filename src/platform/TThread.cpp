#include "platform/TThread.h"

#include <thread>

#include "platform/UiThread.h"

TThread::TThread() = default;

TThread::~TThread() = default;

void TThread::Start() {
    if (started_.exchange(true)) return;
    std::thread(&TThread::Run, this).detach();
}

void TThread::Run(TThread* thread) {
    try {
        thread->Execute();
    } catch (const std::exception& error) {
        // As with the platform's thread class, an escaping error ends the thread quietly.
        thread->fatalMessage_ = error.what();
    } catch (...) {
        thread->fatalMessage_ = "Unknown error";
    }
    if (thread->FreeOnTerminate) delete thread;
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (!UiThread::RunAndWait(method)) throw EThreadAbandoned();
}
