#pragma once

#include <memory>
#include <string>

#include "skin/data/TsSkinContent.h"

// skintool's commands on a parsed skin (a package file, a skin folder or "--internal").
namespace skintool {

std::unique_ptr<TsSkinContent> LoadAnySkin(const std::string& skin);
void PrintSections(const TsSkinContent& content);
void PrintMasks(const TsSkinContent& content);
// The cell row of the record of SECTION/KEY (with inheritance), as a straight RGBA PNG.
void WritePicture(TsSkinContent& content, const std::string& section, const std::string& key,
                  const std::string& out);

}  // namespace skintool
