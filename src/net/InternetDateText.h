#pragma once

#include <string>

// Pieces of the Internet date reader, shared by its parts and its tests.

// Minutes east of UTC for "+hhmm" or "-hhmm"; 0 for anything else (zone names are UTC).
int ParseZoneOffset(const std::string& zone);
