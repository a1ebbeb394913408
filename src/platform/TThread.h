#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "core/Exception.h"

// A worker thread. It is created suspended, started with Start(), runs Execute() once and,
// when FreeOnTerminate is set, deletes itself at the end. Nothing waits for workers when the
// application ends: the process ends with them still running.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts the thread. A started thread that frees itself must not be touched afterwards.
    void Start();

    bool FreeOnTerminate = false;

    // The message of an exception that escaped Execute(), if any.
    const std::string& FatalMessage() const { return fatalMessage_; }

protected:
    virtual void Execute() = 0;

    // Runs the method on the UI thread while this thread waits. When the application is
    // ending and the UI thread no longer runs calls, raises EThreadAbandoned instead, which
    // unwinds Execute().
    void Synchronize(const std::function<void()>& method);

private:
    static void Run(TThread* thread);

    std::atomic<bool> started_{false};
    std::string fatalMessage_;
};

// Raised inside a worker whose synchronised call can no longer be carried out.
class EThreadAbandoned : public Exception {
public:
    EThreadAbandoned() : Exception("The application is ending") {}
};
