#pragma once

#include <string>

// The installation values the installer wrote for a product. Each reader opens the key
// "\Software\Orvanti\<product>" read-only, reads one string value and closes the key again.
// They never fail: a missing key or value, a value of another type or any other store error
// yields the empty string.
std::string ReadInstalledVersion(const std::string& product);
std::string ReadInstalledWebsite(const std::string& product);
