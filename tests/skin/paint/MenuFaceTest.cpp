// Skinned menus without a display: the pop-up border width a skin gives, the pop-up's
// background, shape and items (selected, disabled, checked, separators), the menu bar, and
// the system menu's glyphs.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "RecordingText.h"
#include "SyntheticSkin.h"
#include "platform/raster/PixelView.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/MenuFace.h"
#include "skin/paint/SystemMenuGlyphs.h"

using namespace painttest;

namespace {

constexpr TColor kMenu = 0x262626, kStrip = 0x202020, kHot = 11823144;
constexpr TColor kPlain = 0x123456;

// A pop-up 120 x 60 of the internal skin: border 1, icon strip 24.
struct InternalPopup : ::testing::Test {
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsPopupLayout layout = Layout(1);
    std::shared_ptr<TBitmap> popup;

    static TsPopupLayout Layout(int border) {
        TsPopupLayout l;
        l.BorderWidth = border;
        l.IconStripWidth = IconStripWidth();
        l.PlainColor = kPlain;
        return l;
    }
    void SetUp() override { popup = PaintPopupBackground(*skin, 120, 60, layout); }
    std::shared_ptr<TBitmap> Item(const TsMenuItem& item, ISkinTextRenderer* text = nullptr) {
        return PaintMenuItem(*skin, *popup, TRect{1, 4, 119, 26}, layout, item, text);
    }
};

std::uint32_t WordAt(TBitmap& picture, int x, int y) {
    std::uint32_t word = 0;
    raster::ReadRow(raster::ViewOf(*picture.Handle()), static_cast<std::uint32_t>(y),
                    static_cast<std::uint32_t>(x), 1, &word);
    return word;
}

// Channels at most one apart: a white mask pixel keeps 255/256 of what lies behind it.
bool Near(TColor a, TColor b) {
    const auto close = [](int x, int y) { return x - y <= 1 && y - x <= 1; };
    return close(ColorRed(a), ColorRed(b)) && close(ColorGreen(a), ColorGreen(b)) &&
           close(ColorBlue(a), ColorBlue(b));
}

// BlendRect's byte formula with the item's weight 102 (0.4).
TColor DisabledBlend(TColor item, TColor behind) {
    const auto mix = [](int t, int s) { return (t * 102 + s * (255 - 102) + 127) / 256; };
    return MakeColor(static_cast<std::uint8_t>(mix(ColorRed(item), ColorRed(behind))),
                     static_cast<std::uint8_t>(mix(ColorGreen(item), ColorGreen(behind))),
                     static_cast<std::uint8_t>(mix(ColorBlue(item), ColorBlue(behind))));
}

std::unique_ptr<TsSkinContent> MenuSkin(int uniformMargin) {
    auto skin = MakeSkin("[MAINMENU]\nCOLOR=1\n");
    TsMaskData border =
        Record("MAINMENU", "BORDERSMASK", TRect{0, 0, 33, 20}, 3, 1, 0, mkBorderMask, 3);
    border.UniformMargin = static_cast<std::uint16_t>(uniformMargin);
    AddRecord(*skin, border);
    return skin;
}

TEST(MenuBorderWidth, FollowsTheMainMenuMaskAndItsUniformMargin) {
    EXPECT_EQ(PopupBorderWidth(*MakeSkin("[PANEL]\nCOLOR=1\n")), 0);
    EXPECT_EQ(PopupBorderWidth(*MakeSkin("[MAINMENU]\nCOLOR=1\n")), 0);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(0)), kMenuDefaultBorder);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(1)), 1);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(2)), 2);
    // Skin values are kept to the widest border a pop-up can afford.
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(kMenuMaxBorder - 1)), kMenuMaxBorder - 1);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(kMenuMaxBorder)), kMenuMaxBorder);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(kMenuMaxBorder + 1)), kMenuMaxBorder);
    EXPECT_EQ(PopupBorderWidth(*MenuSkin(0xFFFF)), kMenuMaxBorder);

    auto internal = skin::LoadInternalSkin();
    EXPECT_EQ(PopupBorderWidth(*internal), 1);
    // Known again with every load.
    EXPECT_EQ(BuildConstIndexCache(*internal).MenuBorderWidth, 1);
    EXPECT_EQ(BuildConstIndexCache(*MenuSkin(0)).MenuBorderWidth, kMenuDefaultBorder);
}

