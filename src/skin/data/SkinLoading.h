#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "skin/data/TsSkinContent.h"

// The three forms a skin comes in, each turned into a parsed skin with all passes run.
namespace skin {

inline constexpr const char* kInternalSkinName = "tv-b (internal)";
inline constexpr const char* kPackageExtension = ".asz";

// A package's bytes (a file's or the internal skin's). Raises ESkinError for a damaged package.
std::unique_ptr<TsSkinContent> LoadSkinPackage(std::span<const std::uint8_t> bytes);
// A package file: regular files of up to kMaxPackageFileBytes only.
std::unique_ptr<TsSkinContent> LoadSkinPackageFile(const std::string& fileName);
// An unpacked skin folder holding Options.dat and the pictures.
std::unique_ptr<TsSkinContent> LoadSkinFolder(const std::string& folder);
// A skin folder's pictures with a skin file text given from elsewhere.
std::unique_ptr<TsSkinContent> LoadSkinFolder(const std::string& folder, std::string skinFileText);
// The skin the program ships, embedded in the binary (library vexmora_skin_internal).
std::unique_ptr<TsSkinContent> LoadInternalSkin();
std::span<const std::uint8_t> InternalSkinPackage();

// Where skins are looked up: $XDG_DATA_HOME/Vexmora/Skins/ (default ~/.local/share/...).
std::string SkinDirectory();

}  // namespace skin
