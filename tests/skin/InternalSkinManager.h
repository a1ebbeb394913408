#pragma once

#include <memory>

#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"

// A manager showing the built-in skin, for tests of the parts the style paints.
inline std::unique_ptr<TsSkinManager> InternalSkinManager() {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->InternalSkins.push_back(BuiltInStoredSkin());
    manager->SetSkinName(skin::kInternalSkinName);
    manager->EndLoading();
    return manager;
}
