#pragma once

#include <string>
#include <vector>

// The skin engine's command-line switches.
struct SkinSwitches {
    static constexpr const char* kVersionText = "Tarnwick v7.60";

    // "/acver" as any parameter: show the engine's version once at start.
    bool ShowVersion = false;
    // "/actest": the old-skin notice of the version check.
    bool Test = false;
    // "/acpreview" as the first parameter: the skin editor's preview link.
    bool Preview = false;

    // From the parameters (the program name excluded), compared in lower case.
    static SkinSwitches Parse(const std::vector<std::string>& parameters);
    // The switches of this process, read once.
    static SkinSwitches& Current();
    // Shows kVersionText in a plain message box when ShowVersion is set (once per process).
    static void AnnounceVersion();
};
