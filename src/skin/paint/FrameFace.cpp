#include "skin/paint/FrameFace.h"

#include <algorithm>
#include <string>

#include "platform/raster/AlphaBlend.h"
#include "platform/raster/PixelView.h"
#include "skin/data/SkinLookup.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/data/TsSkinData.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/GlowGeometry.h"
#include "skin/paint/PaintFace.h"

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
// A white pixel with alpha 0: a hole in older templates, shown as transparent black.
constexpr std::uint32_t kWhiteHole = 0x00FFFFFF;

std::shared_ptr<TBitmap> Transparent(int width, int height) {
    if (width <= 0 || height <= 0) return skinpaint::NewFacePicture(0, 0);
    return skin::BitmapFromWords(static_cast<std::uint32_t>(width),
                                 static_cast<std::uint32_t>(height), pf32bit,
                                 std::vector<std::uint32_t>(std::size_t(width) * height, 0));
}

// Rewrites every pixel of the rectangle through the function.
template <typename Change>
void ChangePixels(TBitmap& picture, const TRect& rect, Change change) {
    const int left = std::max(rect.left, 0), right = std::min(rect.right, picture.PixelWidth());
    if (right <= left) return;
    const auto count = static_cast<std::uint32_t>(right - left);
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, picture.PixelHeight()); ++y) {
        std::vector<std::uint32_t> words = skin::ReadPixelWords(
            picture, static_cast<std::uint32_t>(y), static_cast<std::uint32_t>(left), count);
        for (std::uint32_t& word : words) word = change(word);
        raster::WriteRow(raster::ViewOf(*picture.Handle()), static_cast<std::uint32_t>(y),
                         static_cast<std::uint32_t>(left), count, words.data());
    }
}

// The cell nine-sliced over the rectangle, every piece stretched.
void NineSlice(TBitmap& target, const TRect& to, TBitmap& source, const TRect& cell,
               TsMargins margins) {
    FitMargins(to.Width(), margins.Left, margins.Right);
    FitMargins(to.Height(), margins.Top, margins.Bottom);
    FitMargins(cell.Width(), margins.Left, margins.Right);
    FitMargins(cell.Height(), margins.Top, margins.Bottom);
    const int sx[4] = {cell.left, cell.left + margins.Left, cell.right - margins.Right, cell.right};
    const int sy[4] = {cell.top, cell.top + margins.Top, cell.bottom - margins.Bottom, cell.bottom};
    const int dx[4] = {to.left, to.left + margins.Left, to.right - margins.Right, to.right};
    const int dy[4] = {to.top, to.top + margins.Top, to.bottom - margins.Bottom, to.bottom};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            skinpaint::CopyPiece(target, dx[column], dy[row], dx[column + 1] - dx[column],
                                 dy[row + 1] - dy[row], source,
                                 TRect{sx[column], sy[row], sx[column + 1], sy[row + 1]});
}

