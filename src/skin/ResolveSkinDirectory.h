#pragma once

#include <string>

// The skin folder a SkinDirectory value names, ending in "/": ".." climbs from the program's
// folder, "./" and names that are not absolute start in it; a trailing "\" counts as "/".
// programFolder ends with "/".
std::string ResolveSkinDirectory(const std::string& value, const std::string& programFolder);
// The value with one trailing "/" (the package probe's form of the directory).
std::string WithTrailingSlash(const std::string& value);