TEST(MenuBackground, SkinWithoutMainMenuGivesAPlainRectangularPopup) {
    auto skin = MakeSkin("[PANEL]\nCOLOR=1\n");
    TsPopupLayout layout;
    layout.PlainColor = kPlain;
    layout.IconStripWidth = IconStripWidth();
    auto popup = PaintPopupBackground(*skin, 40, 30, layout);
    for (auto [x, y] : {std::pair{0, 0}, {5, 10}, {39, 29}, {30, 15}})
        EXPECT_EQ(At(*popup, x, y), kPlain);
    EXPECT_TRUE(PopupCutOuts(*skin, 40, 30).empty());
    EXPECT_TRUE(PaintPopupBackground(*skin, 0, 30, layout)->IsEmpty());
}

TEST_F(InternalPopup, BackgroundHasTheIconStripLeftUnlessRightToLeft) {
    EXPECT_EQ(At(*popup, 10, 30), kStrip);
    EXPECT_EQ(At(*popup, 1 + IconStripWidth() + 5, 30), kMenu);
    // The border line is the mask's, neither the strip nor the background.
    EXPECT_NE(At(*popup, 0, 30), kStrip);
    EXPECT_NE(At(*popup, 0, 30), kMenu);

    layout.RightToLeft = true;
    auto mirrored = PaintPopupBackground(*skin, 120, 60, layout);
    EXPECT_EQ(At(*mirrored, 10, 30), kMenu);
    EXPECT_EQ(At(*mirrored, 110, 30), kMenu);
}

TEST_F(InternalPopup, ShapeIsCutWhereTheMaskCornersAreOpen) {
    std::set<std::pair<int, int>> cut;
    for (const TRect& r : PopupCutOuts(*skin, 100, 80))
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) cut.insert({x, y});
    for (auto corner : {std::pair{0, 0}, {99, 0}, {0, 79}, {99, 79}})
        EXPECT_TRUE(cut.count(corner));
    for (auto inside : {std::pair{4, 4}, {50, 0}, {0, 40}, {95, 75}})
        EXPECT_FALSE(cut.count(inside));
    // The same rounding at every corner, and nothing beyond the corner pieces.
    int perCorner[4] = {};
    for (auto [x, y] : cut) {
        ASSERT_TRUE((x < 4 || x >= 96) && (y < 4 || y >= 76)) << x << "," << y;
        ++perCorner[(x >= 50 ? 1 : 0) + (y >= 40 ? 2 : 0)];
    }
    EXPECT_EQ(perCorner[0], perCorner[1]);
    EXPECT_EQ(perCorner[0], perCorner[2]);
    EXPECT_EQ(perCorner[0], perCorner[3]);
    // Pop-ups smaller than the corners: the corners shrink, nothing lies outside the pop-up.
    for (int size : {1, 2, 3, 7, 8, 9})
        for (const TRect& r : PopupCutOuts(*skin, size, size)) {
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, size);
            EXPECT_LE(r.bottom, size);
        }
}

TEST_F(InternalPopup, SelectedItemIsHotAndADisabledOneIsBlendedIntoThePopup) {
    TsMenuItem item;
    item.Caption = "Save image";
    TRecordingText text;
    auto normal = Item(item, &text);
    EXPECT_EQ(At(*normal, 100, 2), kMenu);
    EXPECT_EQ(At(*normal, 5, 2), kStrip);
    ASSERT_FALSE(text.Calls.empty());
    EXPECT_EQ(text.Calls.back().Colour, MenuTextColor(*skin, true, false));

    item.Selected = true;
    text.Calls.clear();
    auto selected = Item(item, &text);
    EXPECT_EQ(At(*selected, 100, 2), kHot);
    // The selection lies over the text area only.
    EXPECT_EQ(At(*selected, 5, 2), kStrip);
    ASSERT_FALSE(text.Calls.empty());
    EXPECT_EQ(text.Calls.back().Colour, 16777215u);
    EXPECT_EQ(MenuTextColor(*skin, true, true), 16777215u);
}

TEST(MenuItemFace, DisabledItemKeepsFourTenthsOverThePopupAndIsNeverHot) {
    const TColor item = MakeColor(200, 100, 0), behind = MakeColor(0, 100, 250);
    auto skin =
        MakeSkin("[MAINMENU]\nCOLOR=" + std::to_string(behind) +
                 "\n[MENUITEM]\nSTATES=2\nCOLOR=" + std::to_string(item) + "\nHOTCOLOR=255\n");
    TsPopupLayout layout;
    layout.IconStripWidth = IconStripWidth();
    auto popup = PaintPopupBackground(*skin, 100, 40, layout);
    ASSERT_EQ(At(*popup, 50, 20), behind);
    TsMenuItem disabled;
    disabled.Enabled = false;
    disabled.Selected = true;
    auto face = PaintMenuItem(*skin, *popup, TRect{0, 10, 100, 30}, layout, disabled, nullptr);
    EXPECT_EQ(At(*face, 60, 10), DisabledBlend(item, behind));
    // The strip, where no item face lies, is blended with itself (to within the rounding).
    EXPECT_TRUE(Near(At(*face, 5, 10), behind));
}

