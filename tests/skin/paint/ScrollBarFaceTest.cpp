#include <gtest/gtest.h>

#include <climits>

#include "SyntheticSkin.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/ScrollBarFace.h"

namespace {

void ExpectRect(const TRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TsScrollBarState Range(bool vertical, int minimum, int maximum, int page, int value) {
    TsScrollBarState s;
    s.Vertical = vertical;
    s.Minimum = minimum;
    s.Maximum = maximum;
    s.PageStep = page;
    s.Value = value;
    return s;
}

TEST(ScrollBarFace, VerticalPartsFollowRangePageAndValue) {
    TsScrollBarParts p = ScrollBarParts(16, 100, Range(true, 0, 100, 100, 0));
    ExpectRect(p.FirstArrow, 0, 0, 16, 16);
    ExpectRect(p.SecondArrow, 0, 84, 16, 100);
    ExpectRect(p.Track, 0, 16, 16, 84);
    ExpectRect(p.Thumb, 0, 16, 16, 50);
    ExpectRect(ScrollBarParts(16, 100, Range(true, 0, 100, 100, 100)).Thumb, 0, 50, 16, 84);
    ExpectRect(ScrollBarParts(16, 100, Range(true, 0, 100, 100, 50)).Thumb, 0, 33, 16, 67);
    // A value outside the range sits at the nearer end.
    ExpectRect(ScrollBarParts(16, 100, Range(true, 0, 100, 100, 900)).Thumb, 0, 50, 16, 84);
}

TEST(ScrollBarFace, HorizontalThumbNeverShorterThanTheMinimum) {
    TsScrollBarParts p = ScrollBarParts(200, 14, Range(false, 0, 100000, 1, 0));
    ExpectRect(p.FirstArrow, 0, 0, 14, 14);
    ExpectRect(p.SecondArrow, 186, 0, 200, 14);
    EXPECT_EQ(p.Thumb.Width(), kScrollThumbMinimum);
    EXPECT_EQ(p.Thumb.left, 14);
}

TEST(ScrollBarFace, ShortBarsAndEmptyRangesHaveNoThumb) {
    // Track just below, at and above the minimum thumb.
    EXPECT_EQ(
        ScrollBarParts(16, 32 + kScrollThumbMinimum - 1, Range(true, 0, 9, 1, 0)).Thumb.Height(),
        0);
    EXPECT_EQ(ScrollBarParts(16, 32 + kScrollThumbMinimum, Range(true, 0, 9, 1, 0)).Thumb.Height(),
              kScrollThumbMinimum);
    EXPECT_GE(
        ScrollBarParts(16, 32 + kScrollThumbMinimum + 1, Range(true, 0, 9, 1, 0)).Thumb.Height(),
        kScrollThumbMinimum);
    // Arrows share a bar shorter than two squares.
    TsScrollBarParts tiny = ScrollBarParts(16, 20, Range(true, 0, 9, 1, 0));
    ExpectRect(tiny.FirstArrow, 0, 0, 16, 10);
    ExpectRect(tiny.SecondArrow, 0, 10, 16, 20);
    EXPECT_EQ(tiny.Thumb.Height(), 0);
    EXPECT_EQ(ScrollBarParts(16, 100, Range(true, 5, 5, 1, 5)).Thumb.Height(), 0);
    EXPECT_EQ(ScrollBarParts(16, 100, Range(true, 9, 1, 1, 5)).Thumb.Height(), 0);
    EXPECT_EQ(ScrollBarParts(-5, -5, Range(true, 0, 9, 1, 5)).Thumb.Height(), 0);
}

TEST(ScrollBarFace, WholeIntRangeDoesNotOverflow) {
    TsScrollBarParts p = ScrollBarParts(16, 1000, Range(true, INT_MIN, INT_MAX, INT_MAX, INT_MAX));
    EXPECT_EQ(p.Thumb.bottom, p.Track.bottom);
    EXPECT_GE(p.Thumb.top, p.Track.top);
}

TEST(ScrollBarFace, PaintingWithoutASkinLeavesTheFace) {
    auto face = skinpaint::NewFacePicture(16, 60);
    TsFaceBinding none;
    PaintScrollBar(none, BackgroundInfo{}, *face, Range(true, 0, 10, 2, 3));
    EXPECT_EQ(face->PixelWidth(), 16);
}

// Each part in its own plain colour, so a column of the face reads like a map of the parts.
TEST(ScrollBarFace, PartsArePaintedFromTheirOwnSections) {
    auto skin = painttest::MakeSkin(
        "[SCROLLBAR1V]\nCOLOR=255\nSTATES=1\n[SCROLLBTNTOP]\nCOLOR=65280\nSTATES=1\n"
        "[SCROLLBTNBOTTOM]\nCOLOR=16711680\nSTATES=1\n[SCROLLSLIDERV]\nCOLOR=65535\nSTATES=1\n");
    skin->Reindex();
    BuildConstIndexCache(*skin);
    auto face = painttest::Picture(16, 100, 0);
    PaintScrollBar(painttest::Bind(*skin, "SCROLLBAR1V"), painttest::ColourBehind(0), *face,
                   Range(true, 0, 100, 100, 100));
    EXPECT_EQ(painttest::At(*face, 8, 0), TColor{65280});
    EXPECT_EQ(painttest::At(*face, 8, 15), TColor{65280});
    EXPECT_EQ(painttest::At(*face, 8, 16), TColor{255});
    EXPECT_EQ(painttest::At(*face, 8, 49), TColor{255});
    EXPECT_EQ(painttest::At(*face, 8, 50), TColor{65535});
    EXPECT_EQ(painttest::At(*face, 8, 83), TColor{65535});
    EXPECT_EQ(painttest::At(*face, 8, 84), TColor{16711680});
    EXPECT_EQ(painttest::At(*face, 8, 99), TColor{16711680});
}

}  // namespace
