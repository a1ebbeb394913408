#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of header lines "Name: value". A line that begins with a space or a tab
// continues the value of the line before it (RFC 2616 section 2.2, folding). Names compare
// ignoring letter case.
class TIdHeaderList {
public:
    static constexpr std::size_t kDefaultFoldLength = 78;

    explicit TIdHeaderList(std::size_t foldLength = kDefaultFoldLength) : foldLength_(foldLength) {}

    // The value of the first line of that name, its continuation lines joined with one space
    // and trimmed; empty when there is no such line.
    std::string HeaderValue(std::string_view name) const;
    // Appends the value of every line of that name to target, in order.
    void CollectHeader(std::string_view name, std::vector<std::string>& target) const;
    // Replaces the first line of that name (with its continuation lines) or appends one,
    // folding a line longer than the fold length; an empty value deletes the line.
    void SetHeader(std::string_view name, std::string_view value);

    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Clear() { lines_.clear(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t Count() const { return lines_.size(); }
    std::size_t FoldLength() const { return foldLength_; }

private:
    std::optional<std::size_t> IndexOfName(std::string_view name, std::size_t from = 0) const;
    // The value of the line at index with its continuation lines.
    std::string ValueAt(std::size_t index) const;
    // The index just past the line at index and its continuation lines.
    std::size_t EndOfLine(std::size_t index) const;
    std::vector<std::string> Fold(std::string line) const;

    std::vector<std::string> lines_;
    std::size_t foldLength_;
};
