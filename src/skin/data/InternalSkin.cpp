#include "skin/data/SkinLoading.h"

// The generated array of the internal skin's package (InternalSkinData.cpp in the build tree).
extern const std::uint8_t kInternalSkinPackage[];
extern const std::size_t kInternalSkinPackageSize;

namespace skin {

std::span<const std::uint8_t> InternalSkinPackage() {
    return {kInternalSkinPackage, kInternalSkinPackageSize};
}

std::unique_ptr<TsSkinContent> LoadInternalSkin() {
    return LoadSkinPackage(InternalSkinPackage());
}

}  // namespace skin
