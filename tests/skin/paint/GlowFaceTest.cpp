// A control's glow picture: found through the section's GLOWMARGIN and GLOW0 picture, sliced
// in nine over the whole glow, cut to the part the window shows, and kept a valid
// premultiplied picture whatever the skin's picture holds.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "SyntheticSkin.h"
#include "platform/raster/PixelView.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/GlowFace.h"

using namespace painttest;

namespace {

// The pixel's whole word, fourth byte included.
std::uint32_t WordAt(TBitmap& picture, int x, int y) {
    std::uint32_t word = 0;
    raster::ReadRow(raster::ViewOf(*picture.Handle()), static_cast<std::uint32_t>(y),
                    static_cast<std::uint32_t>(x), 1, &word);
    return word;
}

std::uint32_t Alpha(std::uint32_t word) {
    return word >> 24;
}

bool Premultiplied(TBitmap& picture) {
    for (int y = 0; y < picture.PixelHeight(); ++y)
        for (int x = 0; x < picture.PixelWidth(); ++x) {
            const std::uint32_t w = WordAt(picture, x, y);
            for (const int shift : {0, 8, 16})
                if (((w >> shift) & 0xFF) > Alpha(w)) return false;
        }
    return true;
}

class InternalButtonGlow : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsGlowSource glow = FindControlGlow(*skin, skin->SectionIndex("BUTTON"));
    // The main window's generate button, 140 x 40, well inside its window.
    const TRect button{322, 302, 462, 342};
};

TEST_F(InternalButtonGlow, PictureWithMarginsFifteenAndGlowMarginEight) {
    ASSERT_TRUE(glow.Exists());
    EXPECT_EQ(glow.GlowMargin, 8);
    const GlowMargins m = glow.Margins();
    EXPECT_EQ((std::vector<int>{m.Left, m.Top, m.Right, m.Bottom}),
              (std::vector<int>{15, 15, 15, 15}));
    EXPECT_EQ(glow.Picture->CellWidth(), 32);
    EXPECT_EQ(glow.Picture->CellHeight(), 32);
    // Sections without a glow margin have no glow, even where they inherit the picture.
    EXPECT_FALSE(FindControlGlow(*skin, skin->SectionIndex("PANEL")).Exists());
    EXPECT_FALSE(FindControlGlow(*skin, -1).Exists());
}

TEST_F(InternalButtonGlow, SlicedOverTheWholeGlowClearOverTheButton) {
    const GlowPlacement placement =
        PlaceGlow(button, glow.Margins(), glow.GlowMargin, TRect{0, 0, 490, 442});
    ASSERT_EQ(placement.Visible, (TRect{315, 295, 469, 349}));
    auto face = PaintGlowFace(*skin, glow, placement);
    ASSERT_NE(face, nullptr);
    ASSERT_EQ(face->PixelWidth(), 154);
    ASSERT_EQ(face->PixelHeight(), 54);
    TBitmap& picture = *glow.Picture->Bmp;
    // The four corners are the picture's own, pixel for pixel.
    for (const auto& [fx, fy, px, py] : std::vector<std::array<int, 4>>{
             {0, 0, 0, 0}, {14, 14, 14, 14}, {153, 0, 31, 0}, {140, 53, 18, 31}, {3, 50, 3, 28}})
        EXPECT_EQ(WordAt(*face, fx, fy), WordAt(picture, px, py)) << fx << "," << fy;
    // The ring beside the button glows; the button itself stays clear.
    EXPECT_GT(Alpha(WordAt(*face, 4, 27)), 0u);
    EXPECT_GT(Alpha(WordAt(*face, 77, 3)), 0u);
    EXPECT_EQ(WordAt(*face, 77, 27), 0u);
    EXPECT_EQ(WordAt(*face, 20, 20), 0u);
    EXPECT_TRUE(Premultiplied(*face));
}

