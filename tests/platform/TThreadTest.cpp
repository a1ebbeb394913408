#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/TThread.h"
#include "platform/UiThread.h"

namespace {

// Reports through flags owned by the test, since the worker frees itself when it ends.
struct WorkerReport {
    std::atomic<bool> ranOnUiThread{false};
    std::atomic<bool> waitedForTheCall{false};
    std::atomic<int> destroyed{0};
};

class ReportingWorker : public TThread {
public:
    explicit ReportingWorker(WorkerReport& report) : report_(report) { FreeOnTerminate = true; }
    ~ReportingWorker() override { ++report_.destroyed; }

protected:
    void Execute() override {
        bool done = false;
        Synchronize([&] {
            report_.ranOnUiThread = UiThread::IsUiThread();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            done = true;
        });
        report_.waitedForTheCall = done;
        UiThread::Post([] { QCoreApplication::quit(); });
    }

private:
    WorkerReport& report_;
};

TEST(TThread, SynchronizeRunsOnTheUiThreadWhileTheWorkerWaitsThenTheWorkerFreesItself) {
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    WorkerReport report;
    (new ReportingWorker(report))->Start();
    QTimer::singleShot(5000, &application, &QCoreApplication::quit);
    QCoreApplication::exec();
    for (int i = 0; i < 400 && report.destroyed == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(report.ranOnUiThread);
    EXPECT_TRUE(report.waitedForTheCall);
    EXPECT_EQ(report.destroyed, 1);
}

// The probe is a real program ending like the application ends; each mode leaves its workers
// in another state. It must end at once with status 0.
int RunProbe(const std::string& mode) {
    const std::string probe = std::string(VEXMORA_BINARY_DIR) + "/tests/bin/thread_exit_probe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(probe.c_str(), probe.c_str(), mode.c_str(), nullptr);
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(TThread, ApplicationEndsWhileWorkersRunOrWaitInSynchronize) {
    for (const char* mode : {"running", "synchronizing", "queued", "abandoned"}) {
        EXPECT_EQ(RunProbe(mode), 0) << mode;
    }
}

}  // namespace
