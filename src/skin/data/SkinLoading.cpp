#include "skin/data/SkinLoading.h"

#include <cstdlib>

#include "core/TMemoryStream.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/TSkinFileSource.h"

namespace skin {

namespace {

std::unique_ptr<TsSkinContent> RunPasses(std::string skinFileText, TSkinFileSource& source) {
    auto content = std::make_unique<TsSkinContent>(std::move(skinFileText));
    content->LoadPictures(source);
    content->LoadJpegPictures(source);
    content->LoadSections();
    return content;
}

std::unique_ptr<TsSkinContent> LoadConverted(const TacSkinConvertor& package) {
    TSkinPackageSource source(package);
    return RunPasses(package.Options->ToString(), source);
}

}  // namespace

std::unique_ptr<TsSkinContent> LoadSkinPackage(std::span<const std::uint8_t> bytes) {
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TacSkinConvertor package;
    ReadPackage(stream, package);
    return LoadConverted(package);
}

std::unique_ptr<TsSkinContent> LoadSkinPackageFile(const std::string& fileName) {
    std::unique_ptr<TacSkinConvertor> package;
    LoadPackageFile(fileName, package, true);
    if (!package) throw ESkinError("Damaged skin package: \"" + fileName + "\" does not exist");
    return LoadConverted(*package);
}

std::unique_ptr<TsSkinContent> LoadSkinFolder(const std::string& folder) {
    TSkinFolderSource source(folder);
    return RunPasses(source.ReadSkinFile(), source);
}

std::unique_ptr<TsSkinContent> LoadSkinFolder(const std::string& folder, std::string skinFileText) {
    TSkinFolderSource source(folder);
    return RunPasses(std::move(skinFileText), source);
}

std::string SkinDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.local/share";
    }
    return base + "/Vexmora/Skins/";
}

}  // namespace skin
