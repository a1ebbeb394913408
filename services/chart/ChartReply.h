#pragma once

#include <string>
#include <string_view>

#include "PngForm.h"
#include "Utf8Designator.h"

// The answer to one request for a chart: a PNG picture, or an HTML page explaining why not.
struct ChartReply {
    int status = 200;
    std::string contentType;
    std::string body;

    // Answers a GET of /chart whose request target (path and query, as sent) is target.
    static ChartReply ForTarget(std::string_view target, const PngForm& form, EciPolicy eci);
    // A short HTML page for an error status; message is plain text and gets escaped.
    static ChartReply ErrorPage(int status, std::string_view message);
};

// The reason phrase of the statuses the service answers with.
const char* StatusReason(int status);