TEST_F(InternalPopup, SeparatorIsTheDividerLineAcrossTheTextArea) {
    TsMenuItem separator;
    separator.Separator = true;
    auto face = PaintMenuItem(*skin, *popup, TRect{1, 4, 119, 11}, layout, separator, nullptr);
    // Seven rows: the four-row divider sits in rows 1-4, its line in rows 2 and 3.
    const int textLeft = 1 + IconStripWidth() - 1;
    for (int x : {textLeft, 60, 110}) {
        EXPECT_TRUE(Near(At(*face, x, 1), kMenu)) << x;
        EXPECT_EQ(At(*face, x, 2), 0x181818u) << x;
        EXPECT_EQ(At(*face, x, 3), 0x3E3E3Eu) << x;
        EXPECT_TRUE(Near(At(*face, x, 4), kMenu)) << x;
    }
    // The icon strip carries no line.
    EXPECT_EQ(At(*face, 5, 2), kStrip);
}

TEST(MenuCheckGlyph, RadioCheckOrBoxAsTheSkinHasThem) {
    auto skin = MakeSkin("[GLOBALINFO]\nVERSION=7.60\n");
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Check), -1);
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Radio), -1);
    const int box = AddRecord(
        *skin, Record("GLOBALINFO", "BOXCHECKED", TRect{40, 0, 44, 4}, 1, 0, 0, mkGlyph, 0));
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Check), box);
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Radio), -1);
    const int check =
        AddRecord(*skin, Record("GLOBALINFO", "CHECK", TRect{40, 0, 44, 4}, 1, 0, 0, mkGlyph, 0));
    const int radio = AddRecord(
        *skin, Record("GLOBALINFO", "RADIOCHECKED", TRect{40, 0, 44, 4}, 1, 0, 0, mkGlyph, 0));
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Check), check);
    EXPECT_EQ(CheckGlyphIndex(*skin, TsMenuCheck::Radio), radio);
}

TEST_F(InternalPopup, CheckedItemsShowTheGlyphOrAPressedFrameAroundTheirIcon) {
    const auto inked = [](TBitmap& face, TColor ground) {
        int count = 0;
        for (int y = 0; y < face.PixelHeight(); ++y)
            for (int x = 4; x < 4 + kMenuIconSize; ++x) count += At(face, x, y) != ground;
        return count;
    };
    TsMenuItem item;
    EXPECT_EQ(inked(*Item(item), kStrip), 0);
    item.Checked = true;
    EXPECT_GT(inked(*Item(item), kStrip), 10);
    item.CheckKind = TsMenuCheck::Radio;
    EXPECT_GT(inked(*Item(item), kStrip), 10);

    // A 16 x 16 red icon, checked: SPEEDBUTTON_SMALL's pressed face one pixel around it.
    item.Icon = Picture(kMenuIconSize, kMenuIconSize, 0);
    raster::TPixelView icon = raster::ViewOf(*item.Icon->Handle());
    std::vector<std::uint32_t> red(kMenuIconSize, 0xFFFF0000u);
    for (int y = 0; y < kMenuIconSize; ++y)
        raster::WriteRow(icon, static_cast<std::uint32_t>(y), 0, kMenuIconSize, red.data());
    item.Checked = false;
    auto plain = Item(item);
    const int top = (22 - kMenuIconSize) / 2;
    // The icon's cell starts at the strip's margin: x 4 of an item starting at the border.
    EXPECT_EQ(At(*plain, 3, top + 3), kStrip);
    EXPECT_EQ(At(*plain, 4, top + 3), 0x0000FFu);
    item.Checked = true;
    auto checked = Item(item);
    EXPECT_NE(At(*checked, 3, top + 3), kStrip);
    EXPECT_NE(At(*checked, 4 + kMenuIconSize, top + 3), kStrip);
    EXPECT_EQ(At(*checked, 2, top + 3), kStrip);
    EXPECT_EQ(At(*checked, 4, top + 3), 0x0000FFu);
}

