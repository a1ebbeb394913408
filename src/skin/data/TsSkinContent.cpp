#include "skin/data/TsSkinContent.h"

#include "core/Text.h"
#include "skin/data/CornerShape.h"
#include "skin/data/ESkinError.h"
#include "skin/data/PictureReference.h"
#include "skin/data/SkinLimits.h"

namespace {

// Versions outside this range get the version check's messages.
constexpr double kNewestSupportedVersion = 7.99;
constexpr double kOldestCurrentVersion = 7.0;

bool StartsWithPng(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() >= 8 && std::equal(kSignature, kSignature + 8, bytes.begin());
}

}  // namespace

void TsSkinContent::LoadMasterBitmap(TSkinFileSource& source) {
    MasterBitmap.reset();
    const std::string name = Ini.ReadString(kGlobalInfoSection, "MASTERBITMAP", "");
    if (name.empty() || (source.IsFolder() && name.find(':') != std::string::npos)) return;
    try {
        const auto bytes = source.Fetch(name);
        if (!bytes) {
            Warnings.push_back("master bitmap \"" + name + "\" not found");
            return;
        }
        MasterBitmap = skin::DecodeBmpPicture(*bytes, budget_);
    } catch (const ESkinError& error) {
        Warnings.push_back("master bitmap \"" + name + "\": " + error.Message());
    }
}

void TsSkinContent::LoadPictures(TSkinFileSource& source) {
    Masks.clear();
    Warnings.clear();
    pictures_.clear();
    budget_ = skin::TPictureBudget{};
    cornerScanBudget_ = skin::kMaxCornerScanPixels;
    Version = Ini.ReadReal(kGlobalInfoSection, "VERSION", 0);
    LoadMasterBitmap(source);
    for (const TsIniFile::Section& section : Ini.Sections()) {
        const bool global = section.Name == kGlobalInfoSection;
        for (const auto& [key, value] : section.Keys) {
            if (value.empty() || (global && key == "MASTERBITMAP")) continue;
            AddReference(source, section.Name, key, value);
        }
    }
    Reindex();
}

bool TsSkinContent::RoomForRecord() {
    if (Masks.size() < skin::kMaxPictureRecords) return true;
    if (Warnings.empty() || Warnings.back().find("picture records") == std::string::npos)
        Warnings.push_back(Format("more than %zu picture records; the rest are skipped",
                                  skin::kMaxPictureRecords));
    return false;
}

std::shared_ptr<TBitmap> TsSkinContent::ExternalPicture(TSkinFileSource& source,
                                                        const std::string& name) {
    const std::string upper = UpperCase(name);
    if (const auto found = pictures_.find(upper); found != pictures_.end()) return found->second;
    std::shared_ptr<TBitmap> picture;
    try {
        const auto bytes = source.Fetch(name);
        if (!bytes)
            Warnings.push_back("picture \"" + name + "\" not found");
        else
            picture = StartsWithPng(*bytes) ? skin::DecodePngPicture(*bytes, Version, budget_)
                                            : skin::DecodeBmpPicture(*bytes, budget_);
    } catch (const ESkinError& error) {
        Warnings.push_back("picture \"" + name + "\": " + error.Message());
    }
    pictures_.emplace(upper, picture);
    return picture;
}

void TsSkinContent::AddReference(TSkinFileSource& source, const std::string& section,
                                 const std::string& key, const std::string& value) {
    const auto reference = ParsePictureReference(value);
    if (!reference || !RoomForRecord()) return;
    std::shared_ptr<TBitmap> picture = MasterBitmap;
    if (reference->Format == '!') {
        if (source.IsFolder() && reference->FileName.find(':') != std::string::npos) return;
        picture = ExternalPicture(source, reference->FileName);
    }
    if (!picture || picture->IsEmpty()) return;
    auto mask = MakeMaskRecord(*reference, picture->PixelWidth(), picture->PixelHeight(), Version);
    if (!mask) {
        Warnings.push_back(section + "/" + key +
                           ": the reference leaves its picture or has no cells");
        return;
    }
    if (reference->Format == '!') mask->Bmp = picture;
    mask->SectionName = UpperCase(section);
    mask->KeyName = UpperCase(key);
    if (mask->Kind == mkBorderMask)
        mask->CornerShape = ComputeCornerShape(*mask, *picture, cornerScanBudget_);
    Masks.push_back(std::move(*mask));
}

