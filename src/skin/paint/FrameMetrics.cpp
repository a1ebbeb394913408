#include "skin/paint/FrameMetrics.h"

#include <algorithm>

#include "skin/data/SkinLookup.h"
#include "skin/data/TsSkinData.h"
#include "skin/paint/FacePictures.h"

namespace {

// The side of a caption button whose picture the skin lacks.
constexpr int kDefaultButtonSide = 20;

int Clamped(int value, int low) {
    return std::clamp(value, low, kMaxFrameValue);
}

int ReadValue(const TsSkinContent& skin, const char* key, int fallback, int low) {
    return Clamped(ReadSkinInteger(skin.Ini, kGlobalInfoSection, key, fallback), low);
}

}  // namespace

TsFrameSkinValues ReadFrameSkinValues(const TsSkinContent& skin) {
    TsFrameSkinValues v;
    v.BorderWidth = ReadValue(skin, "BORDERWIDTH", v.BorderWidth, 0);
    v.TitleHeight = ReadValue(skin, "TITLEHEIGHT", v.TitleHeight, 0);
    v.MaxHeight = ReadValue(skin, "MAXHEIGHT", v.MaxHeight, 0);
    v.FormOffset = ReadValue(skin, "FORMOFFSET", v.FormOffset, 0);
    v.BorderMode = ReadValue(skin, "BORDERMODE", v.BorderMode, 0);
    v.AlignOffset = ReadValue(skin, "ALIGNOFFSET", v.AlignOffset, -kMaxFrameValue);
    v.CenterOffset = ReadValue(skin, "CENTEROFFSET", v.CenterOffset, -kMaxFrameValue);
    v.BiTop = ReadValue(skin, "BITOP", v.BiTop, 0);
    v.BiLeft = ReadValue(skin, "BILEFT", v.BiLeft, 0);
    v.BiRight = ReadValue(skin, "BIRIGHT", v.BiRight, 0);
    v.BiSpace = ReadValue(skin, "BISPACE", v.BiSpace, 0);
    v.BiVAlign = ReadValue(skin, "BIVALIGN", v.BiVAlign, 0);
    return v;
}

TsMargins ShadowSize(const TsSkinContent& skin, int exBorder, const TsFrameSkinValues& values) {
    const TsMaskData* mask = skinpaint::MaskAt(skin, exBorder);
    if (mask == nullptr)
        return {kFallbackShadowSize, kFallbackShadowSize, kFallbackShadowSize, kFallbackShadowSize};
    if (values.BorderMode != 0)
        return {values.FormOffset, values.FormOffset, values.FormOffset, values.FormOffset};
    const auto less = [&](int margin) { return Clamped(margin - values.FormOffset, 0); };
    return {less(mask->MarginLeft), less(mask->MarginTop), less(mask->MarginRight),
            less(mask->MarginBottom)};
}

int TitleHeight(const TsFrameSkinValues& values, bool extended, bool maximized,
                TsSystemFrame system) {
    if (!extended) return system.CaptionHeight;
    if (maximized) return std::max(values.MaxHeight, system.CaptionHeight + 4);
    return values.TitleHeight;
}

TsMargins TsFrameLayout::Outside() const {
    return {Shadow.Left + Frame.Left, Shadow.Top + Frame.Top, Shadow.Right + Frame.Right,
            Shadow.Bottom + Frame.Bottom};
}

TRect TsFrameLayout::FrameRect(int windowWidth, int windowHeight) const {
    return {Shadow.Left, Shadow.Top, windowWidth - Shadow.Right, windowHeight - Shadow.Bottom};
}

TsFrameLayout LayoutFrame(const TsFrameSkinValues& values, const TsMargins& shadow, bool extended,
                          bool maximized, TsSystemFrame system) {
    TsFrameLayout layout;
    layout.Extended = extended;
    layout.Maximized = maximized;
    const int title = TitleHeight(values, extended, maximized, system);
    // A maximized window has no frame beside or below its client area, and no shadow: it
    // fills the work area exactly.
    if (maximized) {
        layout.Frame = {0, title, 0, 0};
    } else if (extended) {
        layout.Shadow = shadow;
        layout.Frame = {values.BorderWidth, title, values.BorderWidth, values.BorderWidth};
    } else {
        const int side = system.FrameWidth;
        layout.Frame = {side, side + title, side, side};
    }
    return layout;
}

