// The layers of a face, each on a small skin made here: gradients, texture fill modes, the
// nine-slice border mask and its masked pieces.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "skin/paint/DrawBorderMask.h"
#include "skin/paint/PaintFace.h"
#include "skin/paint/PaintGradient.h"

using namespace painttest;

namespace {

constexpr TColor kBlack = MakeColor(0, 0, 0);
constexpr TColor kEnd = MakeColor(100, 200, 50);

TColor Expected(int r) {
    return MakeColor(static_cast<std::uint8_t>(10 * r), static_cast<std::uint8_t>(20 * r),
                     static_cast<std::uint8_t>(5 * r));
}

TEST(PaintGradientTest, VerticalBandsRunFromColourOneToColourTwoRowByRow) {
    auto picture = Picture(4, 11, 0xFFFFFF);
    PaintGradient(*picture, TRect{0, 0, 4, 11},
                  TsGradArray{{0, static_cast<std::int32_t>(kEnd), 100, gmVertical, 0}});
    for (int r = 0; r < 11; ++r) {
        EXPECT_EQ(At(*picture, 0, r), Expected(r)) << "row " << r;
        EXPECT_EQ(At(*picture, 3, r), Expected(r)) << "row " << r;
    }
    // Two bands of half the height each: the second begins where the first ended.
    auto two = Picture(2, 10, 0xFFFFFF);
    PaintGradient(*two, TRect{0, 0, 2, 10},
                  TsGradArray{{0, 0xFF, 50, gmVertical, 0}, {0xFF00, 0xFF0000, 50, gmVertical, 0}});
    EXPECT_EQ(At(*two, 0, 0), kBlack);
    EXPECT_EQ(At(*two, 0, 4), 0xFFu);
    EXPECT_EQ(At(*two, 0, 5), 0xFF00u);
    EXPECT_EQ(At(*two, 0, 9), 0xFF0000u);
}

TEST(PaintGradientTest, HorizontalBandsCopyTheTopRowDown) {
    auto picture = Picture(11, 5, 0xFFFFFF);
    PaintGradient(*picture, TRect{0, 0, 11, 5},
                  TsGradArray{{0, static_cast<std::int32_t>(kEnd), 100, gmHorizontal, 0}});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(At(*picture, x, y), Expected(x)) << x << "," << y;
}

TEST(PaintGradientTest, TrianglesMeetTheFivePointColoursAndRepeatAMissingStep) {
    const auto near = [](TColor a, TColor b) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                         static_cast<int>((b >> shift) & 0xFF)) > 16)
                return false;
        return true;
    };
    const TColor c[5] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000};
    TsGradArray five;
    for (TColor colour : c)
        five.push_back({static_cast<std::int32_t>(colour), 0, 20, gmTriangles, 0});
    auto picture = Picture(41, 41, 0x808080);
    PaintGradient(*picture, TRect{0, 0, 41, 41}, five);
    EXPECT_TRUE(near(At(*picture, 0, 0), c[0]));
    EXPECT_TRUE(near(At(*picture, 20, 20), c[1]));
    EXPECT_TRUE(near(At(*picture, 40, 0), c[2]));
    EXPECT_TRUE(near(At(*picture, 40, 40), c[3]));
    EXPECT_TRUE(near(At(*picture, 0, 40), c[4]));
    // Two steps: the centre, top-right, bottom-right and bottom-left all take step 2's colour.
    auto two = Picture(41, 41, 0x808080);
    PaintGradient(*two, TRect{0, 0, 41, 41}, TsGradArray(five.begin(), five.begin() + 2));
    for (auto [x, y] : {std::pair{20, 20}, {40, 0}, {40, 40}, {0, 40}})
        EXPECT_TRUE(near(At(*two, x, y), c[1]));
    // Another mode draws nothing.
    auto none = Picture(4, 4, 0x808080);
    PaintGradient(*none, TRect{0, 0, 4, 4}, TsGradArray{{0, 0, 100, 3, 0}});
    EXPECT_EQ(At(*none, 1, 1), 0x808080u);
}

struct FillModeCase {
    int mode;
    int x, y;
    TColor expected;  // kKeyColor: the plain colour
};

TEST(TileTextureTest, EveryFillModeCoversItsPartAndLeavesTheRestToThePlainColour) {
    auto skin = MakeSkin("[PANEL]\nCOLOR=255\n");
    constexpr TColor kPlain = MakeColor(1, 2, 3);
    const FillModeCase cases[] = {
        {0, 5, 6, TextureColour(1, 2)}, {10, 9, 9, TextureColour(1, 1)},
        {1, 9, 9, TextureColour(3, 3)}, {1, 0, 0, TextureColour(0, 0)},
        {2, 5, 2, TextureColour(1, 2)}, {2, 5, 4, kKeyColor},
        {3, 2, 5, TextureColour(2, 1)}, {3, 4, 5, kKeyColor},
        {4, 9, 3, TextureColour(3, 3)}, {4, 9, 4, kKeyColor},
        {5, 3, 9, TextureColour(3, 3)}, {5, 4, 0, kKeyColor},
        {6, 5, 6, TextureColour(1, 0)}, {6, 5, 5, kKeyColor},
        {7, 6, 5, TextureColour(0, 1)}, {7, 5, 5, kKeyColor},
        {9, 9, 0, TextureColour(3, 0)},
    };
    for (const FillModeCase& c : cases) {
        const TsMaskData texture =
            Record("PANEL", "PATTERN", TRect{40, 0, 44, 4}, 1, 0, c.mode, mkTexture, 0);
        auto picture = Picture(10, 10, 0xFFFFFF);
        PaintBody(*skin, *picture, TRect{0, 0, 10, 10}, 100, 0, kPlain, {}, &texture, nullptr);
        EXPECT_EQ(At(*picture, c.x, c.y), c.expected == kKeyColor ? kPlain : c.expected)
            << "mode " << c.mode << " at " << c.x << "," << c.y;
    }
    // A texture with a mask row shows its picture where the mask is black.
    const TsMaskData masked =
        Record("PANEL", "PATTERN", TRect{48, 0, 52, 8}, 1, 1, 0, mkTexture, 0);
    auto picture = Picture(6, 6, 0xFFFFFF);
    PaintBody(*skin, *picture, TRect{0, 0, 6, 6}, 100, 0, kPlain, {}, &masked, nullptr);
    EXPECT_EQ(At(*picture, 5, 5), MakeColor(255, 0, 0));
}

