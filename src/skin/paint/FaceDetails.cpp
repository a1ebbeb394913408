#include "skin/paint/FaceDetails.h"

#include "platform/raster/PixelBlends.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

void ApplyDisabledLook(TBitmap& face, TsDisabledKind kind, const CacheInfo& parent) {
    if (face.IsEmpty()) return;
    const TRect all{0, 0, face.PixelWidth(), face.PixelHeight()};
    if (kind == dkGrayed) {
        GrayRect(*face.Handle(), all);
    } else if (parent.Ready && parent.Bmp && !parent.Bmp->IsEmpty()) {
        // The face keeps 0.4: 102 of 255.
        BlendRect(*face.Handle(), *parent.Bmp->Handle(), 102, 0, 0,
                  TRect{parent.X, parent.Y, parent.X + all.right, parent.Y + all.bottom});
    } else {
        BlendColorRect(*face.Handle(), all, 50, parent.FillColor);
    }
}

namespace {

TColor GlobalColour(const TsSkinContent& skin) {
    const int index = skin.SectionIndex(std::string(kGlobalInfoSection));
    const TsGeneralData* global = skinpaint::SectionAt(skin, index);
    return global != nullptr ? static_cast<TColor>(global->Props[0].Color) & 0xFFFFFF : 0xFFFFFF;
}

}  // namespace

TColor SkinTextColor(const TsFaceBinding& binding, bool enabled, int state) {
    const TsGeneralData* section =
        binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
    if (section == nullptr) return 0;
    state = LimitState(*section, state);
    if (!enabled)
        return MixColors(static_cast<TColor>(section->Props[0].FontColor) & 0xFFFFFF,
                         GlobalColour(*binding.Skin), 0.4) &
               0xFFFFFF;
    return static_cast<TColor>(section->Props[state > 0 ? 1 : 0].FontColor) & 0xFFFFFF;
}

void DrawSkinText(ISkinTextRenderer& renderer, TBitmap& face, const std::string& text, bool enabled,
                  int state, const TsFaceBinding& binding, std::uint32_t format, const TRect& rect,
                  bool customFont, TColor fontColour) {
    try {
        const TsGeneralData* section =
            binding.Skin ? skinpaint::SectionAt(*binding.Skin, binding.SectionIndex) : nullptr;
        if (section == nullptr || customFont) {
            renderer.DrawText(face, text, rect, fontColour, 0, 0, format, false);
            return;
        }
        state = LimitState(*section, state);
        const TsGenState& values = section->Props[state > 0 ? 1 : 0];
        const bool underline = state > 0 && section->ClassName == "WEBBUTTON";
        if (values.GlowSize > 0 && !face.IsEmpty())
            renderer.DrawGlow(face, text, rect, static_cast<TColor>(values.GlowColor) & 0xFFFFFF,
                              values.GlowSize, format);
        if (enabled) {
            static const int kShift[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
            for (int side = 0; side < 4; ++side) {
                const std::int32_t outline = values.TextOutline[static_cast<std::size_t>(side)];
                if (outline != -1)
                    renderer.DrawText(face, text, rect, static_cast<TColor>(outline) & 0xFFFFFF,
                                      kShift[side][0], kShift[side][1], format, underline);
            }
        }
        renderer.DrawText(face, text, rect, SkinTextColor(binding, enabled, state), 0, 0, format,
                          underline);
    } catch (...) {
        // Painting never raises.
    }
}