namespace {

struct TsButtonPicture {
    TsCaptionButtonKind Kind;
    const char* Key;
};

// The picture of each button; the close button alone when neither other button shows and the
// skin has that picture.
std::vector<TsButtonPicture> ButtonPictures(const TsSkinContent& skin, int globalInfo,
                                            bool maximized, const TsCaptionButtonSet& shown) {
    std::vector<TsButtonPicture> pictures;
    const bool alone =
        !shown.Minimize && !shown.Maximize && globalInfo >= 0 &&
        skin.FindMaskIndex(globalInfo, std::string(kGlobalInfoSection), "BICLOSEALONE") >= 0;
    pictures.push_back({TsCaptionButtonKind::Close, alone ? "BICLOSEALONE" : "BICONCLOSE"});
    if (shown.Maximize)
        pictures.push_back({TsCaptionButtonKind::Maximize, maximized ? "BICONNORM" : "BICONMAX"});
    if (shown.Minimize) pictures.push_back({TsCaptionButtonKind::Minimize, "BICONMIN"});
    return pictures;
}

}  // namespace

std::vector<TsCaptionButtonPlace> PlaceCaptionButtons(const TsSkinContent& skin, int globalInfo,
                                                      const TsFrameSkinValues& values,
                                                      const TsFrameLayout& layout, int windowWidth,
                                                      const TsCaptionButtonSet& shown) {
    std::vector<TsCaptionButtonPlace> places;
    const int titleTop = layout.Shadow.Top;
    const int titleHeight = layout.Frame.Top;
    int right = windowWidth - layout.Shadow.Right - values.BiRight;
    for (const TsButtonPicture& picture :
         ButtonPictures(skin, globalInfo, layout.Maximized, shown)) {
        TsCaptionButtonPlace place;
        place.Kind = picture.Kind;
        place.Key = picture.Key;
        place.MaskIndex =
            globalInfo < 0
                ? -1
                : skin.FindMaskIndex(globalInfo, std::string(kGlobalInfoSection), picture.Key);
        const TsMaskData* mask = skinpaint::MaskAt(skin, place.MaskIndex);
        const int width =
            mask ? std::clamp(mask->CellWidth(), 1, kMaxFrameValue) : kDefaultButtonSide;
        const int height =
            mask ? std::clamp(mask->CellHeight(), 1, kMaxFrameValue) : kDefaultButtonSide;
        int top =
            values.BiVAlign == 1 ? titleTop + (titleHeight - height) / 2 : titleTop + values.BiTop;
        // A button never reaches out of the title bar, however the skin places it.
        top = std::max(titleTop, std::min(top, titleTop + titleHeight - height));
        place.Rect = {right - width, top, right, top + height};
        places.push_back(place);
        right -= width + values.BiSpace;
    }
    return places;
}

TRect PlaceTitleIcon(const TsFrameSkinValues& values, const TsFrameLayout& layout, int side) {
    const int left = layout.Shadow.Left + std::max(layout.Frame.Left, 4) + values.BiLeft;
    const int top = layout.Shadow.Top + (layout.Frame.Top - side) / 2;
    return {left, top, left + side, top + side};
}

TRect PlaceCaptionText(const TsFrameLayout& layout, int windowWidth, const TRect& icon,
                       const std::vector<TsCaptionButtonPlace>& buttons) {
    int right = windowWidth - layout.Shadow.Right - layout.Frame.Right;
    for (const TsCaptionButtonPlace& button : buttons) right = std::min(right, button.Rect.left);
    const int left = icon.right + kCaptionGap;
    return {left, layout.Shadow.Top, std::max(left, right - kCaptionGap),
            layout.Shadow.Top + layout.Frame.Top};
}
