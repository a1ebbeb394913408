// The menu painter over a hostile skin file: the input is the skin file, its pictures are the
// internal skin's. Every layer of a pop-up, its shape, its items and the menu bar are painted
// at a few sizes; nothing may raise, and the shape may not reach outside the pop-up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Exception.h"
#include "core/TMemoryStream.h"
#include "core/Text.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/MenuFace.h"

namespace {

const TacSkinConvertor& Pictures() {
    static const TacSkinConvertor* package = [] {
        const auto bytes = skin::InternalSkinPackage();
        auto* converter = new TacSkinConvertor();
        TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ReadPackage(stream, *converter);
        return converter;
    }();
    return *package;
}

// The internal skin's files except its two large pictures, which no menu uses and whose decoding
// would take most of every run.
class TSmallPictures : public TSkinFileSource {
public:
    std::optional<std::span<const std::uint8_t>> Fetch(const std::string& name) override {
        const std::string upper = UpperCase(name);
        if (upper == "EXBOR.PNG" || upper == "BUTTONHUGE.BMP") return std::nullopt;
        return package_.Fetch(name);
    }
    bool IsFolder() const override { return false; }

private:
    TSkinPackageSource package_{Pictures()};
};

void PaintItems(const TsSkinContent& skin, TBitmap& popup, const TsPopupLayout& layout) {
    const int w = popup.PixelWidth(), h = popup.PixelHeight();
    const auto icon = skinpaint::NewFacePicture(kMenuIconSize, kMenuIconSize);
    for (int kind = 0; kind < 6; ++kind) {
        TsMenuItem item;
        item.Separator = kind == 0;
        item.Selected = kind == 1 || kind == 3;
        item.Enabled = kind != 3;
        item.Checked = kind >= 2;
        item.CheckKind = kind == 4 ? TsMenuCheck::Radio : TsMenuCheck::Check;
        item.SubMenu = kind == 5;
        if (kind == 3) item.Icon = icon;
        PaintMenuItem(skin, popup, TRect{0, 2, w, std::min(h, 24)}, layout, item, nullptr);
    }
}

void PaintPopup(const TsSkinContent& skin, int width, int height, bool rightToLeft) {
    TsPopupLayout layout;
    layout.BorderWidth = PopupBorderWidth(skin);
    layout.IconStripWidth = IconStripWidth();
    layout.RightToLeft = rightToLeft;
    auto popup = PaintPopupBackground(skin, width, height, layout);
    for (const TRect& cut : PopupCutOuts(skin, width, height))
        if (cut.left < 0 || cut.top < 0 || cut.right > width || cut.bottom > height ||
            cut.Width() <= 0 || cut.Height() <= 0)
            std::abort();
    if (!popup->IsEmpty()) PaintItems(skin, *popup, layout);
    auto strip = PaintMenuBarStrip(skin, width, height, 0x2F2F2F);
    if (!strip->IsEmpty())
        PaintMenuBarItem(skin, *strip, TRect{0, 0, std::min(width, 40), height}, "File", 0, true,
                         true, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSmallPictures source;
    try {
        TsSkinContent skin(std::string(reinterpret_cast<const char*>(data), size));
        skin.LoadPictures(source);
        skin.LoadSections();
        BuildConstIndexCache(skin);
        for (auto [width, height] : {std::pair{1, 1}, {7, 9}, {120, 60}})
            for (bool rightToLeft : {false, true}) PaintPopup(skin, width, height, rightToLeft);
    } catch (const Exception&) {
    }
    return 0;
}
