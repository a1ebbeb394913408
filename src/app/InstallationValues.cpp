#include "app/InstallationValues.h"

std::string AppVersion;
std::string AppWebsite;
std::string AppWebHost;
std::string FeedbackLink = "mailto:feedback@";
