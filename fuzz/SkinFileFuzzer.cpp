// The skin file with its picture references over a fixed picture set (FuzzSkinPictures).
#include <cstddef>
#include <cstdint>
#include <string>

#include "SkinPictureSet.h"
#include "core/Exception.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/GlowFace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinPackageSource source(FuzzSkinPictures());
    try {
        TsSkinContent content(std::string(reinterpret_cast<const char*>(data), size));
        content.LoadPictures(source);
        content.LoadJpegPictures(source);
        content.LoadSections();
        content.VersionMessage("fuzz", true);
        for (std::size_t i = 0; i < content.GeneralData.size(); ++i) {
            content.FindMaskIndex(static_cast<int>(i), content.GeneralData[i].ClassName,
                                  "BORDERSMASK");
            // The section's glow around a control at a window's edge: margins and glow
            // margins of any size must give a picture no larger than the window.
            const TsGlowSource glow = FindControlGlow(content, static_cast<int>(i));
            PaintGlowFace(content, glow,
                          PlaceGlow(TRect{40, 2, 60, 30}, glow.Margins(), glow.GlowMargin,
                                    TRect{0, 0, 64, 48}));
        }
    } catch (const Exception&) {
    }
    return 0;
}
