#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// A read-only stand-in for the machine-wide registry. The installer writes each product's
// key as a registry export file, <Company>/<Product>.reg, into the first folder of
// $XDG_CONFIG_DIRS (default /etc/xdg); <program folder>/../etc/xdg is searched after those.
enum class RegistryRoot { LocalMachine };

enum class RegistryValueType { String, Other };

struct RegistryValue {
    RegistryValueType type = RegistryValueType::Other;
    std::string data;  // the decoded text of a string value
};

class TRegistry {
public:
    explicit TRegistry(RegistryRoot root = RegistryRoot::LocalMachine) : root_(root) {}

    // Opens "\Software\<Company>\<Product>" for reading. False when the store or the key is
    // missing, unreadable or malformed.
    bool OpenKeyReadOnly(std::string_view key);
    // The string value of that name in the open key; nothing when it is missing or of
    // another type.
    std::optional<std::string> ReadString(std::string_view name) const;
    void CloseKey();

private:
    RegistryRoot root_;
    std::map<std::string, RegistryValue> values_;  // upper-case value name -> value
    bool open_ = false;
};

namespace RegistryStore {

// Parses a registry export file and returns the values of one key (key path compared without
// regard to case). Nothing when the text is malformed or holds no such key.
std::optional<std::map<std::string, RegistryValue>> ParseKey(std::string_view fileText,
                                                             std::string_view fullKeyPath);

// The folders searched for store files, in order.
std::string SearchPath();

}  // namespace RegistryStore
