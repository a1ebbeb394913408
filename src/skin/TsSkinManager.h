#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/TsSkinManagerTypes.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/ConstIndexCache.h"

// Owns the active skin: decides which skin to load (a package or folder in the skin directory,
// else an internal skin), keeps the parsed skin for every painter, and tells every form and
// control when a skin is applied, changed or removed.
class TsSkinManager : public QObject {
public:
    static constexpr const char* kVersion = "7.60";

    explicit TsSkinManager(QObject* parent = nullptr);
    ~TsSkinManager() override;

    // The first manager of the process, while it lives.
    static TsSkinManager* DefaultManager();

    bool Active() const { return active_; }
    void SetActive(bool active);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& directory);
    // The folder SkinDirectory names, ending in "/".
    std::string ResolvedSkinDirectory() const;
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool value);
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    // The loaded skin's VERSION, or "N/A" while none is active.
    std::string SkinInfo() const;
    std::string Version() const { return kVersion; }

    std::vector<TsStoredSkin> InternalSkins;
    TacAnimEffects AnimEffects;
    TacSkinEffects Effects;
    TacMenuSupport MenuSupport;
    bool SkinnedPopups = true;
    bool IsDefault = false;
    std::vector<std::string> CommonSections;
    std::uint8_t SkinningRules = srStdForms | srStdDialogs | srThirdParty;
    ThirdPartyList ThirdParty;
    std::function<void()> OnBeforeChange, OnAfterChange, OnSkinListChanged;

    // Reading the form data: properties set meanwhile load but broadcast nothing; the end
    // fills the defaults and applies the skin.
    void BeginLoading() { loading_ = true; }
    void EndLoading();
    bool Loading() const { return loading_; }

    // A skin text handed over by the skin editor: while set, a skin folder that exists is
    // loaded with this text in place of its Options.dat (its pictures still come from it).
    void SetPendingSkinText(std::string text) { pendingSkinText_ = std::move(text); }
    // While set, skin changes load without announcing themselves; the caller announces.
    void SetRepaintSuppressed(bool suppressed) { repaintSuppressed_ = suppressed; }

    void UpdateSkin(bool animated);
    void RemoveSkin();
    void RepaintAll(bool animated);
    void BroadcastToForms(int command, int argument = 0);

    // The loaded skin, or nullptr. Controls read it while a change is being announced too.
    TsSkinContent* Content() const { return active_ ? content_.get() : nullptr; }
    bool SkinLoaded() const { return content_ != nullptr; }
    bool Packed() const { return packed_; }
    const TsConstIndexCache& ConstIndexCache() const { return cache_; }
    // The section's index in the active skin, -1 when none.
    int GetSkinIndex(const std::string& name) const;
    const std::string& SkinFolderPath() const { return skinFolderPath_; }

    // Shows the error of a failed skin change (an error box; tests replace it).
    static std::function<void(const std::string&)>& ErrorBox();
    // The program's folder, ending in "/" (tests replace it).
    static std::string& ProgramFolder();

private:
    std::unique_ptr<TsSkinContent> LoadSkin(bool packedFile, std::string& name, bool& packed);
    std::unique_ptr<TsSkinContent> LoadFolderOrInternal(std::string& name, bool& packed);

    bool active_ = true;
    std::string skinName_;
    std::string skinDirectory_;
    bool extendedBorders_ = false;
    int hueOffset_ = 0;
    int saturation_ = 0;
    // The hue offset and saturation the loaded skin was given.
    int shiftedHue_ = 0;
    int shiftedSaturation_ = 0;
    bool loading_ = false;
    bool repaintSuppressed_ = false;
    std::string pendingSkinText_;
    bool removing_ = false;
    bool skinActive_ = false;
    bool packed_ = false;
    std::string skinFolderPath_;
    std::unique_ptr<TsSkinContent> content_;
    TsConstIndexCache cache_;
};
