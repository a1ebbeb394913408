#include "skin/data/TsGradArray.h"

#include <algorithm>
#include <string>

#include "core/Text.h"
#include "skin/data/TsIniFile.h"

TsGradArray ParseGradientData(std::string_view text) {
    std::vector<std::int32_t> fields;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        const std::string_view field = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (Trim(field).empty()) continue;
        fields.push_back(skin::ParseInteger(field).value_or(0));
    }
    TsGradArray steps;
    for (std::size_t i = 0; i + 5 <= fields.size(); i += 5) {
        steps.push_back(TsGradStep{std::max(fields[i], 0), std::max(fields[i + 1], 0),
                                   std::clamp(fields[i + 2], 0, 100), fields[i + 3], 0});
    }
    return steps;
}
