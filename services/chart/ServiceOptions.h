#pragma once

#include <string>
#include <vector>

#include "PngForm.h"
#include "Utf8Designator.h"

// The command line of chart-service.
struct ServiceOptions {
    std::string host = "127.0.0.1";
    int port = 8420;  // 0 picks a free port
    PngForm form;
    EciPolicy eci = EciPolicy::Auto;
    bool verbose = false;
    bool help = false;

    // Raises Exception with a one-line reason for an unknown or malformed option.
    static ServiceOptions Parse(const std::vector<std::string>& arguments);
    static const char* Usage();
};
