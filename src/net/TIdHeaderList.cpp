#include "net/TIdHeaderList.h"

#include "core/Text.h"

namespace {

bool IsContinuation(const std::string& line) {
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

std::string TrimRight(std::string text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.pop_back();
    return text;
}

// The last place at or before limit where the line may be cut: just after a space, a tab
// or a comma outside double quotes, leaving at least one byte in front. Zero when none.
std::size_t LastBreak(const std::string& line, std::size_t limit) {
    std::size_t found = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size() && i < limit; ++i) {
        const char c = line[i];
        if (c == '"') quoted = !quoted;
        if (!quoted && i > 0 && (c == ' ' || c == '\t' || c == ',')) found = i + 1;
    }
    return found;
}

}  // namespace

std::optional<std::size_t> TIdHeaderList::IndexOfName(std::string_view name,
                                                      std::size_t from) const {
    for (std::size_t i = from; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && SameText(std::string_view(line).substr(0, colon), name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t TIdHeaderList::EndOfLine(std::size_t index) const {
    std::size_t end = index + 1;
    while (end < lines_.size() && IsContinuation(lines_[end])) ++end;
    return end;
}

std::string TIdHeaderList::ValueAt(std::size_t index) const {
    const std::string& line = lines_[index];
    std::string value = line.substr(line.find(':') + 1);
    for (std::size_t next = index + 1; next < lines_.size() && IsContinuation(lines_[next]);
         ++next) {
        value = Trim(value) + " " + Trim(lines_[next]);
    }
    return Trim(value);
}

std::string TIdHeaderList::HeaderValue(std::string_view name) const {
    const auto index = IndexOfName(name);
    return index ? ValueAt(*index) : std::string();
}

void TIdHeaderList::CollectHeader(std::string_view name, std::vector<std::string>& target) const {
    for (auto index = IndexOfName(name); index; index = IndexOfName(name, *index + 1)) {
        target.push_back(ValueAt(*index));
    }
}

void TIdHeaderList::SetHeader(std::string_view name, std::string_view value) {
    const auto index = IndexOfName(name);
    std::size_t at = lines_.size();
    if (index) {
        at = *index;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                     lines_.begin() + static_cast<std::ptrdiff_t>(EndOfLine(at)));
    }
    if (value.empty()) return;
    std::string line(name);
    line += ": ";
    line += value;
    const std::vector<std::string> pieces = Fold(std::move(line));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), pieces.begin(), pieces.end());
}

std::vector<std::string> TIdHeaderList::Fold(std::string line) const {
    std::vector<std::string> pieces;
    while (line.size() > foldLength_) {
        const std::size_t cut = LastBreak(line, foldLength_);
        if (cut == 0) break;
        pieces.push_back(TrimRight(line.substr(0, cut)));
        std::size_t rest = cut;
        while (rest < line.size() && (line[rest] == ' ' || line[rest] == '\t')) ++rest;
        line = " " + line.substr(rest);
    }
    pieces.push_back(std::move(line));
    return pieces;
}
