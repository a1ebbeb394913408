// Ends the way the application ends while worker threads are in one of several states:
//   running        workers busy with their own work (sleeping, computing)
//   synchronizing  workers calling Synchronize in a tight loop as the event loop stops
//   queued         workers waiting in Synchronize for calls the UI thread never reaches
//   abandoned      a worker calling Synchronize after the loop ended must be released
// Exit status 0 means the process ended on its own; anything else is a failure.
#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/TThread.h"
#include "platform/UiThread.h"
#include "platform/base/ProcessExit.h"

namespace {

std::atomic<int> synchronizedCalls{0};

class Worker : public TThread {
public:
    explicit Worker(const char* mode) : mode_(mode) { FreeOnTerminate = true; }

protected:
    void Execute() override {
        if (std::strcmp(mode_, "running") == 0) {
            for (;;) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        for (;;) {
            Synchronize([] {
                ++synchronizedCalls;
                if (std::strcmp(QCoreApplication::arguments().value(1).toUtf8().constData(),
                                "queued") == 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                }
            });
        }
    }

private:
    const char* mode_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    const char* mode = argv[1];
    QCoreApplication application(argc, argv);
    const int workers = std::strcmp(mode, "queued") == 0 ? 16 : 4;
    if (std::strcmp(mode, "abandoned") != 0) {
        for (int i = 0; i < workers; ++i) (new Worker(mode))->Start();
    }
    QTimer::singleShot(200, &application, &QCoreApplication::quit);
    QCoreApplication::exec();

    if (std::strcmp(mode, "abandoned") == 0) {
        // After the loop nothing runs calls any more: a late Synchronize must return, not hang.
        UiThread::Shutdown();
        std::atomic<bool> released{false};
        class Late : public TThread {
        public:
            explicit Late(std::atomic<bool>& released) : released_(released) {}

        protected:
            void Execute() override {
                try {
                    Synchronize([] {});
                } catch (const EThreadAbandoned&) {
                    released_ = true;
                }
            }

        private:
            std::atomic<bool>& released_;
        } late(released);
        late.Start();
        for (int i = 0; i < 500 && !released; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!released) EndProcess(3);
    } else if (std::strcmp(mode, "running") != 0 && synchronizedCalls == 0) {
        std::fprintf(stderr, "no synchronised call ran\n");
        EndProcess(4);
    }
    EndProcess(0);
}
