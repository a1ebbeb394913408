#include "skin/data/TSkinFileSource.h"

#include <filesystem>
#include <system_error>

#include "core/Text.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"

std::optional<std::span<const std::uint8_t>> TSkinPackageSource::Fetch(const std::string& name) {
    const TacImageItem* item = package_.FindImage(name);
    if (item == nullptr || !item->Data) return std::nullopt;
    return item->Data->Bytes();
}

TSkinFolderSource::TSkinFolderSource(std::string folder) : folder_(std::move(folder)) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder_, error);
    if (error)
        throw ESkinError("Cannot read the skin folder \"" + folder_ + "\": " + error.message());
    for (const auto& entry : entries) {
        // symlink_status: a link could lead out of the skin folder.
        if (!std::filesystem::is_regular_file(entry.symlink_status(error))) continue;
        const std::string name = entry.path().filename().string();
        regularFiles_.emplace(UpperCase(name), name);
    }
}

std::optional<std::span<const std::uint8_t>> TSkinFolderSource::Fetch(const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/:") != std::string::npos || name.find('\0') != std::string::npos)
        return std::nullopt;
    const auto found = regularFiles_.find(UpperCase(name));
    if (found == regularFiles_.end()) return std::nullopt;
    auto cached = read_.find(found->second);
    if (cached == read_.end()) {
        auto bytes = skin::ReadRegularFile(folder_ + "/" + found->second, skin::kMaxEntryBytes);
        // The same bound as for the entries of a package together.
        if (bytes.size() > skin::kMaxTotalInflatedBytes - readTotal_)
            throw ESkinError("the skin folder's pictures exceed 128 MiB together");
        readTotal_ += bytes.size();
        cached = read_.emplace(found->second, std::move(bytes)).first;
    }
    return std::span<const std::uint8_t>(cached->second);
}

std::string TSkinFolderSource::ReadSkinFile() {
    const auto found = regularFiles_.find(UpperCase(skin::kOptionsFileName));
    if (found == regularFiles_.end())
        throw ESkinError("The skin folder \"" + folder_ + "\" has no Options.dat");
    const auto bytes = skin::ReadRegularFile(folder_ + "/" + found->second, skin::kMaxOptionsBytes);
    return std::string(bytes.begin(), bytes.end());
}
