#pragma once

#include <string>

// Values fixed at build time. The hosts may be overridden at run time by an environment
// variable of the same name, for development and tests.
namespace BuildConfig {

std::string ChartServiceHost();  // VEXMORA_CHART_HOST, "host:port"
std::string MakerWebHost();      // VEXMORA_WEB_HOST, "host:port"
const char* ProductVersion();    // the project version, "1.0"

}  // namespace BuildConfig
