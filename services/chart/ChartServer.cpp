#include "ChartServer.h"

#include <cstdio>

#include "ChartLimits.h"
#include "ChartReply.h"

namespace {

// Idle keep-alive connections hold a worker until this passes, and shutdown waits for them.
constexpr time_t kKeepAliveSeconds = 2;

void Send(const ChartReply& reply, httplib::Response& response) {
    response.status = reply.status;
    response.set_content(reply.body, reply.contentType.c_str());
}

}  // namespace

ChartServer::ChartServer(const ServiceOptions& options) : options_(options) {
    server_.set_keep_alive_timeout(kKeepAliveSeconds);
    // The library refuses only request lines over 8 KiB with 414; ours is stricter, and
    // checking before routing answers every path alike.
    server_.set_pre_routing_handler([](const httplib::Request& request,
                                       httplib::Response& response) {
        if (request.target.size() <= ChartLimits::kMaxTargetLength) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        Send(ChartReply::ErrorPage(414, "The request is longer than 2048 characters."), response);
        return httplib::Server::HandlerResponse::Handled;
    });
    server_.Get("/chart", [this](const httplib::Request& request, httplib::Response& response) {
        HandleChart(request, response);
    });
    // Statuses the library sets on its own (unknown path, refused method, over-long
    // request line) would otherwise go out with an empty body.
    const httplib::Server::HandlerWithResponse fillErrorPage = [](const httplib::Request&,
                                                                  httplib::Response& response) {
        if (!response.body.empty()) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        const int status = response.status;
        Send(ChartReply::ErrorPage(status, StatusReason(status)), response);
        return httplib::Server::HandlerResponse::Handled;
    };
    server_.set_error_handler(fillErrorPage);
    if (options_.verbose) {
        server_.set_logger([this](const httplib::Request& request,
                                  const httplib::Response& response) { Log(request, response); });
    }
}

void ChartServer::HandleChart(const httplib::Request& request, httplib::Response& response) const {
    // The raw target, not the library's parsed parameters: those also decode "%uXXXX",
    // and the service decodes exactly what a form encoder produces.
    Send(ChartReply::ForTarget(request.target, options_.form), response);
}

void ChartServer::Log(const httplib::Request& request, const httplib::Response& response) const {
    // Requests the library refuses before parsing them (an over-long line) carry no details.
    const auto orDash = [](const std::string& text) { return text.empty() ? "-" : text.c_str(); };
    std::fprintf(stderr, "%s \"%s %s\" %d %zu\n", orDash(request.remote_addr),
                 orDash(request.method), orDash(request.target), response.status,
                 response.body.size());
    std::fflush(stderr);
}
