// The whole load of a skin package from untrusted bytes: the package reader, the skin file,
// every picture reference and the picture decoders.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/Exception.h"
#include "skin/data/SkinLoading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto content = skin::LoadSkinPackage(std::span<const std::uint8_t>(data, size));
        for (std::size_t i = 0; i < content->GeneralData.size(); ++i) {
            const std::string& name = content->GeneralData[i].ClassName;
            content->FindMaskIndex(static_cast<int>(i), name, "BORDERSMASK");
            content->FindTextureIndex(static_cast<int>(i), name, "PATTERN");
            content->FindPatternIndex(static_cast<int>(i), name, "PATTERN");
        }
    } catch (const Exception&) {
    }
    return 0;
}
