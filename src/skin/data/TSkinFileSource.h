#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/TacSkinConvertor.h"

// Where a skin's pictures come from: a package in memory or a skin folder. Names are matched
// without regard to case.
class TSkinFileSource {
public:
    virtual ~TSkinFileSource() = default;
    // The bytes of the named file, valid as long as the source; nothing when there is no such
    // file. Raises ESkinError for a file that is there but refused (too large, not regular).
    virtual std::optional<std::span<const std::uint8_t>> Fetch(const std::string& name) = 0;
    // Whether names holding ":" (absolute paths of the skins' home system) are looked up.
    virtual bool IsFolder() const = 0;
};

class TSkinPackageSource : public TSkinFileSource {
public:
    explicit TSkinPackageSource(const TacSkinConvertor& package) : package_(package) {}
    std::optional<std::span<const std::uint8_t>> Fetch(const std::string& name) override;
    bool IsFolder() const override { return false; }

private:
    const TacSkinConvertor& package_;
};

// Reads only regular files directly inside the folder, each of at most skin::kMaxEntryBytes.
// A name holding "/" or ":", or equal to "." or "..", is never turned into a path.
class TSkinFolderSource : public TSkinFileSource {
public:
    explicit TSkinFolderSource(std::string folder);
    std::optional<std::span<const std::uint8_t>> Fetch(const std::string& name) override;
    bool IsFolder() const override { return true; }
    // Options.dat of the folder (at most skin::kMaxOptionsBytes), or ESkinError.
    std::string ReadSkinFile();

private:
    std::string folder_;
    std::map<std::string, std::string> regularFiles_;  // upper-cased name -> name on disk
    std::map<std::string, std::vector<std::uint8_t>> read_;
    std::size_t readTotal_ = 0;
};
