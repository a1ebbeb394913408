#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The skin file in memory: INI text with ordered sections and keys and case-sensitive lookup.
// A section header that repeats adds its keys to the first section of that name; a key that
// repeats keeps its first value. Names and values lose their surrounding blanks; lines that
// are neither headers nor "name=value" are ignored.
class TsIniFile {
public:
    struct Section {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Keys;
        std::unordered_map<std::string, std::size_t> Index;
    };

    TsIniFile() = default;
    explicit TsIniFile(std::string_view text) { Parse(text); }

    void Parse(std::string_view text);
    void Clear();

    const std::vector<Section>& Sections() const { return sections_; }
    const Section* FindSection(std::string_view name) const;
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // A value that is not a decimal number reads as absent.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // "." is the decimal separator whatever the process locale says.
    double ReadReal(std::string_view section, std::string_view key, double fallback) const;

private:
    Section& SectionNamed(const std::string& name);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_;
};

namespace skin {
// Decimal integer with an optional sign, nothing else; never touches the locale.
std::optional<std::int32_t> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text);
// "1" or "TRUE" in any case.
bool ParseBoolean(std::string_view text);
}  // namespace skin