TEST_F(InternalPopup, SubMenuItemsPointTheirArrowAwayFromTheText) {
    TsMenuItem item;
    EXPECT_EQ(At(*Item(item), 110, 11), kMenu);
    item.SubMenu = true;
    auto face = Item(item);
    // The arrow's widest column stands 8 pixels inside the item's right end, in the caption's
    // colour; its tip three pixels further in.
    EXPECT_EQ(At(*face, 110, 11), MenuTextColor(*skin, true, false));
    EXPECT_EQ(At(*face, 107, 11), MenuTextColor(*skin, true, false));
    EXPECT_EQ(At(*face, 111, 11), kMenu);
    EXPECT_EQ(At(*face, 106, 11), kMenu);
}

TEST_F(InternalPopup, BadSizesDrawNothingAndNeverRaise) {
    TsMenuItem item;
    item.Caption = "x";
    TRecordingText text;
    EXPECT_TRUE(PaintMenuItem(*skin, *popup, TRect{0, 0, 0, 10}, layout, item, &text)->IsEmpty());
    // An item reaching past the pop-up is drawn where it overlaps.
    EXPECT_FALSE(
        PaintMenuItem(*skin, *popup, TRect{100, 50, 300, 90}, layout, item, &text)->IsEmpty());
    EXPECT_FALSE(
        PaintMenuItem(*skin, *popup, TRect{-50, -5, 10, 5}, layout, item, &text)->IsEmpty());
    TsPopupLayout wild = layout;
    wild.BorderWidth = 1 << 30;
    wild.IconStripWidth = -(1 << 30);
    EXPECT_FALSE(PaintPopupBackground(*skin, 3, 3, wild)->IsEmpty());
    EXPECT_FALSE(PaintMenuItem(*skin, *popup, TRect{1, 4, 119, 26}, wild, item, &text)->IsEmpty());
}

TEST_F(InternalPopup, MenuBarStripAndItsHotItem) {
    auto strip = PaintMenuBarStrip(*skin, 200, 21, 0x2F2F2F);
    EXPECT_EQ(At(*strip, 100, 10), kMenu);
    TRecordingText text;
    auto normal =
        PaintMenuBarItem(*skin, *strip, TRect{0, 0, 40, 21}, "File", 0, true, false, &text);
    EXPECT_EQ(At(*normal, 38, 1), kMenu);
    EXPECT_EQ(text.Calls.back().Colour, MenuTextColor(*skin, true, false));
    auto hot = PaintMenuBarItem(*skin, *strip, TRect{0, 0, 40, 21}, "File", 0, true, true, &text);
    EXPECT_EQ(At(*hot, 38, 1), kHot);
    EXPECT_EQ(text.Calls.back().Colour, MenuTextColor(*skin, true, true));
    // A disabled top-level item is never hot.
    auto off = PaintMenuBarItem(*skin, *strip, TRect{0, 0, 40, 21}, "File", 0, false, true, &text);
    EXPECT_EQ(At(*off, 38, 1), kMenu);
}

TEST(SystemMenuGlyphs, FourDistinctDrawingsInTheGivenColour) {
    const TsSystemGlyph all[] = {TsSystemGlyph::Minimize, TsSystemGlyph::Maximize,
                                 TsSystemGlyph::Close, TsSystemGlyph::Restore};
    std::vector<std::vector<std::uint32_t>> drawings;
    for (TsSystemGlyph glyph : all) {
        auto picture = SystemMenuGlyph(glyph, 16, 0x3366CC);
        ASSERT_EQ(picture->PixelWidth(), 16);
        std::vector<std::uint32_t> words;
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const std::uint32_t w = WordAt(*picture, x, y);
                words.push_back(w);
                if (w != 0) {
                    ++inked;
                    EXPECT_EQ(w, 0xFFCC6633u);
                }
            }
        EXPECT_GT(inked, 12);
        EXPECT_EQ(WordAt(*picture, 0, 0), 0u);
        EXPECT_EQ(WordAt(*picture, 15, 15), 0u);
        for (const auto& other : drawings) EXPECT_NE(words, other);
        drawings.push_back(words);
    }
    EXPECT_EQ(SystemMenuGlyph(TsSystemGlyph::Close, 7, 0)->PixelWidth(), 8);
    EXPECT_EQ(SystemMenuGlyph(TsSystemGlyph::Close, 8, 0)->PixelWidth(), 8);
    EXPECT_EQ(SystemMenuGlyph(TsSystemGlyph::Close, 64, 0)->PixelWidth(), 64);
    EXPECT_EQ(SystemMenuGlyph(TsSystemGlyph::Close, 65, 0)->PixelWidth(), 64);
}

}  // namespace
