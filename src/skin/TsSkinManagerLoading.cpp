// Choosing, loading and announcing a skin.
#include <QApplication>
#include <QWidget>
#include <filesystem>

#include "skin/ResolveSkinDirectory.h"
#include "skin/SkinSwitches.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/TsWindowHook.h"
#include "skin/data/SkinHueSaturation.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"

namespace {

bool EndsWithPackageExtension(const std::string& name) {
    if (name.size() <= 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == skin::kPackageExtension;
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

void TsSkinManager::SetSkinName(const std::string& name) {
    const std::string oldName = skinName_;
    skinName_ = name;
    if (!active_) return;
    if (OnBeforeChange) OnBeforeChange();
    if (EndsWithPackageExtension(skinName_)) skinName_.resize(skinName_.size() - 4);
    const std::string probe = WithTrailingSlash(skinDirectory_) + skinName_;
    const bool packedFile =
        IsFile(probe + skin::kPackageExtension) && (pendingSkinText_.empty() || !IsFolder(probe));
    try {
        // The new skin is loaded beside the old one, which stays whole until the load succeeds.
        std::string loadedName = skinName_;
        bool packed = false;
        std::unique_ptr<TsSkinContent> loaded = LoadSkin(packedFile, loadedName, packed);
        if (loaded) {
            skin::ApplyHueSaturation(*loaded, hueOffset_, saturation_);
            shiftedHue_ = hueOffset_;
            shiftedSaturation_ = saturation_;
            skinName_ = loadedName;
            packed_ = packed;
            content_ = std::move(loaded);
            cache_ = BuildConstIndexCache(*content_);
            skinActive_ = false;
        }
    } catch (const std::exception& error) {
        skinName_ = oldName;
        ErrorBox()(error.what());
    }
    if (!active_)
        RemoveSkin();
    else if (!loading_ && !repaintSuppressed_)
        UpdateSkin(true);
    if (OnAfterChange) OnAfterChange();
}

std::unique_ptr<TsSkinContent> TsSkinManager::LoadSkin(bool packedFile, std::string& name,
                                                       bool& packed) {
    std::unique_ptr<TsSkinContent> content;
    if (packedFile) {
        content = skin::LoadSkinPackageFile(WithTrailingSlash(skinDirectory_) + name +
                                            skin::kPackageExtension);
        skinFolderPath_ = ResolvedSkinDirectory();
        packed = true;
    } else {
        content = LoadFolderOrInternal(name, packed);
    }
    if (content) {
        if (auto message = content->VersionMessage(name, SkinSwitches::Current().Test))
            ErrorBox()(*message);
    }
    return content;
}

std::unique_ptr<TsSkinContent> TsSkinManager::LoadFolderOrInternal(std::string& name,
                                                                   bool& packed) {
    const std::string folder = ResolvedSkinDirectory() + name + "/";
    // A handed-over text stands in for the folder's own file only when the folder exists, so
    // its pictures have somewhere to come from.
    if (!pendingSkinText_.empty() && IsFolder(folder)) {
        skinFolderPath_ = folder;
        packed = false;
        return skin::LoadSkinFolder(folder, pendingSkinText_);
    }
    if (IsFile(folder + skin::kOptionsFileName)) {
        skinFolderPath_ = folder;
        packed = false;
        return skin::LoadSkinFolder(folder);
    }
    skinFolderPath_.clear();
    const TsStoredSkin* stored = nullptr;
    for (const TsStoredSkin& item : InternalSkins)
        if (item.Name == name) stored = &item;
    if (stored == nullptr && !InternalSkins.empty()) {
        stored = &InternalSkins.front();
        name = stored->Name;
    }
    if (stored == nullptr) {
        active_ = false;
        return nullptr;
    }
    packed = !stored->Data.empty();
    if (!packed) return nullptr;
    return skin::LoadSkinPackage(stored->Data);
}

void TsSkinManager::EndLoading() {
    // A hue or saturation read after the skin name: the skin is loaded again to take them.
    if (active_ && content_ && (shiftedHue_ != hueOffset_ || shiftedSaturation_ != saturation_))
        SetSkinName(skinName_);
    loading_ = false;
    if (skinDirectory_.empty()) SetSkinDirectory(skin::SkinDirectory());
    if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = "ICOLINE";
    for (std::size_t i = 0; i < ThirdPartyList::kCount; ++i)
        if (ThirdParty.Lists[i].empty()) ThirdParty.Lists[i] = ThirdPartyList::Default(i);
    if (active_ && !skinName_.empty()) UpdateSkin(false);
}

void TsSkinManager::UpdateSkin(bool animated) {
    if (loading_) return;
    skinActive_ = false;
    if (content_) cache_ = BuildConstIndexCache(*content_);
    BroadcastToForms(CmdRefresh);
    skinActive_ = content_ != nullptr && active_;
    // The default manager skins every other window the application opens from now on.
    if (skinActive_ && IsDefault)
        if (TsWindowHook* hook = TsWindowHook::Of(*this)) hook->SkinOpenWindows();
    if (animated) RepaintAll(false);
}

void TsSkinManager::RemoveSkin() {
    removing_ = true;
    skinActive_ = false;
    BroadcastToForms(CmdRemoveSkin);
    if (TsWindowHook* hook = TsWindowHook::Find(*this)) hook->RemoveAll();
    content_.reset();
    cache_ = TsConstIndexCache{};
    removing_ = false;
}

void TsSkinManager::RepaintAll(bool /*animated*/) {
    BroadcastToForms(CmdBeforeRepaint);
    BroadcastToForms(CmdSetNewSkin);
}

void TsSkinManager::BroadcastToForms(int command, int argument) {
    const QWidgetList forms = QApplication::topLevelWidgets();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        QWidget* form = *it;
        if (!form->isWindow()) continue;
        if (IsSkinned(*form)) continue;
        SendSkinCommand(*form, command, argument, this);
        PassToChildren(*form, command, argument, this);
    }
}

TsStoredSkin BuiltInStoredSkin() {
    TsStoredSkin internal;
    internal.Name = skin::kInternalSkinName;
    const auto package = skin::InternalSkinPackage();
    internal.Data.assign(package.begin(), package.end());
    return internal;
}
