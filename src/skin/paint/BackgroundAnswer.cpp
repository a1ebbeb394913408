#include <algorithm>

#include "platform/raster/PixelBlends.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace {

BackgroundInfo Colour(TColor colour) {
    BackgroundInfo info;
    info.BgType = BackgroundInfo::PlainColor;
    info.Color = colour & 0xFFFFFF;
    return info;
}

BackgroundInfo FaceOrNothing(const TsBackgroundOwner& owner) {
    if (!owner.FaceValid || !owner.Face || owner.Face->IsEmpty()) return Colour(kKeyColor);
    BackgroundInfo info;
    info.BgType = BackgroundInfo::Picture;
    info.Bmp = owner.Face;
    return info;
}

}  // namespace

TColor SkinColor(const TsFaceBinding& binding, const std::function<BackgroundInfo()>& askParent) {
    const TsGeneralData* section =
        binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
    if (section == nullptr || binding.CustomColor) return binding.OwnColor & 0xFFFFFF;
    const TsGenState& normal = section->Props[0];
    const TColor own = static_cast<TColor>(normal.Color) & 0xFFFFFF;
    const int transparency = std::clamp(normal.Transparency, 0, 100);
    if (transparency == 0 || !askParent) return own;
    const BackgroundInfo parent = askParent();
    if (parent.BgType != BackgroundInfo::PlainColor || parent.Color == kKeyColor) return own;
    return MixColors(parent.Color, own, transparency / 100.0) & 0xFFFFFF;
}

BackgroundInfo AnswerBackground(const TsBackgroundOwner& owner,
                                const std::function<BackgroundInfo()>& askParent) {
    const TsGeneralData* section =
        owner.Binding.Skin ? skinpaint::SectionAt(*owner.Binding.Skin, owner.Binding.SectionIndex)
                           : nullptr;
    if (section == nullptr || owner.Binding.CustomColor) return Colour(owner.Binding.OwnColor);
    const TsGenState& values = section->Props[LimitState(*section, owner.State) > 0 ? 1 : 0];
    const int transparency = std::clamp(values.Transparency, 0, 100);
    if (transparency == 100 && (!owner.FaceValid || !owner.Face)) {
        // See-through: what lies behind us lies behind the child too, shifted by our position.
        BackgroundInfo info = askParent ? askParent() : Colour(kKeyColor);
        info.OffsetX += owner.Left;
        info.OffsetY += owner.Top;
        return info;
    }
    if (transparency != 0) return FaceOrNothing(owner);
    if (values.GradientPercent <= 0 && values.ImagePercent < 1)
        return Colour(SkinColor(owner.Binding, askParent));
    return FaceOrNothing(owner);
}