TEST_F(InternalButtonGlow, CutToTheWindowShowsThePartOfTheWholeGlow) {
    const TRect window{0, 0, 490, 442};
    const TRect atCorner{0, 0, 140, 40};
    const GlowPlacement whole =
        PlaceGlow(atCorner, glow.Margins(), glow.GlowMargin, TRect{-100, -100, 490, 442});
    const GlowPlacement cut = PlaceGlow(atCorner, glow.Margins(), glow.GlowMargin, window);
    ASSERT_EQ(cut.Visible, (TRect{0, 0, 147, 47}));
    auto all = PaintGlowFace(*skin, glow, whole);
    auto part = PaintGlowFace(*skin, glow, cut);
    ASSERT_NE(all, nullptr);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->PixelWidth(), 147);
    for (int y = 0; y < part->PixelHeight(); y += 3)
        for (int x = 0; x < part->PixelWidth(); x += 3)
            ASSERT_EQ(WordAt(*part, x, y), WordAt(*all, x + 7, y + 7)) << x << "," << y;
    // Wholly outside the window: nothing to paint.
    EXPECT_EQ(
        PaintGlowFace(*skin, glow, PlaceGlow(TRect{600, 600, 700, 640}, glow.Margins(), 8, window)),
        nullptr);
}

// A skin of the synthetic master with a glow record made by hand.
std::unique_ptr<TsSkinContent> GlowSkin(const std::string& glowMargin, TsMaskData record) {
    auto skin = MakeSkin("[BUTTON]\nGLOW=1\nGLOWMARGIN=" + glowMargin + "\n[PLAIN]\nSTATES=1\n");
    AddRecord(*skin, record);
    return skin;
}

TsGlowSource ButtonGlow(const TsSkinContent& skin) {
    return FindControlGlow(skin, skin.SectionIndex("BUTTON"));
}

TEST(GlowFace, GlowMarginJustBelowAtAndAboveZero) {
    const TsMaskData record =
        Record("BUTTON", "GLOW0", TRect{0, 0, 11, 10}, 1, 0, 1, mkAlphaFrame, 3);
    EXPECT_FALSE(ButtonGlow(*GlowSkin("-1", record)).Exists());
    EXPECT_FALSE(ButtonGlow(*GlowSkin("0", record)).Exists());
    EXPECT_TRUE(ButtonGlow(*GlowSkin("1", record)).Exists());
    // The picture is looked up under its own key: another key gives no glow.
    TsMaskData other = record;
    other.KeyName = "GLOW1";
    EXPECT_FALSE(ButtonGlow(*GlowSkin("4", other)).Exists());
}

TEST(GlowFace, ColourAboveAlphaIsHeldToIt) {
    TsMaskData record = Record("BUTTON", "GLOW0", TRect{0, 0, 4, 4}, 1, 0, 1, mkAlphaFrame, 1);
    // Alpha 0x40 under full white: no premultiplied colour may exceed its alpha.
    record.Bmp = skin::BitmapFromWords(4, 4, pf32bit, std::vector<std::uint32_t>(16, 0x40FFFFFFu));
    auto skin = GlowSkin("1", record);
    const TsGlowSource glow = ButtonGlow(*skin);
    ASSERT_TRUE(glow.Exists());
    auto face = PaintGlowFace(
        *skin, glow, PlaceGlow(TRect{10, 10, 20, 20}, glow.Margins(), 1, TRect{0, 0, 40, 40}));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->PixelWidth(), 10);
    EXPECT_EQ(WordAt(*face, 0, 0), 0x40404040u);
    EXPECT_EQ(WordAt(*face, 5, 5), 0x40404040u);
}

TEST(GlowFace, TiledGlowFarLargerThanItsWindowCostsOnlyTheWindow) {
    // Tiled (fill mode 0) with one-pixel margins over a glow reaching 60,000 pixels beyond a
    // 50 x 50 window: only the tiles the window shows are laid.
    const auto skin =
        GlowSkin("1", Record("BUTTON", "GLOW0", TRect{0, 0, 11, 10}, 1, 0, 0, mkAlphaFrame, 1));
    TsGlowSource glow = ButtonGlow(*skin);
    ASSERT_TRUE(glow.Exists());
    const GlowMargins huge{60000, 60000, 60000, 60000};
    GlowPlacement placement = PlaceGlow(TRect{10, 10, 20, 20}, huge, 1, TRect{0, 0, 50, 50});
    ASSERT_EQ(placement.Visible, (TRect{0, 0, 50, 50}));
    auto face = PaintGlowFace(*skin, glow, placement);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->PixelWidth(), 50);
    // The middle piece of the synthetic state strip (columns 1..9) repeats every 9 pixels.
    EXPECT_EQ(At(*face, 0, 5), At(*face, 9, 5));
    EXPECT_TRUE(Premultiplied(*face));
}

}  // namespace
