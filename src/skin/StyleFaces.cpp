#include "skin/StyleFaces.h"

#include "skin/QtFace.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace stylefaces {

namespace {

const TsGeneralData* Section(const TsSkinContent& skin, const char* section) {
    return skinpaint::SectionAt(skin, skin.SectionIndex(section));
}

}  // namespace

QImage SectionFace(TsSkinContent& skin, const char* section, QSize size, int state, TColor behind) {
    TsFaceBinding binding;
    binding.Skin = &skin;
    binding.SectionIndex = skin.SectionIndex(section);
    if (binding.SectionIndex < 0) return {};
    try {
        auto face = skinpaint::NewFacePicture(size.width(), size.height());
        if (face->IsEmpty()) return {};
        BackgroundInfo parent;
        parent.BgType = BackgroundInfo::PlainColor;
        parent.Color = behind;
        const TRect all{0, 0, size.width(), size.height()};
        skinpaint::FillArea(*face, all, behind);
        PaintControlFace(binding, parent, true, *face, all, state);
        return FaceImage(*face);
    } catch (...) {
        // Painting never raises: a face that cannot be had leaves the plain style to draw.
        return {};
    }
}

QColor SectionFontColour(const TsSkinContent& skin, const char* section, int state,
                         const QColor& fallback) {
    const TsGeneralData* data = Section(skin, section);
    if (data == nullptr) return fallback;
    const TColor colour =
        static_cast<TColor>(data->Props[LimitState(*data, state) > 0 ? 1 : 0].FontColor);
    return colour == kKeyColor ? fallback : ToQColor(colour);
}

QColor SectionColour(const TsSkinContent& skin, const char* section, const QColor& fallback) {
    const TsGeneralData* data = Section(skin, section);
    if (data == nullptr) return fallback;
    const TColor colour = static_cast<TColor>(data->Props[0].Color);
    return colour == kKeyColor ? fallback : ToQColor(colour);
}

}  // namespace stylefaces
