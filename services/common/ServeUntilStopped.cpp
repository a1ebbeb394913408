#include "ServeUntilStopped.h"

#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "ServiceStop.h"

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

void WaitForStopSignal(httplib::Server& server, ServiceStop* stop,
                       const std::atomic<bool>& serveEnded, std::atomic<bool>& stopped) {
    const sigset_t signals = StopSignals();
    int signal = 0;
    sigwait(&signals, &signal);
    if (serveEnded) {
        return;
    }
    stopped = true;
    if (stop) {
        stop->Request();
    }
    // Stop only acts on a running server and must be called once.
    while (!server.is_running() && !serveEnded) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!serveEnded) {
        server.stop();
    }
}

int Bind(httplib::Server& server, const std::string& host, int port) {
    // The library's default also sets SO_REUSEPORT, which lets a second service bind a port
    // that is taken and share its connections; only a restart over old connections is meant.
    server.set_socket_options([](socket_t socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    if (port == 0) {
        return server.bind_to_any_port(host);
    }
    return server.bind_to_port(host, port) ? port : -1;
}

}  // namespace

int ServeUntilStopped(const char* serviceName, httplib::Server& server, const std::string& host,
                      int port, ServiceStop* stop) {
    const sigset_t signals = StopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    const int boundPort = Bind(server, host, port);
    if (boundPort < 0) {
        std::fprintf(stderr, "%s: cannot listen on %s:%d\n", serviceName, host.c_str(), port);
        return 1;
    }
    std::printf("listening on %s:%d\n", host.c_str(), boundPort);
    std::fflush(stdout);

    std::atomic<bool> serveEnded = false;
    std::atomic<bool> stopped = false;
    std::thread signalThread([&] { WaitForStopSignal(server, stop, serveEnded, stopped); });
    const bool served = server.listen_after_bind();
    serveEnded = true;
    if (!stopped) {
        pthread_kill(signalThread.native_handle(), SIGTERM);
    }
    signalThread.join();
    return served || stopped ? 0 : 1;
}
