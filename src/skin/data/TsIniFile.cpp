#include "skin/data/TsIniFile.h"

#include <charconv>

#include "core/Text.h"

namespace skin {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+') return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseReal(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

bool ParseBoolean(std::string_view text) {
    const std::string upper = UpperCase(Trim(text));
    return upper == "1" || upper == "TRUE";
}

}  // namespace skin

void TsIniFile::Clear() {
    sections_.clear();
    index_.clear();
}

TsIniFile::Section& TsIniFile::SectionNamed(const std::string& name) {
    const auto found = index_.find(name);
    if (found != index_.end()) return sections_[found->second];
    index_.emplace(name, sections_.size());
    sections_.push_back(Section{name, {}, {}});
    return sections_.back();
}

void TsIniFile::Parse(std::string_view text) {
    Clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &SectionNamed(Trim(std::string_view(line).substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string::npos) continue;
        std::string key = Trim(std::string_view(line).substr(0, equals));
        if (key.empty() || current->Index.contains(key)) continue;
        current->Index.emplace(key, current->Keys.size());
        current->Keys.emplace_back(std::move(key), Trim(std::string_view(line).substr(equals + 1)));
    }
}

const TsIniFile::Section* TsIniFile::FindSection(std::string_view name) const {
    const auto found = index_.find(std::string(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::string_view> TsIniFile::Value(std::string_view section,
                                                 std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return std::nullopt;
    const auto found = s->Index.find(std::string(key));
    if (found == s->Index.end()) return std::nullopt;
    return std::string_view(s->Keys[found->second].second);
}

std::string TsIniFile::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    const auto value = Value(section, key);
    return std::string(value ? *value : fallback);
}

std::int32_t TsIniFile::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    return skin::ParseInteger(*value).value_or(fallback);
}

double TsIniFile::ReadReal(std::string_view section, std::string_view key, double fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    return skin::ParseReal(*value).value_or(fallback);
}
