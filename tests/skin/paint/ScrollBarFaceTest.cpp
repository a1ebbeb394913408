#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "SyntheticSkin.h"
#include "skin/data/SkinLoading.h"
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
    // Sections without a GLYPHMASK show no arrow: the whole button is its colour.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(painttest::At(*face, x, y), TColor{65280}) << x;
}

TEST(ScrollBarFace, ThumbMinimumJustBelowAtAndAboveTheTrack) {
    TsScrollBarState s = Range(true, 0, 9, 1, 0);
    s.ThumbMinimum = 17;
    EXPECT_EQ(ScrollBarParts(16, 32 + 16, s).Thumb.Height(), 0);
    EXPECT_EQ(ScrollBarParts(16, 32 + 17, s).Thumb.Height(), 17);
    EXPECT_EQ(ScrollBarParts(16, 32 + 18, s).Thumb.Height(), 17);
    // A minimum of nothing or less is one pixel.
    s.ThumbMinimum = -4;
    EXPECT_EQ(ScrollBarParts(16, 33, s).Thumb.Height(), 1);
}

TEST(ScrollBarFace, APageAsLargeAsTheRangeFillsHalfTheTrackOrMore) {
    // Track of 84 pixels between two 16-pixel arrows.
    EXPECT_EQ(ScrollBarParts(16, 116, Range(true, 0, 100, 100, 0)).Thumb.Height(), 42);
    EXPECT_EQ(ScrollBarParts(16, 116, Range(true, 0, 100, 1000, 0)).Thumb.Height(), 76);
    const TsScrollBarParts huge = ScrollBarParts(16, 116, Range(true, 0, 100, INT_MAX, 100));
    EXPECT_EQ(huge.Thumb.Height(), 83);
    EXPECT_EQ(huge.Thumb.bottom, huge.Track.bottom);
}

TEST(ScrollBarFace, BarsShorterThanTwoArrowsShareTheirLengthAndNeverGoNegative) {
    for (int length : {0, 1, 2, 31, 32, 33}) {
        const TsScrollBarParts p = ScrollBarParts(length, 16, Range(false, 0, 9, 1, 4));
        EXPECT_EQ(p.FirstArrow.Width(), std::min(16, length / 2)) << length;
        EXPECT_EQ(p.SecondArrow.Width(), p.FirstArrow.Width()) << length;
        EXPECT_GE(p.Track.Width(), 0) << length;
        EXPECT_LE(p.FirstArrow.right, p.SecondArrow.left) << length;
        EXPECT_EQ(p.SecondArrow.right, length) << length;
        EXPECT_EQ(p.Thumb.Width(), 0) << length;
    }
}

int Brightest(TBitmap& face, const TRect& r) {
    int best = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            best = std::max(best, static_cast<int>(ColorGreen(painttest::At(face, x, y))));
    return best;
}

// The internal skin's arrow buttons are the track's colour with a chevron glyph that brightens
// when the button is hot.
TEST(ScrollBarFace, ArrowButtonsShowTheirGlyphsStateByState) {
    auto skin = skin::LoadInternalSkin();
    BuildConstIndexCache(*skin);
    TsFaceBinding owner;
    owner.Skin = skin.get();
    const TColor button = static_cast<TColor>(
        skin->GeneralData.at(static_cast<std::size_t>(skin->SectionIndex("SCROLLBTNTOP")))
            .Props[0]
            .Color);
    const auto paint = [&](bool vertical, int firstState) {
        auto face = painttest::Picture(vertical ? 17 : 100, vertical ? 100 : 17, 0);
        TsScrollBarState s = Range(vertical, 0, 10, 5, 5);
        s.FirstArrowState = firstState;
        PaintScrollBar(owner, painttest::ColourBehind(3092271), *face, s);
        return face;
    };
    for (bool vertical : {true, false}) {
        const TRect first{0, 0, 17, 17};
        auto normal = paint(vertical, 0);
        EXPECT_EQ(painttest::At(*normal, 1, 1), button);
        EXPECT_GT(Brightest(*normal, first), static_cast<int>(ColorGreen(button)) + 60);
        auto hot = paint(vertical, 1);
        EXPECT_GT(Brightest(*hot, first), Brightest(*normal, first));
        // The corner of a hot button is lighter than the normal one.
        EXPECT_NE(painttest::At(*hot, 1, 1), button);
    }
}

TEST(ScrollBarFace, MetricsComeFromTheArrowGlyphsAndTheThumbBorder) {
    auto internal = skin::LoadInternalSkin();
    for (bool vertical : {true, false}) {
        const TsScrollBarMetrics m = ScrollBarMetrics(*internal, vertical);
        EXPECT_EQ(m.Extent, 17) << vertical;
        EXPECT_EQ(m.ThumbMinimum, 17) << vertical;
    }
    // No pictures at all: the smallest bar, and a square thumb.
    auto bare = painttest::MakeSkin("[SCROLLBTNTOP]\nCOLOR=1\n[SCROLLSLIDERV]\nCOLOR=2\n");
    EXPECT_EQ(ScrollBarMetrics(*bare, true).Extent, kScrollExtentMinimum);
    EXPECT_EQ(ScrollBarMetrics(*bare, true).ThumbMinimum, kScrollExtentMinimum);
    // A glyph cell of 33, 34 and 35 pixels: just below, at and above the thickest bar.
    const int expected[] = {39, 40, 40};
    for (int i = 0; i < 3; ++i) {
        auto skin = painttest::MakeSkin("[SCROLLBTNTOP]\nCOLOR=1\n[SCROLLSLIDERV]\nCOLOR=2\n");
        painttest::AddRecord(
            *skin, painttest::Record("SCROLLBTNTOP", "GLYPHMASK", TRect{0, 0, 33 + i, 10}, 1, 0, 0,
                                     mkGlyph, 0));
        EXPECT_EQ(ScrollBarMetrics(*skin, true).Extent, expected[i]) << 33 + i;
        EXPECT_EQ(ScrollBarMetrics(*skin, false).Extent, kScrollExtentMinimum) << 33 + i;
    }
    // A thumb border of hostile margins gives the longest minimum, no more.
    auto wide = painttest::MakeSkin("[SCROLLSLIDERV]\nCOLOR=2\n");
    painttest::AddRecord(
        *wide, painttest::Record("SCROLLSLIDERV", "BORDERSMASK", TRect{0, 0, 33, 20}, 3, 1, 0,
                                 mkBorderMask, 60000));
    EXPECT_EQ(ScrollBarMetrics(*wide, true).ThumbMinimum, kScrollThumbMaximum);
    EXPECT_EQ(ScrollBarMetrics(*wide, true).Extent, kScrollExtentMaximum);
}

}  // namespace
