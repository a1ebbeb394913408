#include <algorithm>

#include "platform/raster/PixelBlends.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/TileTexture.h"

namespace {

void GradientOrColour(TBitmap& target, const TRect& rect, TColor colour,
                      const TsGradArray& gradient) {
    if (gradient.empty())
        skinpaint::FillArea(target, rect, colour);
    else
        PaintGradient(target, rect, gradient);
}

}  // namespace

void PaintBody(const TsSkinContent& skin, TBitmap& target, const TRect& rect, int imagePercent,
               int gradientPercent, TColor colour, const TsGradArray& gradient,
               const TsMaskData* texture, TBitmap* pattern) {
    bool textured = false;
    if (imagePercent > 0 && texture != nullptr &&
        skinpaint::MaskPicture(skin, *texture) != nullptr) {
        if (auto uncovered = TileTexture(skin, target, rect, *texture))
            skinpaint::FillArea(target, *uncovered, colour);
        textured = true;
    } else if (imagePercent > 0 && pattern != nullptr && !pattern->IsEmpty()) {
        TilePicture(target, rect, *pattern);
        textured = true;
    }
    if (gradientPercent > 0) {
        if (textured) {
            auto layer = skinpaint::NewFacePicture(rect.Width(), rect.Height());
            GradientOrColour(*layer, TRect{0, 0, rect.Width(), rect.Height()}, colour, gradient);
            const int weight = std::clamp(imagePercent * 255 / 100, 0, 255);
            BlendRect(*target.Handle(), *layer->Handle(), static_cast<std::uint8_t>(weight),
                      rect.left, rect.top, TRect{0, 0, rect.Width(), rect.Height()});
        } else {
            GradientOrColour(target, rect, colour, gradient);
        }
    } else if (!textured) {
        // Also when a texture was asked for but the skin has none: the plain colour is the base.
        skinpaint::FillArea(target, rect, colour);
    }
    const int covered = imagePercent + gradientPercent;
    if (covered > 0 && covered < 100) BlendColorRect(*target.Handle(), rect, covered, colour);
}
