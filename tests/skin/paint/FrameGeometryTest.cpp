// The arithmetic of skinned window frames: shadow sizes, title heights, where the frame, the
// caption buttons and the icon lie, and what each point of the window means to the mouse.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FrameHitTest.h"
#include "skin/paint/FrameMetrics.h"

using namespace painttest;

namespace {

// A skin with an EXBORDER record whose margins are 30, 50, 31, 32.
struct ExBorderSkin {
    std::unique_ptr<TsSkinContent> skin;
    int exBorder;
    explicit ExBorderSkin(const std::string& globalInfo) {
        skin = MakeSkin("[GLOBALINFO]\n" + globalInfo);
        TsMaskData record =
            Record("GLOBALINFO", "EXBORDER", {0, 0, 33, 20}, 1, 0, 1, mkAlphaFrame, 0);
        record.MarginLeft = 30;
        record.MarginTop = 50;
        record.MarginRight = 31;
        record.MarginBottom = 32;
        exBorder = AddRecord(*skin, record);
    }
};

TEST(FrameShadow, FollowsTheBorderMode) {
    // Mode 0: the template's margins less FORMOFFSET.
    ExBorderSkin mode0("BORDERMODE=0\nFORMOFFSET=12\n");
    EXPECT_EQ(ShadowSize(*mode0.skin, mode0.exBorder, ReadFrameSkinValues(*mode0.skin)),
              (TsMargins{18, 38, 19, 20}));
    // Mode 1: FORMOFFSET on every side.
    ExBorderSkin mode1("BORDERMODE=1\nFORMOFFSET=12\n");
    EXPECT_EQ(ShadowSize(*mode1.skin, mode1.exBorder, ReadFrameSkinValues(*mode1.skin)),
              (TsMargins{12, 12, 12, 12}));
    // An offset larger than a margin leaves no shadow on that side, never a negative one.
    ExBorderSkin deep("BORDERMODE=0\nFORMOFFSET=40\n");
    EXPECT_EQ(ShadowSize(*deep.skin, deep.exBorder, ReadFrameSkinValues(*deep.skin)),
              (TsMargins{0, 10, 0, 0}));
    // Without EXBORDER the built-in pictures' 9 pixels, whatever the mode says.
    auto bare = MakeSkin("[GLOBALINFO]\nBORDERMODE=1\nFORMOFFSET=12\n");
    EXPECT_EQ(ShadowSize(*bare, -1, ReadFrameSkinValues(*bare)), (TsMargins{9, 9, 9, 9}));
}

TEST(FrameShadow, InternalSkinHasSeventeenOnEverySide) {
    auto skin = skin::LoadInternalSkin();
    const TsConstIndexCache cache = BuildConstIndexCache(*skin);
    ASSERT_GE(cache.ExBorder, 0);
    const TsMaskData& mask = skin->Masks[static_cast<std::size_t>(cache.ExBorder)];
    EXPECT_EQ(mask.CellWidth(), 464);
    EXPECT_EQ(mask.CellHeight(), 295);
    EXPECT_EQ(ShadowSize(*skin, cache.ExBorder, ReadFrameSkinValues(*skin)),
              (TsMargins{17, 17, 17, 17}));
}

TEST(FrameLayout, TitleHeightsAndFramesByBorderAndState) {
    auto skin = MakeSkin("[GLOBALINFO]\nBORDERWIDTH=22\nTITLEHEIGHT=48\nMAXHEIGHT=35\n");
    const TsFrameSkinValues values = ReadFrameSkinValues(*skin);
    EXPECT_EQ(TitleHeight(values, true, false), 48);
    EXPECT_EQ(TitleHeight(values, true, true), 35);
    EXPECT_EQ(TitleHeight(values, false, false), 23);
    EXPECT_EQ(TitleHeight(values, false, true), 23);
    // Maximized, at least the system caption and 4.
    TsFrameSkinValues low = values;
    low.MaxHeight = 20;
    EXPECT_EQ(TitleHeight(low, true, true), 27);

    const TsMargins shadow{17, 17, 17, 17};
    const TsFrameLayout extended = LayoutFrame(values, shadow, true, false);
    EXPECT_EQ(extended.Frame, (TsMargins{22, 48, 22, 22}));
    EXPECT_EQ(extended.Outside(), (TsMargins{39, 65, 39, 39}));
    EXPECT_EQ(extended.FrameRect(600, 500), (TRect{17, 17, 583, 483}));
    // Maximized: no shadow and no frame but the title bar.
    EXPECT_EQ(LayoutFrame(values, shadow, true, true).Outside(), (TsMargins{0, 35, 0, 0}));
    // The plain frame is the standard one, so a window keeps its designed outer size.
    EXPECT_EQ(LayoutFrame(values, shadow, false, false).Outside(), (TsMargins{8, 31, 8, 8}));
    EXPECT_EQ(LayoutFrame(values, shadow, false, true).Outside(), (TsMargins{0, 23, 0, 0}));
}

TEST(FrameLayout, HostileValuesAreHeldWithinBounds) {
    auto skin = MakeSkin("[GLOBALINFO]\nBORDERWIDTH=2000000000\nTITLEHEIGHT=-5\nBITOP=99999\n");
    const TsFrameSkinValues values = ReadFrameSkinValues(*skin);
    EXPECT_EQ(values.BorderWidth, kMaxFrameValue);
    EXPECT_EQ(values.TitleHeight, 0);
    EXPECT_EQ(values.BiTop, kMaxFrameValue);
}

// Internal skin: 30 x 30 buttons, BIRIGHT 10, BISPACE 2, BITOP 9.
class CaptionButtons : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsConstIndexCache cache = BuildConstIndexCache(*skin);
    TsFrameSkinValues values = ReadFrameSkinValues(*skin);
    TsFrameLayout layout = LayoutFrame(values, {17, 17, 17, 17}, true, false);
};

