#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/data/SkinPictureDecoding.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsGeneralData.h"
#include "skin/data/TsIniFile.h"
#include "skin/data/TsMaskData.h"
#include "skin/data/TsSkinData.h"

// One parsed skin: its skin file, master bitmap, picture records, JPEG patterns and section
// properties. The loading passes run in the order they are declared; each first discards what
// it loaded before.
class TsSkinContent {
public:
    static constexpr const char* kNewerSkinMessage =
        "This version of the skin have not complete support by used Tarnwick package release.\r\n"
        "Components must be updated up to latest version for using this skin.";

    explicit TsSkinContent(std::string skinFileText) : Ini(skinFileText) {}

    // The master bitmap and every picture reference.
    void LoadPictures(TSkinFileSource& source);
    // The JPEG pictures: small ones become texture records, large ones patterns.
    void LoadJpegPictures(TSkinFileSource& source);
    // GLOBALINFO into SkinData and one TsGeneralData per section, in file order.
    void LoadSections();
    // The message the version check shows, if any. designTimeTest: "/actest" was given.
    std::optional<std::string> VersionMessage(const std::string& skinName,
                                              bool designTimeTest) const;

    // Rebuilds the lookup indexes; the passes call it, and so must whoever changes the lists.
    void Reindex();
    // Index of the section's TsGeneralData, -1 when there is none.
    int SectionIndex(const std::string& name) const;
    // The record of that section and key, else the parent's (PARENTCLASS); -1 when none.
    int FindMaskIndex(int sectionIndex, const std::string& section, const std::string& key) const;
    int FindTextureIndex(int sectionIndex, const std::string& section,
                         const std::string& key) const;
    int FindPatternIndex(int sectionIndex, const std::string& section,
                         const std::string& key) const;

    TsIniFile Ini;
    TsSkinData SkinData;
    double Version = 0;
    std::shared_ptr<TBitmap> MasterBitmap;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    TsGeneralDataArray GeneralData;
    // Pictures that were skipped, and why; the skin loads without them.
    std::vector<std::string> Warnings;

private:
    void LoadMasterBitmap(TSkinFileSource& source);
    void AddReference(TSkinFileSource& source, const std::string& section, const std::string& key,
                      const std::string& value);
    std::shared_ptr<TBitmap> ExternalPicture(TSkinFileSource& source, const std::string& name);
    bool RoomForRecord();
    template <typename Match>
    int FindWithParents(int sectionIndex, const std::string& section, Match match) const;
    static int Lookup(const std::unordered_map<std::string, int>& index, const std::string& section,
                      const std::string& key);

    skin::TPictureBudget budget_;
    // Every file is decoded once and shared by all keys naming it; a failed one is kept as
    // nullptr so that it is not tried again.
    std::map<std::string, std::shared_ptr<TBitmap>> pictures_;
    std::map<std::string, skin::TJpegPicture> jpegs_;
    std::uint64_t cornerScanBudget_ = 0;
    // The first record of each section and key, so that lookups do not scan the lists: a
    // hostile skin may hold thousands of sections and records.
    std::unordered_map<std::string, int> sectionIndex_;
    std::unordered_map<std::string, int> maskIndex_;
    std::unordered_map<std::string, int> textureIndex_;
    std::unordered_map<std::string, int> patternIndex_;
};
