#include "SiteServer.h"

#include "RequestLog.h"
#include "SiteLimits.h"
#include "SitePages.h"

namespace {

// Idle keep-alive connections hold a worker until this passes, and shutdown waits for them.
constexpr time_t kKeepAliveSeconds = 2;

void SendPage(int status, const std::string& body, httplib::Response& response) {
    response.status = status;
    response.set_content(body, SitePages::kContentType);
}

}  // namespace

SiteServer::SiteServer(const SiteOptions& options) : options_(options) {
    server_.set_keep_alive_timeout(kKeepAliveSeconds);
    // The library answers a longer declared body with 413 before it reads it.
    server_.set_payload_max_length(SiteLimits::kMaxBodyBytes);
    // The scripts read their bodies themselves: the library's own reading refuses form
    // bodies over 8 KiB, below the limit of the site.
    server_.Post("/requests/getytvideoid.php",
                 [this](const httplib::Request&, httplib::Response& response,
                        const httplib::ContentReader& reader) {
                     AnswerScript(options_.tutorial, reader, response);
                 });
    server_.Post("/requests/checkversionid.php",
                 [this](const httplib::Request&, httplib::Response& response,
                        const httplib::ContentReader& reader) {
                     AnswerScript(options_.version, reader, response);
                 });
    RoutePages();
    // Statuses the library sets on its own (unknown path, over-long body) would otherwise go
    // out with an empty body.
    const httplib::Server::HandlerWithResponse fillErrorPage = [](const httplib::Request&,
                                                                  httplib::Response& response) {
        if (!response.body.empty()) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        SendPage(response.status, SitePages::ErrorPage(response.status), response);
        return httplib::Server::HandlerResponse::Handled;
    };
    server_.set_error_handler(fillErrorPage);
    if (options_.verbose) {
        server_.set_logger(RequestLog::Write);
    }
}

void SiteServer::RoutePages() {
    server_.Get("/", [](const httplib::Request&, httplib::Response& response) {
        SendPage(200, SitePages::Index(), response);
    });
    server_.Get("/vexmora.html", [](const httplib::Request& request, httplib::Response& response) {
        SendPage(200,
                 SitePages::ProductPage(request.get_param_value("social"),
                                        request.has_param("playvideo")),
                 response);
    });
    server_.Get("/donate-free-software.html",
                [](const httplib::Request&, httplib::Response& response) {
                    SendPage(200, SitePages::DonationPage(), response);
                });
    server_.Get("/url-shortener.html", [](const httplib::Request&, httplib::Response& response) {
        SendPage(200, SitePages::UrlShortenerPage(), response);
    });
}

// Reads the body up to the limit; false when it was longer or could not be read, with the
// error page in the response.
bool SiteServer::ReadBody(const httplib::ContentReader& reader, httplib::Response& response) const {
    std::string body;
    bool tooLarge = false;
    const bool complete = reader([&](const char* data, std::size_t length) {
        if (length > SiteLimits::kMaxBodyBytes - body.size()) {
            tooLarge = true;
            return false;
        }
        body.append(data, length);
        return true;
    });
    if (options_.verbose) {
        RequestLog::KeepBody(std::move(body));
    }
    if (tooLarge || !complete) {
        // The library has set 413 itself when the declared length was over its limit.
        const int status = tooLarge || response.status == 413 ? 413 : 400;
        SendPage(status, SitePages::ErrorPage(status), response);
        return false;
    }
    return true;
}

void SiteServer::AnswerScript(const ScriptReply& script, const httplib::ContentReader& reader,
                              httplib::Response& response) const {
    if (!ReadBody(reader, response)) {
        return;
    }
    for (const std::string& cookie : options_.cookies) {
        response.headers.emplace("Set-Cookie", cookie);
    }
    if (script.delay.count() > 0 && stop_.WaitFor(script.delay)) {
        SendPage(503, SitePages::ErrorPage(503), response);
        return;
    }
    if (script.status != 200) {
        // A redirect names a place to go, or clients would report a broken reply instead.
        if (script.status >= 300 && script.status < 400) {
            response.set_header("Location", "/");
        }
        SendPage(script.status, SitePages::ErrorPage(script.status), response);
        return;
    }
    response.status = 200;
    response.set_content(script.body, SitePages::kContentType);
}
