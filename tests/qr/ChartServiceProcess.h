#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

// The built chart-service binary, started on a free loopback port for one test.
class ChartServiceProcess {
public:
    // Starts chart-service --port 0 with the extra arguments; its standard error goes to
    // stderrFile when one is named. Throws when it does not report its port in time.
    explicit ChartServiceProcess(std::vector<std::string> arguments = {},
                                 std::string stderrFile = {});
    ~ChartServiceProcess();
    ChartServiceProcess(const ChartServiceProcess&) = delete;
    ChartServiceProcess& operator=(const ChartServiceProcess&) = delete;

    int Port() const { return port_; }
    std::string HostPort() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string Address(std::string_view target) const {
        return "http://" + HostPort() + std::string(target);
    }

    // Sends the signal and waits for the process; returns its exit code, or -1 when it
    // did not exit normally within a generous time.
    int Stop(int signal);

    static std::string BinaryPath();

private:
    pid_t pid_ = -1;
    int port_ = 0;
};