void Blend(TBitmap& target, int x, int y, TBitmap& source, const TRect& from) {
    AlphaBlend(target.Canvas().Handle(), x, y, from.Width(), from.Height(),
               source.Canvas().Handle(), from.left, from.top, from.Width(), from.Height(),
               TBlendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

// The state cell of a picture record as a premultiplied picture: alpha pictures as they are,
// the others opaque with the key colour transparent.
std::shared_ptr<TBitmap> CellPicture(const TsSkinContent& skin, const TsMaskData& mask, int state) {
    TBitmap* picture = skinpaint::MaskPicture(skin, mask);
    const int width = mask.CellWidth(), height = mask.CellHeight();
    if (picture == nullptr || width <= 0 || height <= 0) return nullptr;
    const int cell = std::clamp(state, 0, std::max(mask.StateCount - 1, 0));
    const TRect from{mask.SourceRect.left + cell * width, mask.SourceRect.top,
                     mask.SourceRect.left + (cell + 1) * width, mask.SourceRect.top + height};
    if (from.right > picture->PixelWidth() || from.bottom > picture->PixelHeight()) return nullptr;
    auto copy = skinpaint::NewFacePicture(width, height);
    skinpaint::CopyPiece(*copy, 0, 0, width, height, *picture, from);
    if (mask.Kind != mkAlphaImage && mask.Kind != mkAlphaFrame)
        ChangePixels(*copy, TRect{0, 0, width, height}, [](std::uint32_t word) {
            word &= raster::kColorMask;
            return word == raster::ColorWord(kKeyColor) ? 0u : word | kOpaque;
        });
    return copy;
}

void DrawTemplate(const TsFrameFaceInput& in, TBitmap& face) {
    const TsMargins& s = in.TemplateShadow;
    // A maximized window shows the template without its shadow: drawn larger, cut to the window.
    const int width = in.Width + (in.Layout.Maximized ? s.Left + s.Right : 0);
    const int height = in.Height + (in.Layout.Maximized ? s.Top + s.Bottom : 0);
    auto whole = Transparent(width, height);
    const TsMaskData* mask = skinpaint::MaskAt(*in.Skin, in.ExBorder);
    std::shared_ptr<TBitmap> source;
    TRect cell{};
    TsMargins margins;
    if (mask != nullptr) {
        TBitmap* picture = skinpaint::MaskPicture(*in.Skin, *mask);
        const int state = in.Active && mask->StateCount > 1 ? 1 : 0;
        cell = {mask->SourceRect.left + state * mask->CellWidth(), mask->SourceRect.top,
                mask->SourceRect.left + (state + 1) * mask->CellWidth(),
                mask->SourceRect.top + mask->CellHeight()};
        margins = {mask->MarginLeft, mask->MarginTop, mask->MarginRight, mask->MarginBottom};
        if (picture != nullptr && cell.right <= picture->PixelWidth() &&
            cell.bottom <= picture->PixelHeight())
            NineSlice(*whole, TRect{0, 0, width, height}, *picture, cell, margins);
    } else {
        source = FallbackShadowTemplate(in.Active);
        const int m = kFallbackShadowSize;
        NineSlice(*whole, TRect{0, 0, width, height}, *source,
                  TRect{0, 0, kFallbackTemplateSide, kFallbackTemplateSide}, {m, m, m, m});
    }
    ChangePixels(*whole, TRect{0, 0, width, height},
                 [](std::uint32_t word) { return word == kWhiteHole ? 0u : word; });
    if (!in.Layout.Maximized) {
        skinpaint::CopyPiece(face, 0, 0, in.Width, in.Height, *whole,
                             TRect{0, 0, in.Width, in.Height});
        return;
    }
    // Maximized, the window is opaque to its edges: the template's rounded corners lie over
    // the form's colour.
    const TsGeneralData* form = skinpaint::SectionAt(*in.Skin, in.FormSection);
    skinpaint::FillArea(face, TRect{0, 0, in.Width, in.Height},
                        form ? static_cast<TColor>(form->Props[0].Color) & 0xFFFFFF : 0x2F2F2F);
    ChangePixels(face, TRect{0, 0, in.Width, in.Height},
                 [](std::uint32_t word) { return word | kOpaque; });
    Blend(face, 0, 0, *whole, TRect{s.Left, s.Top, s.Left + in.Width, s.Top + in.Height});
}

// The frame drawn from the form's sections: FORM over the whole frame, FORMTITLE over the
// title bar inside the side borders; every pixel opaque.
void DrawPlainFrame(const TsFrameFaceInput& in, TBitmap& face) {
    const TRect frame = in.Layout.FrameRect(in.Width, in.Height);
    if (frame.Width() <= 0 || frame.Height() <= 0) return;
    const int state = in.Active ? 1 : 0;
    const TsGeneralData* form = skinpaint::SectionAt(*in.Skin, in.FormSection);
    const TColor formColour = form ? static_cast<TColor>(form->Props[0].Color) : 0x2F2F2F;
    skinpaint::FillArea(face, frame, formColour & 0xFFFFFF);
    TsFaceBinding binding{in.Skin, in.FormSection};
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::PlainColor;
    behind.Color = formColour & 0xFFFFFF;
    auto part = skinpaint::NewFacePicture(frame.Width(), frame.Height());
    PaintControlFace(binding, behind, true, *part, TRect{0, 0, frame.Width(), frame.Height()},
                     state);
    skinpaint::CopyPiece(face, frame.left, frame.top, frame.Width(), frame.Height(), *part,
                         TRect{0, 0, frame.Width(), frame.Height()});
    const TsFrameLayout& l = in.Layout;
    const TRect title{frame.left + l.Frame.Left, frame.top + l.Frame.Left,
                      frame.right - l.Frame.Right, frame.top + l.Frame.Top};
    if (title.Width() > 0 && title.Height() > 0 && in.TitleSection >= 0) {
        auto strip = skinpaint::NewFacePicture(title.Width(), title.Height());
        PaintControlFace(TsFaceBinding{in.Skin, in.TitleSection}, behind, true, *strip,
                         TRect{0, 0, title.Width(), title.Height()}, state);
        skinpaint::CopyPiece(face, title.left, title.top, title.Width(), title.Height(), *strip,
                             TRect{0, 0, title.Width(), title.Height()});
    }
    ChangePixels(face, frame, [](std::uint32_t word) { return word | kOpaque; });
}

void DrawGlow(const TsFrameFaceInput& in, TBitmap& face, const TsCaptionButtonPlace& button) {
    const std::string key = std::string(button.Key) + "GLOW";
    const std::string section(kGlobalInfoSection);
    if (ReadSkinInteger(in.Skin->Ini, section, key, 0) <= 0) return;
    const TsMaskData* mask =
        skinpaint::MaskAt(*in.Skin, in.Skin->FindMaskIndex(in.GlobalInfo, section, key + "0"));
    if (mask == nullptr) return;
    const int glowMargin = std::clamp(ReadSkinInteger(in.Skin->Ini, section, key + "MARGIN", 0),
                                      -kMaxFrameValue, kMaxFrameValue);
    const GlowPlacement place = PlaceGlow(
        button.Rect, {mask->MarginLeft, mask->MarginTop, mask->MarginRight, mask->MarginBottom},
        glowMargin, TRect{0, 0, in.Width, in.Height});
    if (place.Empty()) return;
    auto glow = CellPicture(*in.Skin, *mask, 0);
    if (!glow) return;
    auto whole = Transparent(place.Full.Width(), place.Full.Height());
    NineSlice(*whole, TRect{0, 0, place.Full.Width(), place.Full.Height()}, *glow,
              TRect{0, 0, glow->PixelWidth(), glow->PixelHeight()},
              {mask->MarginLeft, mask->MarginTop, mask->MarginRight, mask->MarginBottom});
    const TRect& v = place.Visible;
    Blend(face, v.left, v.top, *whole,
          TRect{v.left - place.Full.left, v.top - place.Full.top, v.right - place.Full.left,
                v.bottom - place.Full.top});
}

void DrawButtons(const TsFrameFaceInput& in, TBitmap& face) {
    for (std::size_t i = 0; i < in.Buttons.size(); ++i) {
        const TsCaptionButtonPlace& button = in.Buttons[i];
        const int state = i < in.ButtonStates.size() ? in.ButtonStates[i] : 0;
        if (state == 1 && in.Glowing) DrawGlow(in, face, button);
        const TsMaskData* mask = skinpaint::MaskAt(*in.Skin, button.MaskIndex);
        if (mask == nullptr) continue;
        auto cell = CellPicture(*in.Skin, *mask, state);
        if (cell)
            Blend(face, button.Rect.left, button.Rect.top, *cell,
                  TRect{0, 0, cell->PixelWidth(), cell->PixelHeight()});
    }
}

}  // namespace

std::shared_ptr<TBitmap> PaintFrameFace(const TsFrameFaceInput& in) {
    auto face = Transparent(in.Width, in.Height);
    if (in.Skin == nullptr || face->IsEmpty()) return face;
    if (in.Layout.Extended) DrawTemplate(in, *face);
    // Without the skin's own border picture the frame itself comes from the form's sections,
    // inside the built-in shadow when the border is extended.
    if (!in.Layout.Extended || skinpaint::MaskAt(*in.Skin, in.ExBorder) == nullptr)
        DrawPlainFrame(in, *face);
    DrawButtons(in, *face);
    return face;
}

std::shared_ptr<TBitmap> FallbackShadowTemplate(bool active) {
    const int side = kFallbackTemplateSide, centre = active ? 128 : 77;
    std::vector<std::uint32_t> words(std::size_t(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const auto fall = [](int distance) {
                return std::min(1.0, (distance + 1.0) / (kFallbackShadowSize + 1.0));
            };
            const double f = fall(std::min(x, side - 1 - x)) * fall(std::min(y, side - 1 - y));
            const auto alpha = static_cast<std::uint32_t>(centre * f * f + 0.5);
            words[std::size_t(y) * side + x] = alpha << 24;
        }
    return skin::BitmapFromWords(side, side, pf32bit, words);
}
