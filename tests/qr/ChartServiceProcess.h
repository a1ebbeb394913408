#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ServiceProcess.h"

// The built chart-service binary, started on a free loopback port for one test.
class ChartServiceProcess : public ServiceProcess {
public:
    // Starts chart-service --port 0 with the extra arguments; its standard error goes to
    // stderrFile when one is named. Throws when it does not report its port in time.
    explicit ChartServiceProcess(std::vector<std::string> arguments = {},
                                 const std::string& stderrFile = {})
        : ServiceProcess("chart-service", std::move(arguments), stderrFile) {}

    std::string HostPort() const { return "127.0.0.1:" + std::to_string(Port()); }

    static std::string BinaryPath() { return ServiceProcess::BinaryPath("chart-service"); }
};
