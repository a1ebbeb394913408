#include "skin/TsSkinManager.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "skin/ResolveSkinDirectory.h"
#include "skin/TsCompositor.h"
#include "skin/TsSkinCommand.h"
#include "skin/data/SkinLoading.h"

namespace {

TsSkinManager*& TheDefault() {
    static TsSkinManager* manager = nullptr;
    return manager;
}

}  // namespace

TsSkinManager::TsSkinManager(QObject* parent) : QObject(parent) {
    if (TheDefault() == nullptr) {
        TheDefault() = this;
        IsDefault = true;
    }
}

TsSkinManager::~TsSkinManager() {
    if (TheDefault() == this) TheDefault() = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() {
    return TheDefault();
}

std::function<void(const std::string&)>& TsSkinManager::ErrorBox() {
    static std::function<void(const std::string&)> box = [](const std::string& message) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"),
                              QString::fromLocal8Bit(message.c_str()));
    };
    return box;
}

std::string& TsSkinManager::ProgramFolder() {
    static std::string folder =
        WithTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
    return folder;
}

std::string TsSkinManager::ResolvedSkinDirectory() const {
    return ResolveSkinDirectory(skinDirectory_, ProgramFolder());
}

void TsSkinManager::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active_) {
        SetSkinName(skinName_);
    } else {
        if (!loading_) RemoveSkin();
        cache_ = TsConstIndexCache{};
    }
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
    skinDirectory_ = directory;
    skinFolderPath_ = ResolvedSkinDirectory();
    if (OnSkinListChanged) OnSkinListChanged();
}

bool TsSkinManager::ExtendedBorders() const {
    return extendedBorders_ && TsCompositor::LayeredWindowsAvailable();
}

void TsSkinManager::SetExtendedBorders(bool value) {
    extendedBorders_ = value;
    if (skinActive_ && !loading_) {
        SetSkinName(skinName_);
        RepaintAll(false);
    }
}

void TsSkinManager::SetHueOffset(int value) {
    if (value == hueOffset_) return;
    hueOffset_ = value;
    if (active_ && !loading_) SetSkinName(skinName_);
}

void TsSkinManager::SetSaturation(int value) {
    if (value == saturation_) return;
    saturation_ = value;
    if (active_ && !loading_) SetSkinName(skinName_);
}

std::string TsSkinManager::SkinInfo() const {
    if (!skinActive_ || !content_) return "N/A";
    std::string text = std::to_string(content_->SkinData.Version);
    // Fixed notation with the trailing zeros dropped: 7.6, 7.25, 8.
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

int TsSkinManager::GetSkinIndex(const std::string& name) const {
    const TsSkinContent* content = Content();
    return content != nullptr ? content->SectionIndex(name) : -1;
}