TEST(PaintBodyTest, PercentsShareTheAreaWithThePlainColour) {
    auto skin = MakeSkin("[PANEL]\n");
    const TsGradArray white{{0xFFFFFF, 0xFFFFFF, 100, gmVertical, 0}};
    auto picture = Picture(2, 2, 0);
    PaintBody(*skin, *picture, TRect{0, 0, 2, 2}, 0, 40, 0, white, nullptr, nullptr);
    // 40 % gradient (255), 60 % plain black: (40 * 255 + 50) div 100.
    EXPECT_EQ(At(*picture, 1, 1), MakeColor(102, 102, 102));
    PaintBody(*skin, *picture, TRect{0, 0, 2, 2}, 0, 0, 0x123456, white, nullptr, nullptr);
    EXPECT_EQ(At(*picture, 0, 0), 0x123456u);
}

class BorderMaskTest : public ::testing::Test {
protected:
    static constexpr TColor kBack = MakeColor(250, 100, 0);
    std::unique_ptr<TsSkinContent> skin = MakeSkin("[BTN]\nSTATES=3\nCOLOR=25850\n");

    std::shared_ptr<TBitmap> Draw(int fillMode, int state, TRect rect = TRect{0, 0, 20, 10},
                                  int width = 20, int height = 10) {
        const TsMaskData mask =
            Record("BTN", "BORDERSMASK", TRect{0, 0, 33, 20}, 3, 1, fillMode, mkBorderMask, 3);
        auto picture = Picture(width, height, kBack);
        DrawBorderMask(*skin, *picture, rect, true, false, state, mask, CacheInfo{});
        return picture;
    }
    // ((target - piece) * mask + piece * 256) div 256 per channel.
    static TColor Masked(TColor target, TColor piece) {
        TColor out = 0;
        for (int shift : {0, 8, 16}) {
            const int t = (target >> shift) & 0xFF, p = (piece >> shift) & 0xFF;
            out |= static_cast<TColor>(((t - p) * 0x80 + p * 256) / 256) << shift;
        }
        return out;
    }
};

TEST_F(BorderMaskTest, PiecesFollowTheMaskedPieceFormulaInTheStatesCell) {
    for (int state = 0; state < 3; ++state) {
        auto face = Draw(0, state);
        EXPECT_EQ(At(*face, 0, 0), Masked(kBack, StateColour(state, 0))) << state;
        EXPECT_EQ(At(*face, 19, 9), Masked(kBack, StateColour(state, 10))) << state;
        // The middle is left to the background without bit 2.
        EXPECT_EQ(At(*face, 10, 5), kBack);
    }
    // A state beyond the mask's cells takes the last cell.
    EXPECT_EQ(At(*Draw(0, 7), 0, 0), Masked(kBack, StateColour(2, 0)));
}

TEST_F(BorderMaskTest, FillModeBitsStretchSkipTheNormalStateAndDrawTheMiddle) {
    // Top edge on a 20-wide rectangle: columns 3..16 from the cell's middle columns 3..7.
    EXPECT_EQ(At(*Draw(0, 1), 8, 0), Masked(kBack, StateColour(1, 3)));  // tiled: 3 + 5 % 5
    EXPECT_EQ(At(*Draw(1, 1), 8, 0), Masked(kBack, StateColour(1, 4)));  // stretched 5 -> 14
    EXPECT_EQ(At(*Draw(2, 0), 0, 0), kBack);
    EXPECT_EQ(At(*Draw(2, 1), 0, 0), Masked(kBack, StateColour(1, 0)));
    EXPECT_EQ(At(*Draw(4, 1), 10, 5), Masked(kBack, StateColour(1, 3 + 7 % 5)));
}

TEST_F(BorderMaskTest, SmallRectanglesShrinkTheMarginsOrDrawNothing) {
    int left = 5, right = 5;
    FitMargins(9, left, right);
    EXPECT_EQ(left, 5);
    EXPECT_EQ(right, 4);
    left = right = 5;
    FitMargins(8, left, right);
    EXPECT_EQ(left, 4);
    EXPECT_EQ(right, 4);
    left = right = 5;
    FitMargins(10, left, right);
    EXPECT_EQ(left + right, 10);
    left = right = 1;
    FitMargins(0, left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);

    auto flat = Draw(0, 1, TRect{0, 0, 20, 1}, 20, 3);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(At(*flat, x, 0), kBack);
    auto two = Draw(0, 1, TRect{0, 0, 20, 2}, 20, 3);
    EXPECT_NE(At(*two, 0, 0), kBack);
    auto narrow = Draw(0, 1, TRect{0, 0, 5, 10}, 5, 10);
    // Margins 3 and 3 on 5 columns: left 3, right 2.
    EXPECT_EQ(At(*narrow, 2, 0), Masked(kBack, StateColour(1, 2)));
    EXPECT_EQ(At(*narrow, 3, 0), Masked(kBack, StateColour(1, 9)));
}

}  // namespace
