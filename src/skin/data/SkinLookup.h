#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/raster/RasterTypes.h"
#include "skin/data/TsIniFile.h"

// Lookups with inheritance: a section names another in PARENTCLASS, and a key the section
// lacks is searched along that chain, at most skin::kMaxParentHops sections deep.

inline constexpr std::string_view kParentClassKey = "PARENTCLASS";

// The key's value (an empty one too); the section's PARENTCLASS chain when the section lacks
// the key; fallback when no section in the chain has it.
std::string ReadSkinString(const TsIniFile& ini, std::string_view section, std::string_view key,
                           std::string_view fallback);

// The key's value as an integer, -1 (stored or unreadable) counting as absent. A value found
// in the section itself is returned as it is; one found up the chain goes through
// ResolveSystemColor; fallback (unconverted) when nothing is found.
std::int32_t ReadSkinInteger(const TsIniFile& ini, std::string_view section, std::string_view key,
                             std::int32_t fallback);

// Negative values other than -1 name a system colour by the index in their low byte, and are
// replaced by that colour's RGB; every other value is returned unchanged.
std::int32_t ResolveSystemColor(std::int32_t value);
