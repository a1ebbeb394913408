// A window frame laid out and painted from a skin file over a fixed picture set: the frame
// values, EXBORDER margins and caption-button pictures a hostile skin gives must neither
// overflow nor reach outside a picture. Windows are kept small so that every input runs fast.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "SkinPictureSet.h"
#include "core/Exception.h"
#include "skin/data/TSkinFileSource.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FrameFace.h"
#include "skin/paint/FrameHitTest.h"

namespace {

void PaintFrames(TsSkinContent& content) {
    const TsConstIndexCache cache = BuildConstIndexCache(content);
    const TsFrameSkinValues values = ReadFrameSkinValues(content);
    const TsMargins shadow = ShadowSize(content, cache.ExBorder, values);
    for (const bool extended : {false, true})
        for (const bool maximized : {false, true}) {
            TsFrameFaceInput in;
            in.Skin = &content;
            in.GlobalInfo = cache.GlobalInfo;
            in.ExBorder = cache.ExBorder;
            in.FormSection = content.SectionIndex("FORM");
            in.TitleSection = content.SectionIndex("FORMTITLE");
            in.Layout = LayoutFrame(values, shadow, extended, maximized);
            const TsMargins outside = in.Layout.Outside();
            // The window a client area of 40 x 20 needs, held small.
            in.Width = std::min(outside.Left + outside.Right + 40, 600);
            in.Height = std::min(outside.Top + outside.Bottom + 20, 600);
            in.TemplateShadow = shadow;
            in.Active = maximized;
            in.Glowing = true;
            in.Buttons = PlaceCaptionButtons(content, cache.GlobalInfo, values, in.Layout, in.Width,
                                             {!maximized, true});
            for (std::size_t i = 0; i < in.Buttons.size(); ++i)
                in.ButtonStates.push_back(static_cast<int>(i % 3));
            PaintFrameFace(in);
            const TRect icon = PlaceTitleIcon(values, in.Layout, 16);
            PlaceCaptionText(in.Layout, in.Width, icon, in.Buttons);
            for (int y = -1; y <= in.Height; y += 7)
                for (int x = -1; x <= in.Width; x += 7)
                    HitTest(in.Layout, in.Width, in.Height, in.Buttons, icon, x, y, true);
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinPackageSource source(FuzzSkinPictures());
    try {
        TsSkinContent content(std::string(reinterpret_cast<const char*>(data), size));
        content.LoadPictures(source);
        content.LoadSections();
        PaintFrames(content);
    } catch (const Exception&) {
    }
    return 0;
}
