// The skinned status bar's panels: dividers where the panels meet, the skin's panel picture
// instead of them, panel texts and owner-drawn panels, and divider widths kept to the bar.
#include <gtest/gtest.h>

#include "RecordingText.h"
#include "SyntheticSkin.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/PaintFace.h"
#include "skin/paint/StatusBarFace.h"

using namespace painttest;

namespace {

constexpr TColor kBar = 0x0000FF;

std::unique_ptr<TsSkinContent> BarSkin(int dividerMargin) {
    auto skin = MakeSkin("[STATUSBAR]\nCOLOR=255\nSTATES=1\n[DIVIDER]\nTRANSPARENCY=100\n");
    // The border strip of the synthetic master as the divider: drawn over the bar, it shows.
    AddRecord(*skin, Record("DIVIDER", "BORDERSMASK", TRect{0, 0, 11, 20}, 1, 1, 1, mkBorderMask,
                            dividerMargin));
    skin->Reindex();
    BuildConstIndexCache(*skin);
    return skin;
}

std::shared_ptr<TBitmap> BarFace(TsSkinContent& skin, int width) {
    auto face = Picture(width, 20, 0);
    PaintControlFace(Bind(skin, "STATUSBAR"), ColourBehind(0), false, *face, TRect{0, 0, width, 20},
                     0);
    return face;
}

TsStatusBarContent Panels(std::initializer_list<TRect> rects) {
    TsStatusBarContent content;
    for (const TRect& r : rects) content.Panels.push_back(TsStatusPanelContent{r, "", 0, false});
    return content;
}

// The columns of row 10 that are not the bar's colour.
std::vector<int> MarkedColumns(TBitmap& face) {
    std::vector<int> columns;
    for (int x = 0; x < face.PixelWidth(); ++x)
        if (At(face, x, 10) != kBar) columns.push_back(x);
    return columns;
}

TEST(StatusBarFaceTest, DividersSitBeforeEachPanelEndExceptTheLast) {
    auto skin = BarSkin(1);
    TRecordingText text;
    auto face = BarFace(*skin, 200);
    // R of panel 0 is (1, 1, 49, 19): the divider, 2 wide, starts at 49 - 1 - 1.
    PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *face,
                      Panels({{0, 0, 50, 20}, {50, 0, 110, 20}, {110, 0, 200, 20}}));
    EXPECT_EQ(MarkedColumns(*face), (std::vector<int>{47, 48, 107, 108}));
    // Rows 0 and 19 are left to the bar.
    EXPECT_EQ(At(*face, 47, 0), kBar);
    EXPECT_EQ(At(*face, 47, 19), kBar);
}

TEST(StatusBarFaceTest, OnePanelShowsNoDivider) {
    auto skin = BarSkin(1);
    TRecordingText text;
    auto face = BarFace(*skin, 200);
    PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *face, Panels({{0, 0, 200, 20}}));
    EXPECT_TRUE(MarkedColumns(*face).empty());
}

TEST(StatusBarFaceTest, DividerWidthFromTheMaskKeptToTheBar) {
    EXPECT_EQ(StatusDividerWidth(*MakeSkin("[STATUSBAR]\n"), 100), 2);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(0), 100), 2);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(3), 100), 6);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(3), 7), 6);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(3), 6), 6);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(3), 5), 5);
    EXPECT_EQ(StatusDividerWidth(*BarSkin(3), 0), 0);
    EXPECT_EQ(StatusDividerX(TRect{1, 1, 49, 19}, 2), 47);
    EXPECT_EQ(StatusDividerX(TRect{1, 1, 49, 19}, 6), 45);
    // A divider at the very edge of a narrow bar stays inside it.
    auto skin = BarSkin(3);
    TRecordingText text;
    auto face = BarFace(*skin, 4);
    EXPECT_NO_THROW(PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *face,
                                      Panels({{0, 0, 2, 20}, {2, 0, 4, 20}})));
}

TEST(StatusBarFaceTest, PanelTextAndOwnerDrawnPanels) {
    auto skin = BarSkin(1);
    TRecordingText text;
    auto face = BarFace(*skin, 200);
    TsStatusBarContent content = Panels({{0, 0, 50, 20}, {50, 0, 200, 20}});
    content.Panels[0].Text = "ab";
    content.Panels[0].TextFormat = 0x84;
    content.Panels[1].Text = "unseen";
    content.Panels[1].OwnerDraw = true;
    std::vector<std::pair<int, TRect>> drawn;
    content.DrawPanel = [&](int panel, const TRect& r) { drawn.emplace_back(panel, r); };
    PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *face, content);
    ASSERT_EQ(text.Calls.size(), 1u);
    EXPECT_EQ(text.Calls[0].Text, "ab");
    EXPECT_EQ(text.Calls[0].Rect, (TRect{4, 2, 44, 17}));
    EXPECT_EQ(text.Calls[0].Format, 0x84u);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].first, 1);
    EXPECT_EQ(drawn[0].second, (TRect{51, 1, 199, 19}));
}

TEST(StatusBarFaceTest, PanelPictureReplacesTheDividers) {
    auto skin = BarSkin(1);
    AddRecord(*skin, Record("STATUSBAR", "STATUSPANELMASK", TRect{0, 0, 11, 20}, 1, 1, 1,
                            mkBorderMask, 2));
    skin->Reindex();
    TRecordingText text;
    auto face = BarFace(*skin, 200);
    PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *face,
                      Panels({{0, 0, 50, 20}, {50, 0, 200, 20}}));
    // Framed inside each panel's R: its first column is drawn, the bar's edge is not.
    EXPECT_NE(At(*face, 1, 10), kBar);
    EXPECT_EQ(At(*face, 0, 10), kBar);
    EXPECT_NE(At(*face, 51, 10), kBar);
    // A simple panel has the picture over the whole bar.
    auto simple = BarFace(*skin, 200);
    TsStatusBarContent content = Panels({{0, 0, 50, 20}, {50, 0, 200, 20}});
    content.SimplePanel = true;
    PaintStatusPanels(text, Bind(*skin, "STATUSBAR"), *simple, content);
    EXPECT_NE(At(*simple, 0, 10), kBar);
    EXPECT_EQ(At(*simple, 51, 10), kBar);
}

}  // namespace
