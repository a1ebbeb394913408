#include "platform/base/Registry.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/Text.h"

namespace {

// A store file is a handful of lines; anything larger is not one of ours.
constexpr std::size_t kMaxStoreFileSize = 64 * 1024;

constexpr std::string_view kLocalMachine = "HKEY_LOCAL_MACHINE";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Reads a quoted string with the export format's \\ and \" escapes starting at text[pos],
// which must be the opening quote. Advances pos past the closing quote.
std::optional<std::string> ReadQuoted(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') return std::nullopt;
    std::string result;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return result;
        }
        if (c == '\\') {
            if (++pos >= text.size()) return std::nullopt;
            result += text[pos];
        } else {
            result += c;
        }
    }
    return std::nullopt;
}

struct ValueLine {
    std::string name;
    RegistryValue value;
    bool continues = false;  // hex data continued on the next line
};

std::optional<ValueLine> ParseValueLine(std::string_view line) {
    ValueLine result;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else {
        auto name = ReadQuoted(line, pos);
        if (!name) return std::nullopt;
        result.name = *name;
    }
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    ++pos;
    if (pos < line.size() && line[pos] == '"') {
        auto data = ReadQuoted(line, pos);
        if (!data || pos != line.size()) return std::nullopt;
        result.value = {RegistryValueType::String, *data};
        return result;
    }
    // dword:, hex:, hex(n): and the like: typed values that are not strings.
    const std::string_view rest = line.substr(pos);
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    result.value = {RegistryValueType::Other, std::string(rest.substr(colon + 1))};
    result.continues = !rest.empty() && rest.back() == '\\';
    return result;
}

std::string DirectoryOfProgram() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return {};
    std::string path(buffer.data(), static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(kMaxStoreFileSize + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > kMaxStoreFileSize || in.bad()) return std::nullopt;
    text.resize(got);
    return text;
}

}  // namespace

namespace RegistryStore {

std::optional<std::map<std::string, RegistryValue>> ParseKey(std::string_view fileText,
                                                             std::string_view fullKeyPath) {
    if (fileText.starts_with("\xEF\xBB\xBF")) fileText.remove_prefix(3);
    const auto lines = SplitLines(fileText);
    std::size_t index = 0;
    while (index < lines.size() && Trim(lines[index]).empty()) ++index;
    if (index < lines.size() &&
        (lines[index] == "Windows Registry Editor Version 5.00" || lines[index] == "REGEDIT4")) {
        ++index;
    }
    const std::string wanted = UpperCase(fullKeyPath);
    std::optional<std::map<std::string, RegistryValue>> found;
    bool inWanted = false;
    bool inKey = false;
    bool continuation = false;
    for (; index < lines.size(); ++index) {
        const std::string line = Trim(lines[index]);
        if (continuation) {
            continuation = !line.empty() && line.back() == '\\';
            continue;
        }
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return std::nullopt;
            inKey = true;
            inWanted = UpperCase(std::string_view(line).substr(1, line.size() - 2)) == wanted;
            if (inWanted && !found) found.emplace();
            continue;
        }
        if (!inKey) return std::nullopt;
        auto value = ParseValueLine(line);
        if (!value) return std::nullopt;
        continuation = value->continues;
        if (inWanted) (*found)[UpperCase(value->name)] = value->value;
    }
    return found;
}

std::string SearchPath() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string path = (dirs && *dirs) ? dirs : "/etc/xdg";
    const std::string programDir = DirectoryOfProgram();
    if (!programDir.empty()) path += ":" + programDir + "/../etc/xdg";
    return path;
}

}  // namespace RegistryStore

bool TRegistry::OpenKeyReadOnly(std::string_view key) {
    CloseKey();
    // Only product keys "\Software\<Company>\<Product>" live in the store.
    const std::string_view prefix = "\\Software\\";
    if (key.size() <= prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) {
        return false;
    }
    const std::string_view rest = key.substr(prefix.size());
    const std::size_t slash = rest.find('\\');
    if (slash == std::string_view::npos || slash == 0 || slash + 1 >= rest.size() ||
        rest.find_first_of("\\/", slash + 1) != std::string_view::npos ||
        rest.substr(0, slash).find('/') != std::string_view::npos) {
        return false;
    }
    const std::string relative =
        std::string(rest.substr(0, slash)) + "/" + std::string(rest.substr(slash + 1)) + ".reg";
    const std::string fullKey = std::string(kLocalMachine) + std::string(key);

    std::istringstream folders(RegistryStore::SearchPath());
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty()) continue;
        auto text = ReadSmallFile(folder + "/" + relative);
        if (!text) continue;
        // The first store file found is the installation's; a broken one is not skipped.
        auto values = RegistryStore::ParseKey(*text, fullKey);
        if (!values) return false;
        values_ = std::move(*values);
        open_ = true;
        return true;
    }
    return false;
}

std::optional<std::string> TRegistry::ReadString(std::string_view name) const {
    if (!open_) return std::nullopt;
    const auto it = values_.find(UpperCase(name));
    if (it == values_.end() || it->second.type != RegistryValueType::String) return std::nullopt;
    return it->second.data;
}

void TRegistry::CloseKey() {
    values_.clear();
    open_ = false;
}
