#pragma once

#include <functional>
#include <string>
#include <vector>

// A reply as libcurl, a client outside the code under test, receives it.
struct WebReply {
    long status = 0;  // 0 when no reply arrived
    std::string contentType;
    std::string location;
    std::vector<std::string> setCookies;  // the Set-Cookie header values, in order
    std::string body;
    std::string error;  // libcurl's message when the transfer failed
};

struct WebRequest {
    std::string url;
    std::string method = "GET";
    std::string body;                  // sent as a form when the method is POST
    std::vector<std::string> headers;  // "Name: value" lines added to the request
    // Called once the whole body has gone out.
    std::function<void()> onSent;
};

WebReply Fetch(const WebRequest& request);
