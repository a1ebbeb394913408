#pragma once

#include <cstdint>
#include <memory>

#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"

// A manager showing the built-in skin. With rules 0 (the style tests, which mark their windows
// themselves) the window hook leaves every window alone.
inline std::unique_ptr<TsSkinManager> InternalSkinManager(std::uint8_t rules = 0) {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->SkinningRules = rules;
    manager->InternalSkins.push_back(BuiltInStoredSkin());
    manager->SetSkinName(skin::kInternalSkinName);
    manager->EndLoading();
    return manager;
}
