// The group box's caption strip for every layout, reading direction and width, and the face
// with and without a caption.
#include <gtest/gtest.h>

#include "RecordingText.h"
#include "SyntheticSkin.h"
#include "skin/paint/GroupBoxFace.h"
#include "skin/paint/TextFormat.h"

using namespace painttest;

namespace {

TsCaptionGeometry Box(int width, int text, TsCaptionLayout layout, bool rtl, int captionWidth) {
    TsCaptionGeometry g;
    g.Width = width;
    g.TextWidth = text;
    g.LetterHeight = 13;
    g.Layout = layout;
    g.RightToLeft = rtl;
    g.CaptionWidth = captionWidth;
    return g;
}

TEST(GroupCaptionRectTest, LayoutsReadingDirectionsAndWidths) {
    struct Row {
        TsCaptionLayout layout;
        bool rtl;
        int captionWidth;
        TRect expected;
    };
    // Width 220, text 60, margins 2, 0, 2, 0: H = 13 + 2.
    const Row rows[] = {
        {clTopLeft, false, 0, {6, 0, 74, 15}},       {clTopCenter, false, 0, {75, 0, 143, 15}},
        {clTopRight, false, 0, {146, 0, 214, 15}},   {clTopLeft, true, 0, {146, 0, 214, 15}},
        {clTopCenter, true, 0, {75, 0, 143, 15}},    {clTopRight, true, 0, {6, 0, 74, 15}},
        {clTopLeft, false, 100, {8, 0, 110, 15}},    {clTopCenter, false, 100, {57, 0, 159, 15}},
        {clTopRight, false, 100, {112, 0, 214, 15}}, {clTopLeft, true, 100, {112, 0, 214, 15}},
        {clTopCenter, true, 100, {57, 0, 159, 15}},  {clTopRight, true, 100, {8, 0, 110, 15}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GroupCaptionRect(Box(220, 60, row.layout, row.rtl, row.captionWidth)),
                  row.expected)
            << int(row.layout) << " rtl " << row.rtl << " width " << row.captionWidth;
}

TEST(GroupCaptionRectTest, StripStaysInsideTheBoxAndKeepsTwiceTheBevel) {
    // Wider than the box: cut at its right edge; centred further than the left edge: from 0.
    EXPECT_EQ(GroupCaptionRect(Box(50, 60, clTopLeft, false, 0)), (TRect{6, 0, 50, 15}));
    EXPECT_EQ(GroupCaptionRect(Box(50, 60, clTopCenter, false, 0)), (TRect{0, 0, 50, 15}));
    // Narrower than twice the bevel: one bevel more on each side (below, at and above).
    TsCaptionGeometry g = Box(100, 0, clTopLeft, false, 0);
    g.Margin = TsMargin{0, 0, 0, 0};
    EXPECT_EQ(GroupCaptionRect(g), (TRect{5, 0, 7, 15}));
    g.TextWidth = 1;
    EXPECT_EQ(GroupCaptionRect(g), (TRect{5, 0, 8, 15}));
    g.TextWidth = 2;
    EXPECT_EQ(GroupCaptionRect(g), (TRect{6, 0, 8, 15}));
    g.TextWidth = 3;
    EXPECT_EQ(GroupCaptionRect(g), (TRect{6, 0, 9, 15}));
}

TEST(GroupCaptionRectTest, HeightFollowsFontMarginsAndSkinnedOffset) {
    TsCaptionGeometry g = Box(220, 60, clTopLeft, false, 0);
    g.LetterHeight = 2;
    EXPECT_EQ(GroupCaptionHeight(g), 6);  // at least 4 for the letter
    g.LetterHeight = 13;
    g.Margin = TsMargin{2, 3, 2, 4};
    EXPECT_EQ(GroupCaptionHeight(g), 22);
    g.YOffset = 5;
    EXPECT_EQ(GroupCaptionHeight(g), 22);  // the offset counts only under a skin
    g.Skinned = true;
    EXPECT_EQ(GroupCaptionHeight(g), 27);
    g.YOffset = -3;
    EXPECT_EQ(GroupCaptionRect(g).top, -3);
    EXPECT_EQ(GroupCaptionRect(g).bottom, 19);
}

constexpr const char* kBoxSkin =
    "[GROUPBOX]\nCOLOR=255\nSTATES=1\n[CHECKBOX]\nTRANSPARENCY=100\n[PLATE]\nCOLOR=16711680\n";
constexpr TColor kBehind = 0x00FF00;

TsGroupBoxContent Content(const std::string& caption, int width, TsSkinContent& skin) {
    TsGroupBoxContent content;
    content.Caption = caption;
    content.Geometry = Box(width, static_cast<int>(caption.size()) * TRecordingText::kCharWidth,
                           clTopLeft, false, 0);
    content.Geometry.LetterHeight = 10;
    content.Geometry.Skinned = true;
    content.TextFormat = kTextEndEllipsis;
    content.CaptionSection = skin.SectionIndex("CHECKBOX");
    return content;
}

TEST(GroupBoxFaceTest, EmptyCaptionDrawsNoStripAndTheFrameStartsAtHalfItsHeight) {
    auto skin = MakeSkin(kBoxSkin);
    TRecordingText text;
    auto face = Picture(40, 30, 0);
    PaintGroupBoxFace(text, Bind(*skin, "GROUPBOX"), ColourBehind(kBehind), *face,
                      Content("", 40, *skin));
    EXPECT_TRUE(text.Calls.empty());
    // H = 10 + 2: the background down to row 5, the frame from row 6.
    EXPECT_EQ(At(*face, 10, 5), kBehind);
    EXPECT_EQ(At(*face, 10, 6), 0x0000FFu);
    EXPECT_EQ(At(*face, 10, 29), 0x0000FFu);
}

TEST(GroupBoxFaceTest, CaptionIsCutIntoTheFrameThroughItsSection) {
    auto skin = MakeSkin(kBoxSkin);
    TRecordingText text;
    auto face = Picture(60, 30, 0);
    TsGroupBoxContent content = Content("abc", 60, *skin);
    PaintGroupBoxFace(text, Bind(*skin, "GROUPBOX"), ColourBehind(kBehind), *face, content);
    // The strip runs from 6 to 6 + 18 + 8; the see-through CHECKBOX hides the frame there.
    ASSERT_EQ(text.Calls.size(), 1u);
    EXPECT_EQ(text.Calls[0].Rect, (TRect{8, 0, 30, 12}));
    EXPECT_EQ(At(*face, 29, 8), kBehind);
    EXPECT_EQ(At(*face, 5, 8), 0x0000FFu);
    EXPECT_EQ(At(*face, 32, 8), 0x0000FFu);

    // CaptionSkin's section paints the strip instead.
    content.CaptionSection = skin->SectionIndex("PLATE");
    auto plated = Picture(60, 30, 0);
    PaintGroupBoxFace(text, Bind(*skin, "GROUPBOX"), ColourBehind(kBehind), *plated, content);
    EXPECT_EQ(At(*plated, 29, 8), 0xFF0000u);
}

TEST(GroupBoxFaceTest, TooWideCaptionEndsAtTheRightEdgeWithAnEllipsis) {
    auto skin = MakeSkin(kBoxSkin);
    TRecordingText text;
    auto face = Picture(40, 30, 0);
    PaintGroupBoxFace(text, Bind(*skin, "GROUPBOX"), ColourBehind(kBehind), *face,
                      Content("abcdefghij", 40, *skin));
    ASSERT_EQ(text.Calls.size(), 1u);
    EXPECT_EQ(text.Calls[0].Rect, (TRect{8, 0, 38, 12}));
    EXPECT_NE(text.Calls[0].Format & kTextEndEllipsis, 0u);
    // Nothing is drawn outside the face, and a box too small for anything draws nothing.
    auto tiny = Picture(3, 2, 0x123456);
    PaintGroupBoxFace(text, Bind(*skin, "GROUPBOX"), ColourBehind(kBehind), *tiny,
                      Content("abcdefghij", 3, *skin));
    EXPECT_EQ(text.Calls.size(), 1u);
}

}  // namespace
