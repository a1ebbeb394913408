// Picture references: the fixed-column formats, the "!" words, margin defaults and the cells.
#include <gtest/gtest.h>

#include "skin/data/PictureReference.h"

namespace {

struct Expected {
    const char* value;
    int pictureWidth, pictureHeight;
    double version;
    TsMaskKind kind;
    TRect rect;
    int states, layout, fill, uniform;
    int left, top, right, bottom;
};

TEST(PictureReference, ExamplesAndMarginDefaults) {
    const Expected cases[] = {
        {"^0251^0000^0284^0040^0005^0008^0005^0011^3^1^1^1",
         306,
         102,
         7.6,
         mkBorderMask,
         {251, 0, 284, 40},
         3,
         1,
         1,
         1,
         5,
         8,
         5,
         11},
        {"@0184@0000@0226@0014@3@0",
         306,
         102,
         7.6,
         mkGlyph,
         {184, 0, 226, 14},
         3,
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        {"~0095~0058~0098~0064~10~1",
         306,
         102,
         7.6,
         mkTexture,
         {95, 58, 98, 64},
         1,
         1,
         10,
         0,
         0,
         0,
         0,
         0},
        {"~0095~0058~0098~0064~10",
         306,
         102,
         7.6,
         mkTexture,
         {95, 58, 98, 64},
         1,
         0,
         10,
         0,
         0,
         0,
         0,
         0},
        {"!EXBOR.PNG!2!0!3!0039!0064!0039!0039!1",
         928,
         295,
         7.6,
         mkAlphaFrame,
         {0, 0, 928, 295},
         2,
         0,
         1,
         0,
         39,
         64,
         39,
         39},
        {"!GLOWBTN.PNG!1!0!3!0015!0015!0015!0015",
         32,
         32,
         7.6,
         mkAlphaFrame,
         {0, 0, 32, 32},
         1,
         0,
         1,
         0,
         15,
         15,
         15,
         15},
        // Four words: margins of a third, fill mode 1.
        {"!CLOSE.PNG!1!0!4", 30, 30, 7.6, mkAlphaImage, {0, 0, 30, 30}, 1, 0, 1, 0, 10, 10, 10, 10},
        {"!X.BMP!1!0!9", 30, 30, 7.6, mkAlphaImage, {0, 0, 30, 30}, 1, 0, 1, 0, 10, 10, 10, 10},
        // All margins 0: thirds of the cell strip and of the rows, unless a uniform margin is
        // given.
        {"^0000^0000^0033^0040^0000^0000^0000^0000^3^1^0^0",
         306,
         102,
         7.6,
         mkBorderMask,
         {0, 0, 33, 40},
         3,
         1,
         0,
         0,
         3,
         6,
         3,
         6},
        {"^0000^0000^0033^0040^0000^0000^0000^0000^3^1^0^4",
         306,
         102,
         7.6,
         mkBorderMask,
         {0, 0, 33, 40},
         3,
         1,
         0,
         4,
         4,
         4,
         4,
         4},
        // Before 7.4, bit 0 follows whether the middle is one pixel square.
        {"^0000^0000^0033^0040^0005^0009^0005^0010^3^1^0^0",
         306,
         102,
         7.3,
         mkBorderMask,
         {0, 0, 33, 40},
         3,
         1,
         1,
         0,
         5,
         9,
         5,
         10},
        {"^0000^0000^0033^0040^0004^0009^0005^0010^3^1^1^0",
         306,
         102,
         7.3,
         mkBorderMask,
         {0, 0, 33, 40},
         3,
         1,
         0,
         0,
         4,
         9,
         5,
         10},
        {"^0000^0000^0033^0040^0004^0009^0005^0010^3^1^1^0",
         306,
         102,
         7.4,
         mkBorderMask,
         {0, 0, 33, 40},
         3,
         1,
         1,
         0,
         4,
         9,
         5,
         10},
        {"~0095~0058~0098~0064~11~1",
         306,
         102,
         7.3,
         mkTexture,
         {95, 58, 98, 64},
         1,
         1,
         10,
         0,
         0,
         0,
         0,
         0},
        {"#(10, 0, 40, 30, 3,1)",
         306,
         102,
         7.6,
         mkBorderMask,
         {10, 0, 40, 30},
         3,
         1,
         0,
         0,
         3,
         5,
         3,
         5},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.value);
        const auto reference = ParsePictureReference(c.value);
        ASSERT_TRUE(reference.has_value());
        const auto mask = MakeMaskRecord(*reference, c.pictureWidth, c.pictureHeight, c.version);
        ASSERT_TRUE(mask.has_value());
        EXPECT_EQ(mask->Kind, c.kind);
        EXPECT_EQ(mask->SourceRect, c.rect);
        EXPECT_EQ(mask->StateCount, c.states);
        EXPECT_EQ(mask->MaskLayout, c.layout);
        EXPECT_EQ(mask->FillMode, c.fill);
        EXPECT_EQ(mask->UniformMargin, c.uniform);
        EXPECT_EQ(mask->MarginLeft, c.left);
        EXPECT_EQ(mask->MarginTop, c.top);
        EXPECT_EQ(mask->MarginRight, c.right);
        EXPECT_EQ(mask->MarginBottom, c.bottom);
    }
}

TEST(PictureReference, ValuesThatAreNoReference) {
    for (const char* value : {"N/A", "", "#", "3092271", "1;2;3;4;5", "^0251^0000",
                              "@01x4@0000@0226@0014@3@0", "!EXBOR.GIF!2!0!3", "!EXBOR.PNG!2!0",
                              "#(1,2,3)", "#(a,b,c,d)", "~0095~0058~0098~0064~"}) {
        EXPECT_FALSE(ParsePictureReference(value).has_value()) << value;
    }
}

TEST(PictureReference, CellsAndBoundsNeverReachOutsideThePicture) {
    const auto record = [](const char* value, int width, int height) {
        return MakeMaskRecord(*ParsePictureReference(value), width, height, 7.6);
    };
    // The rectangle's right edge just inside, at and beyond the picture's.
    EXPECT_TRUE(record("@0000@0000@0099@0010@1@0", 100, 10).has_value());
    EXPECT_TRUE(record("@0000@0000@0100@0010@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@0000@0000@0101@0010@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@0000@0000@0100@0011@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@0050@0000@0050@0010@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@0060@0000@0050@0010@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@-001@0000@0050@0010@1@0", 100, 10).has_value());
    EXPECT_FALSE(record("@0000@0000@0100@0010@0@0", 100, 10).has_value());  // no states
    EXPECT_FALSE(record("@0000@0000@0002@0010@3@0", 100, 10).has_value());  // cells of no width
    EXPECT_FALSE(record("@0000@0000@0100@0001@1@1", 100, 10).has_value());  // cells of no height
    EXPECT_TRUE(record("@0000@0000@0100@0002@1@1", 100, 10).has_value());
    EXPECT_FALSE(record("!A.PNG!0!0!3", 30, 30).has_value());
    const auto mask = record("^0000^0000^0099^0040^0006^0006^0006^0006^3^1^1^0", 100, 40);
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->CellWidth(), 33);
    EXPECT_EQ(mask->CellHeight(), 20);
}

}  // namespace
