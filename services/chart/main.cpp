// chart-service: a stand-in for the public chart service's QR endpoint, on loopback, for
// development and tests.

#include <cstdio>
#include <string>
#include <vector>

#include "ChartServer.h"
#include "ServeUntilStopped.h"
#include "ServiceOptions.h"
#include "core/Exception.h"

namespace {

int Run(const ServiceOptions& options) {
    ChartServer server(options);
    return ServeUntilStopped("chart-service", server.Http(), options.host, options.port);
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
