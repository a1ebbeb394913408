#include "PackageCommands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/Exception.h"
#include "core/Text.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/TsIniFile.h"
#include "skin/data/TsSkinData.h"

namespace skintool {

namespace {

std::unique_ptr<TacSkinConvertor> ReadConverter(const std::string& package) {
    auto converter = std::make_unique<TacSkinConvertor>();
    if (package == "--internal") {
        const auto bytes = skin::InternalSkinPackage();
        TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ReadPackage(stream, *converter);
        return converter;
    }
    if (!std::filesystem::exists(package)) throw Exception("\"" + package + "\" does not exist");
    LoadPackageFile(package, converter, true);
    return converter;
}

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw Exception("cannot write \"" + path + "\"");
}

}  // namespace

void PrintPackageInfo(const std::string& package) {
    const auto converter = ReadConverter(package);
    std::printf("%s %zu\n", skin::kOptionsFileName, converter->Options->Bytes().size());
    for (const TacImageItem& item : converter->Images)
        std::printf("%s %zu\n", item.Name.c_str(), item.Data->Bytes().size());
    const TsIniFile ini(converter->Options->ToString());
    const double version = ini.ReadReal(kGlobalInfoSection, "VERSION", 0);
    std::printf("VERSION %.2f, %zu sections\n", version, ini.Sections().size());
}

void UnpackPackage(const std::string& package, const std::string& folder) {
    const auto converter = ReadConverter(package);
    for (const TacImageItem& item : converter->Images) {
        if (!IsPlainFileName(item.Name))
            throw Exception("refusing the entry name \"" + item.Name + "\"");
    }
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/" + skin::kOptionsFileName, converter->Options->Bytes());
    for (const TacImageItem& item : converter->Images)
        WriteBytes(folder + "/" + item.Name, item.Data->Bytes());
}

void PackFolder(const std::string& folder, const std::string& package) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!std::filesystem::is_regular_file(entry.symlink_status())) continue;
        const std::string name = entry.path().filename().string();
        if (!SameText(name, skin::kOptionsFileName)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    names.insert(names.begin(), skin::kOptionsFileName);
    std::vector<skin::TPackageEntry> entries;
    for (const std::string& name : names) {
        entries.push_back({name, skin::ReadRegularFile(folder + "/" + name,
                                                       name == names.front()
                                                           ? std::size_t{skin::kMaxOptionsBytes}
                                                           : std::size_t{skin::kMaxEntryBytes})});
    }
    const auto bytes = skin::WritePackage(entries);
    WriteBytes(package, bytes);
}

}  // namespace skintool
