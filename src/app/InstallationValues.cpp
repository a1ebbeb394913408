#include "app/InstallationValues.h"

std::string AppVersion;
std::string AppWebsite;
std::string AppWebHost;
std::string FeedbackLink = "mailto:feedback@";

std::string MailDomainOf(const std::string& webHost) {
    const auto colon = webHost.rfind(':');
    // An address literal in brackets keeps its colons; only a trailing ":digits" is a port.
    if (colon == std::string::npos || colon + 1 == webHost.size() ||
        webHost.find(']', colon) != std::string::npos) {
        return webHost;
    }
    for (std::size_t i = colon + 1; i < webHost.size(); ++i) {
        if (webHost[i] < '0' || webHost[i] > '9') return webHost;
    }
    return webHost.substr(0, colon);
}
