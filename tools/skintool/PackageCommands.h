#pragma once

#include <string>

// skintool's commands on package files: info, unpack and pack. Each raises on refused input.
namespace skintool {

// Entries with their sizes, then "VERSION v, n sections". package "--internal" is ours.
void PrintPackageInfo(const std::string& package);
// Writes every entry into folder (created when missing); refuses names that are not plain
// file names.
void UnpackPackage(const std::string& package, const std::string& folder);
// Options.dat first, then the folder's other regular files in name order.
void PackFolder(const std::string& folder, const std::string& package);

}  // namespace skintool
