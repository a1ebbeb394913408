#include "skin/paint/ShadowValues.h"

#include <algorithm>

#include "skin/paint/FacePictures.h"

namespace {

TsShadowValues Limited(TsShadowValues shadow) {
    shadow.BlurCount = std::clamp(shadow.BlurCount, 0, kMaxShadowBlur);
    shadow.Distance = std::clamp(shadow.Distance, -kMaxShadowDistance, kMaxShadowDistance);
    return shadow;
}

}  // namespace

TsShadowValues ResolveShadow(TsShadowMode mode, const TsShadowValues& own,
                             const TsSkinContent* skin) {
    if (mode == smSkin && skin != nullptr && skin->SkinData.Shadow1Blur != -1) {
        return Limited(TsShadowValues{static_cast<TColor>(skin->SkinData.Shadow1Color),
                                      skin->SkinData.Shadow1Blur, skin->SkinData.Shadow1Offset});
    }
    return Limited(own);
}

int ShadowOffsTopLeft(const TsShadowValues& shadow) {
    return std::min(0, shadow.Distance - shadow.BlurCount);
}

int ShadowOffsRightBottom(const TsShadowValues& shadow) {
    return std::max(0, shadow.Distance + shadow.BlurCount);
}

bool ShadowShows(const TsShadowValues& shadow) {
    return shadow.Color != kNoShadowColor && shadow.BlurCount > 0;
}

TColor GlobalFontColor(const TsSkinContent& skin) {
    const TsGeneralData* global =
        skinpaint::SectionAt(skin, skin.SectionIndex(std::string(kGlobalInfoSection)));
    return global != nullptr ? static_cast<TColor>(global->Props[0].FontColor) & 0xFFFFFF : 0;
}

TColor LabelFXTextColor(TsKindType kind, TColor kindColor, TColor labelColor,
                        const TsSkinContent* skin, int sectionIndex) {
    switch (kind) {
        case ktStandard:
            return labelColor;
        case ktCustom:
            return kindColor;
        case ktSkin:
            break;
    }
    if (skin == nullptr) return kindColor;
    if (const TsGeneralData* section = skinpaint::SectionAt(*skin, sectionIndex))
        return static_cast<TColor>(section->Props[0].FontColor) & 0xFFFFFF;
    const std::int32_t left = skin->Ini.ReadInteger(kGlobalInfoSection, "TCLEFT", -1);
    return left != -1 ? static_cast<TColor>(left) & 0xFFFFFF : kindColor;
}
