#include "skin/data/SkinLookup.h"

#include <array>

#include "skin/data/SkinLimits.h"

namespace {

// The classic desktop scheme's colours, by system colour index (scroll bar, desktop, active
// caption, ..., menu bar). We have no desktop to ask, so these stand for it.
constexpr std::array<TColor, 31> kSystemColors = {
    MakeColor(200, 200, 200), MakeColor(0, 0, 0),       MakeColor(153, 180, 209),
    MakeColor(191, 205, 219), MakeColor(240, 240, 240), MakeColor(255, 255, 255),
    MakeColor(100, 100, 100), MakeColor(0, 0, 0),       MakeColor(0, 0, 0),
    MakeColor(0, 0, 0),       MakeColor(180, 180, 180), MakeColor(244, 247, 252),
    MakeColor(171, 171, 171), MakeColor(0, 120, 215),   MakeColor(255, 255, 255),
    MakeColor(240, 240, 240), MakeColor(160, 160, 160), MakeColor(109, 109, 109),
    MakeColor(0, 0, 0),       MakeColor(0, 0, 0),       MakeColor(255, 255, 255),
    MakeColor(105, 105, 105), MakeColor(227, 227, 227), MakeColor(0, 0, 0),
    MakeColor(255, 255, 225), MakeColor(0, 0, 0),       MakeColor(0, 102, 204),
    MakeColor(185, 209, 234), MakeColor(215, 228, 242), MakeColor(0, 120, 215),
    MakeColor(240, 240, 240)};

// The parent of a section, or empty when it names none or itself.
std::string ParentOf(const TsIniFile& ini, std::string_view section) {
    const auto parent = ini.Value(section, kParentClassKey);
    if (!parent || parent->empty() || *parent == section) return {};
    return std::string(*parent);
}

}  // namespace

std::int32_t ResolveSystemColor(std::int32_t value) {
    if (value >= -1) return value;
    const auto index = static_cast<std::uint32_t>(value) & 0xFF;
    return index < kSystemColors.size() ? static_cast<std::int32_t>(kSystemColors[index]) : 0;
}

std::string ReadSkinString(const TsIniFile& ini, std::string_view section, std::string_view key,
                           std::string_view fallback) {
    std::string current(section);
    for (int hop = 0; hop <= skin::kMaxParentHops && !current.empty(); ++hop) {
        const auto value = ini.Value(current, key);
        if (value) return std::string(*value);
        current = ParentOf(ini, current);
    }
    return std::string(fallback);
}

std::int32_t ReadSkinInteger(const TsIniFile& ini, std::string_view section, std::string_view key,
                             std::int32_t fallback) {
    const std::int32_t own = ini.ReadInteger(section, key, -1);
    if (own != -1) return own;
    std::string current = ParentOf(ini, section);
    for (int hop = 1; hop <= skin::kMaxParentHops && !current.empty(); ++hop) {
        const std::int32_t inherited = ini.ReadInteger(current, key, -1);
        if (inherited != -1) return ResolveSystemColor(inherited);
        current = ParentOf(ini, current);
    }
    return fallback;
}
