#pragma once

#include <httplib.h>

#include "ServiceOptions.h"

// The HTTP side of the service: routes GET /chart to ChartReply, gives every error status
// an HTML page and, when asked, logs one line per request.
class ChartServer {
public:
    explicit ChartServer(const ServiceOptions& options);

    // Binds the listening socket and returns the port, or -1 when binding failed.
    int Bind();
    // Serves until Stop is called; false when serving could not start.
    bool Serve();
    // Ends Serve from another thread. Safe to call once Serve may have started.
    void Stop();
    bool IsServing() const { return server_.is_running(); }

private:
    void HandleChart(const httplib::Request& request, httplib::Response& response) const;
    void Log(const httplib::Request& request, const httplib::Response& response) const;

    ServiceOptions options_;
    httplib::Server server_;
};
