#pragma once

#include <httplib.h>

#include "ServiceOptions.h"

// The HTTP side of the service: routes GET /chart to ChartReply, gives every error status
// an HTML page and, when asked, logs one line per request.
class ChartServer {
public:
    explicit ChartServer(const ServiceOptions& options);

    // The routed server, for binding, serving and stopping.
    httplib::Server& Http() { return server_; }

private:
    void HandleChart(const httplib::Request& request, httplib::Response& response) const;
    void Log(const httplib::Request& request, const httplib::Response& response) const;

    ServiceOptions options_;
    httplib::Server server_;
};
