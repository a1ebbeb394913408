#pragma once

#include <chrono>
#include <string>
#include <vector>

// How one of the two request scripts answers.
struct ScriptReply {
    std::string body;  // sent exactly as given when the status is 200
    int status = 200;  // any other status answers a short HTML error page
    std::chrono::milliseconds delay{0};
};

// The command line of maker-site.
struct SiteOptions {
    std::string host = "127.0.0.1";
    int port = 8421;  // 0 picks a free port
    ScriptReply tutorial;
    ScriptReply version;
    std::vector<std::string> cookies;  // each one a Set-Cookie header of the script replies
    bool verbose = false;
    bool help = false;

    SiteOptions();

    // Raises Exception with a one-line reason for an unknown or malformed option.
    static SiteOptions Parse(const std::vector<std::string>& arguments);
    static const char* Usage();
};
