#include "core/BuildConfig.h"

#include <cstdlib>

namespace {

std::string FromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return (value && *value) ? std::string(value) : std::string(fallback);
}

}  // namespace

namespace BuildConfig {

std::string ChartServiceHost() {
    return FromEnvironment("VEXMORA_CHART_HOST", VEXMORA_CHART_HOST);
}
std::string MakerWebHost() {
    return FromEnvironment("VEXMORA_WEB_HOST", VEXMORA_WEB_HOST);
}
const char* ProductVersion() {
    return VEXMORA_VERSION;
}

}  // namespace BuildConfig