void TsSkinContent::LoadJpegPictures(TSkinFileSource& source) {
    Patterns.clear();
    jpegs_.clear();
    for (const TsIniFile::Section& section : Ini.Sections()) {
        for (const auto& [key, value] : section.Keys) {
            const std::string upper = UpperCase(value);
            if (upper.find(".JPG") == std::string::npos && upper.find(".JPEG") == std::string::npos)
                continue;
            if (source.IsFolder() && value.find(':') != std::string::npos) continue;
            auto found = jpegs_.find(upper);
            if (found == jpegs_.end()) {
                skin::TJpegPicture picture;
                try {
                    if (const auto bytes = source.Fetch(value))
                        picture = skin::DecodeJpegPicture(*bytes, budget_);
                    else
                        Warnings.push_back("picture \"" + value + "\" not found");
                } catch (const ESkinError& error) {
                    Warnings.push_back("picture \"" + value + "\": " + error.Message());
                }
                found = jpegs_.emplace(upper, picture).first;
            }
            const skin::TJpegPicture& picture = found->second;
            if (!picture.Bitmap || picture.Bitmap->IsEmpty()) continue;
            if (!picture.Converted) {
                Patterns.push_back(
                    TsPatternData{picture.Bitmap, UpperCase(section.Name), UpperCase(key)});
                continue;
            }
            if (!RoomForRecord()) continue;
            TsMaskData texture;
            texture.Bmp = picture.Bitmap;
            texture.SectionName = UpperCase(section.Name);
            texture.KeyName = UpperCase(key);
            texture.SourceRect =
                TRect{0, 0, picture.Bitmap->PixelWidth(), picture.Bitmap->PixelHeight()};
            texture.Kind = mkTexture;
            Masks.push_back(std::move(texture));
        }
    }
    Reindex();
}

void TsSkinContent::LoadSections() {
    GeneralData.clear();
    SkinData.Read(Ini);
    Version = SkinData.Version;
    for (const TsIniFile::Section& section : Ini.Sections()) {
        if (GeneralData.size() == skin::kMaxSkinSections) {
            Warnings.push_back(
                Format("more than %zu sections; the rest are skipped", skin::kMaxSkinSections));
            break;
        }
        GeneralData.emplace_back();
        GeneralData.back().Read(Ini, section.Name);
    }
    Reindex();
}

void TsSkinContent::Reindex() {
    const auto key = [](const std::string& section, const std::string& name) {
        return section + '\n' + name;
    };
    sectionIndex_.clear();
    maskIndex_.clear();
    textureIndex_.clear();
    patternIndex_.clear();
    for (std::size_t i = 0; i < GeneralData.size(); ++i)
        sectionIndex_.emplace(GeneralData[i].ClassName, static_cast<int>(i));
    for (std::size_t i = 0; i < Masks.size(); ++i) {
        maskIndex_.emplace(key(Masks[i].SectionName, Masks[i].KeyName), static_cast<int>(i));
        if (Masks[i].Kind == mkTexture)
            textureIndex_.emplace(key(Masks[i].SectionName, Masks[i].KeyName), static_cast<int>(i));
    }
    for (std::size_t i = 0; i < Patterns.size(); ++i)
        patternIndex_.emplace(key(Patterns[i].SectionName, Patterns[i].KeyName),
                              static_cast<int>(i));
}

int TsSkinContent::Lookup(const std::unordered_map<std::string, int>& index,
                          const std::string& section, const std::string& key) {
    const auto found = index.find(section + '\n' + key);
    return found == index.end() ? -1 : found->second;
}

std::optional<std::string> TsSkinContent::VersionMessage(const std::string& skinName,
                                                         bool designTimeTest) const {
    if (SkinData.Version > kNewestSupportedVersion) return std::string(kNewerSkinMessage);
    if (SkinData.Version < kOldestCurrentVersion && designTimeTest) {
        return "You are using an old version of the \"" + skinName +
               "\" skin. Please, update a skins to latest or link with the Tarnwick support for "
               "upgrading of "
               "existing skin.\r\n\r\nThis notification occurs in design-time only for your "
               "information and will "
               "not occur in real-time.";
    }
    return std::nullopt;
}

int TsSkinContent::SectionIndex(const std::string& name) const {
    const auto found = sectionIndex_.find(name);
    return found == sectionIndex_.end() ? -1 : found->second;
}

template <typename Match>
int TsSkinContent::FindWithParents(int sectionIndex, const std::string& section,
                                   Match match) const {
    std::string current = section;
    int index = sectionIndex;
    for (int hop = 0; hop <= skin::kMaxParentHops; ++hop) {
        if (index < 0 || current.empty()) return -1;
        const int found = match(current);
        if (found >= 0) return found;
        if (static_cast<std::size_t>(index) >= GeneralData.size()) return -1;
        const std::string& parent = GeneralData[static_cast<std::size_t>(index)].ParentClass;
        if (parent.empty() || parent == current) return -1;
        index = SectionIndex(parent);
        current = parent;
    }
    return -1;
}

int TsSkinContent::FindMaskIndex(int sectionIndex, const std::string& section,
                                 const std::string& key) const {
    return FindWithParents(sectionIndex, section,
                           [&](const std::string& name) { return Lookup(maskIndex_, name, key); });
}

int TsSkinContent::FindTextureIndex(int sectionIndex, const std::string& section,
                                    const std::string& key) const {
    return FindWithParents(sectionIndex, section, [&](const std::string& name) {
        return Lookup(textureIndex_, name, key);
    });
}

int TsSkinContent::FindPatternIndex(int sectionIndex, const std::string& section,
                                    const std::string& key) const {
    if (Patterns.empty()) return -1;
    return FindWithParents(sectionIndex, section, [&](const std::string& name) {
        return Lookup(patternIndex_, name, key);
    });
}
