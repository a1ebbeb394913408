#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

// A built stand-in service (build/bin/NAME), started on a free loopback port for one test.
class ServiceProcess {
public:
    // Starts NAME --port 0 with the extra arguments; its standard error goes to stderrFile
    // when one is named. Throws when it does not report its port in time.
    ServiceProcess(const std::string& name, std::vector<std::string> arguments = {},
                   const std::string& stderrFile = {});
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    int Port() const { return port_; }
    std::string Address(std::string_view target) const {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(target);
    }

    // Sends the signal and waits for the process; returns its exit code, or -1 when it did
    // not exit normally within a generous time.
    int Stop(int signal);

    static std::string BinaryPath(const std::string& name);

    // Runs NAME with the arguments to its end; returns the exit code and, in output, what it
    // wrote on standard error.
    static int RunToEnd(const std::string& name, const std::vector<std::string>& arguments,
                        std::string& output);

private:
    pid_t pid_ = -1;
    int port_ = 0;
};
