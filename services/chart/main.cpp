// chart-service: a stand-in for the public chart service's QR endpoint, on loopback, for
// development and tests.

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ChartServer.h"
#include "ServiceOptions.h"
#include "core/Exception.h"

namespace {

// SIGINT and SIGTERM are blocked in every thread and taken by one waiting thread, which
// stops the server from ordinary code instead of from a signal handler.
sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

void WaitForStopSignal(ChartServer& server, const std::atomic<bool>& serveEnded,
                       std::atomic<bool>& stopped) {
    const sigset_t signals = StopSignals();
    int signal = 0;
    sigwait(&signals, &signal);
    if (serveEnded) {
        return;
    }
    stopped = true;
    // Stop only acts on a running server and must be called once.
    while (!server.IsServing() && !serveEnded) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!serveEnded) {
        server.Stop();
    }
}

int Run(const ServiceOptions& options) {
    const sigset_t signals = StopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    ChartServer server(options);
    const int port = server.Bind();
    if (port < 0) {
        std::fprintf(stderr, "chart-service: cannot listen on %s:%d\n", options.host.c_str(),
                     options.port);
        return 1;
    }
    std::printf("listening on %s:%d\n", options.host.c_str(), port);
    std::fflush(stdout);

    std::atomic<bool> serveEnded = false;
    std::atomic<bool> stopped = false;
    std::thread signalThread([&] { WaitForStopSignal(server, serveEnded, stopped); });
    const bool served = server.Serve();
    serveEnded = true;
    if (!stopped) {
        pthread_kill(signalThread.native_handle(), SIGTERM);
    }
    signalThread.join();
    return served || stopped ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    ServiceOptions options;
    try {
        options = ServiceOptions::Parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Exception& error) {
        std::fprintf(stderr, "chart-service: %s\n%s", error.Message().c_str(),
                     ServiceOptions::Usage());
        return 2;
    }
    if (options.help) {
        std::fputs(ServiceOptions::Usage(), stdout);
        return 0;
    }
    return Run(options);
}