TEST_F(CaptionButtons, CloseMaximizeMinimizeFromTheRight) {
    const auto buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, {});
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].Kind, TsCaptionButtonKind::Close);
    EXPECT_EQ(buttons[0].Rect, (TRect{543, 26, 573, 56}));
    EXPECT_STREQ(buttons[0].Key, "BICONCLOSE");
    EXPECT_EQ(buttons[1].Kind, TsCaptionButtonKind::Maximize);
    EXPECT_EQ(buttons[1].Rect, (TRect{511, 26, 541, 56}));
    EXPECT_STREQ(buttons[1].Key, "BICONMAX");
    EXPECT_EQ(buttons[2].Kind, TsCaptionButtonKind::Minimize);
    EXPECT_EQ(buttons[2].Rect, (TRect{479, 26, 509, 56}));
    for (const auto& button : buttons) EXPECT_GE(button.MaskIndex, 0);
}

TEST_F(CaptionButtons, MaximizedShowsRestoreKeptInsideTheLowerTitle) {
    const TsFrameLayout maximized = LayoutFrame(values, {17, 17, 17, 17}, true, true);
    const auto buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, maximized, 1280, {});
    EXPECT_STREQ(buttons[1].Key, "BICONNORM");
    // BITOP 9 would reach below the 35-row title: the buttons rise to stay in it.
    EXPECT_EQ(buttons[0].Rect, (TRect{1240, 5, 1270, 35}));
}

TEST_F(CaptionButtons, CloseAloneOnlyWhenBothOthersAreMissingAndTheSkinHasIt) {
    const TsCaptionButtonSet closeOnly{false, false};
    auto lone = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, closeOnly);
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_STREQ(lone[0].Key, "BICONCLOSE") << "the internal skin has no BICLOSEALONE";

    const int alone =
        AddRecord(*skin, Record("GLOBALINFO", "BICLOSEALONE", {0, 0, 11, 10}, 1, 0, 0, mkGlyph, 0));
    lone = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, closeOnly);
    EXPECT_STREQ(lone[0].Key, "BICLOSEALONE");
    EXPECT_EQ(lone[0].MaskIndex, alone);
    EXPECT_EQ(lone[0].Rect, (TRect{562, 26, 573, 36}));
    const auto withMinimize =
        PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, {true, false});
    ASSERT_EQ(withMinimize.size(), 2u);
    EXPECT_STREQ(withMinimize[0].Key, "BICONCLOSE");
    EXPECT_EQ(withMinimize[1].Kind, TsCaptionButtonKind::Minimize);
}

