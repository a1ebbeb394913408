#pragma once

#include <httplib.h>

#include "ServiceStop.h"
#include "SiteOptions.h"

// The HTTP side of maker-site: the two request scripts, the pages, 404 for everything else,
// 413 for bodies over the limit and, when asked, one log line per request.
class SiteServer {
public:
    explicit SiteServer(const SiteOptions& options);

    httplib::Server& Http() { return server_; }
    // Requested when a stop signal arrives; delayed replies give up waiting then.
    ServiceStop& Stop() { return stop_; }

private:
    void RoutePages();
    bool ReadBody(const httplib::ContentReader& reader, httplib::Response& response) const;
    void AnswerScript(const ScriptReply& script, const httplib::ContentReader& reader,
                      httplib::Response& response) const;

    SiteOptions options_;
    ServiceStop stop_;
    httplib::Server server_;
};
