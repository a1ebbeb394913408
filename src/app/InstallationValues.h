#pragma once

#include <string>

// Process-wide installation values. They are written only on the UI thread while the main
// window is created and only read afterwards, so they need no lock.
extern std::string AppVersion;    // installed version, a decimal number such as "1.0"
extern std::string AppWebsite;    // the product page, base of every product link
extern std::string AppWebHost;    // the maker's web host
extern std::string FeedbackLink;  // "mailto:feedback@" until the main window appends the domain

// The mailbox domain of a web host "name[:port]": the name alone, as a port is no part of a
// mail address (feedback@localhost:8421 names no mailbox).
std::string MailDomainOf(const std::string& webHost);