TEST_F(CaptionButtons, CentredWhenBiVAlignIsOne) {
    values.BiVAlign = 1;
    const auto buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, {});
    EXPECT_EQ(buttons[0].Rect.top, 17 + (48 - 30) / 2);
}

TEST_F(CaptionButtons, HitZonesOfTheWholeWindow) {
    const int width = 600, height = 500;
    const auto buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, width, {});
    const TRect icon = PlaceTitleIcon(values, layout, 16);
    EXPECT_EQ(icon, (TRect{17 + 22, 17 + 16, 17 + 22 + 16, 17 + 32}));
    struct TCase {
        int x, y;
        TsHitZone zone;
    };
    const TCase cases[] = {
        {-1, 100, TsHitZone::Nowhere},
        {600, 100, TsHitZone::Nowhere},
        {550, 30, TsHitZone::CloseButton},
        {520, 30, TsHitZone::MaxButton},
        {490, 30, TsHitZone::MinButton},
        {542, 30, TsHitZone::Caption},
        {45, 40, TsHitZone::SysMenu},
        {300, 40, TsHitZone::Caption},
        {300, 300, TsHitZone::Client},
        {0, 300, TsHitZone::Left},
        // The band reaches kResizeGrip into the frame: 17 + 3 resizes, 17 + 4 does not.
        {20, 300, TsHitZone::Left},
        {21, 300, TsHitZone::Nowhere},
        {599, 300, TsHitZone::Right},
        {579, 300, TsHitZone::Right},
        {578, 300, TsHitZone::Nowhere},
        {300, 0, TsHitZone::Top},
        {300, 20, TsHitZone::Top},
        {300, 21, TsHitZone::Caption},
        {300, 499, TsHitZone::Bottom},
        {300, 479, TsHitZone::Bottom},
        {300, 478, TsHitZone::Nowhere},
        {0, 0, TsHitZone::TopLeft},
        {32, 2, TsHitZone::TopLeft},
        {33, 2, TsHitZone::Top},
        {599, 0, TsHitZone::TopRight},
        {0, 499, TsHitZone::BottomLeft},
        {599, 499, TsHitZone::BottomRight},
        {590, 483, TsHitZone::BottomRight},
        {2, 32, TsHitZone::TopLeft},
        {2, 33, TsHitZone::Left},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(HitTest(layout, width, height, buttons, icon, c.x, c.y, true), c.zone)
            << c.x << ", " << c.y;
    // A fixed-size window, and a maximized one, have no resize zones.
    EXPECT_EQ(HitTest(layout, width, height, buttons, icon, 0, 300, false), TsHitZone::Nowhere);
    EXPECT_EQ(HitTest(layout, width, height, buttons, icon, 300, 20, false), TsHitZone::Caption);
    const TsFrameLayout maximized = LayoutFrame(values, {}, true, true);
    EXPECT_EQ(HitTest(maximized, width, height, {}, TRect{}, 0, 300, true), TsHitZone::Client);
    EXPECT_EQ(HitTest(maximized, width, height, {}, TRect{}, 0, 0, true), TsHitZone::Caption);
    EXPECT_TRUE(IsResizeZone(TsHitZone::BottomRight));
    EXPECT_FALSE(IsResizeZone(TsHitZone::CloseButton));
}

TEST_F(CaptionButtons, CaptionTextLiesBetweenIconAndButtons) {
    const auto buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, layout, 600, {});
    const TRect icon = PlaceTitleIcon(values, layout, 16);
    EXPECT_EQ(PlaceCaptionText(layout, 600, icon, buttons), (TRect{61, 17, 473, 65}));
}

}  // namespace
