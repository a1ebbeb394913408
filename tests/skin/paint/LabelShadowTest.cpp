// The soft text shadow of the link label: where its values come from, the blur buffer to the
// exact value, the composition and the bounds on what a skin may ask for.
#include <gtest/gtest.h>

#include "RecordingText.h"
#include "SyntheticSkin.h"
#include "skin/paint/LabelFace.h"
#include "skin/paint/ShadowValues.h"
#include "skin/paint/TsShadowMask.h"

using namespace painttest;

namespace {

std::vector<std::vector<int>> Entries(const TsShadowMask& mask) {
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < mask.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < mask.Width(); ++x) rows.back().push_back(mask.Entry(x, y));
    }
    return rows;
}

TEST(ShadowMaskTest, BlurOfTheCentreOfAThreeByThreeMaskGivesTheExactValues) {
    TsShadowMask mask;
    TBitmap* picture = mask.Prepare(3, 3);
    ASSERT_NE(picture, nullptr);
    skinpaint::FillArea(*picture, TRect{1, 1, 2, 2}, 0xFFFFFF);
    // Each entry is the average of its four neighbours as they stand when it is reached: the
    // ones above and to the left already replaced in this pass.
    mask.Blur(1);
    EXPECT_EQ(Entries(mask),
              (std::vector<std::vector<int>>{{0, 63, 15}, {63, 31, 11}, {15, 11, 5}}));
    mask.Blur(2);
    EXPECT_EQ(Entries(mask),
              (std::vector<std::vector<int>>{{31, 75, 21}, {75, 43, 17}, {21, 17, 8}}));
    // The buffer's border never takes a value.
    for (int i = -1; i <= 3; ++i) {
        EXPECT_EQ(mask.Entry(i, -1), 0);
        EXPECT_EQ(mask.Entry(-1, i), 0);
        EXPECT_EQ(mask.Entry(i, 3), 0);
        EXPECT_EQ(mask.Entry(3, i), 0);
    }
    // Only the blue channel lights an entry; a rebuild starts from zero.
    skinpaint::FillArea(*picture, TRect{1, 1, 2, 2}, 0x00FFFF);
    mask.Blur(1);
    EXPECT_EQ(Entries(mask), (std::vector<std::vector<int>>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));
}

TEST(ShadowMaskTest, CompositionOverTheCanvasAndOverTheLabelsOwnColour) {
    TsShadowMask mask;
    skinpaint::FillArea(*mask.Prepare(3, 3), TRect{1, 1, 2, 2}, 0xFFFFFF);
    mask.Blur(1);
    // Transparent: (c * (255 - a) + s * a) div 256 over what lies under the label.
    auto canvas = Picture(5, 5, 0x808080);
    mask.ComposeOver(*canvas, 2, 2, 0x0000FF);
    mask.CopyTo(*canvas, 2, 2);
    EXPECT_EQ(At(*canvas, 2, 2), 0x7F7F7Fu);  // a = 0: 128 * 255 / 256
    EXPECT_EQ(At(*canvas, 3, 2), MakeColor((128 * 192 + 255 * 63) / 256, 96, 96));  // a = 63
    EXPECT_EQ(At(*canvas, 1, 1), 0x808080u);  // outside the label
    // Opaque: (s * a + (255 - a) * background) div 256.
    mask.ComposeOpaque(0x0000FF, 0xFF0000);
    EXPECT_EQ(At(*mask.Picture(), 1, 1), MakeColor(255 * 31 / 256, 0, 224 * 255 / 256));
}

TEST(ShadowMaskTest, EmptyAndHugeMasksAreRefusedAndBlurNothing) {
    TsShadowMask mask;
    EXPECT_EQ(mask.Prepare(0, 10), nullptr);
    EXPECT_EQ(mask.Prepare(10, -1), nullptr);
    mask.Blur(4);
    EXPECT_EQ(mask.Entry(0, 0), 0);
    // 4096 x 1024 is kMaxPixels.
    EXPECT_NE(mask.Prepare(4095, 1024), nullptr);
    EXPECT_NE(mask.Prepare(4096, 1024), nullptr);
    EXPECT_EQ(mask.Prepare(4096, 1025), nullptr);
    EXPECT_EQ(mask.Prepare(1 << 30, 1 << 30), nullptr);
    mask.Blur(kMaxShadowBlur);
    EXPECT_EQ(mask.Entry(0, 0), 0);
}

TEST(ShadowValuesTest, SkinValuesUnlessTheSkinSaysMinusOne) {
    const TsShadowValues own{0x800080, 2, 3};
    auto skin = MakeSkin("[GLOBALINFO]\nSHADOW1COLOR=0\nSHADOW1BLUR=4\nSHADOW1OFFSET=1\n");
    const TsShadowValues fromSkin = ResolveShadow(smSkin, own, skin.get());
    EXPECT_EQ(fromSkin.Color, 0u);
    EXPECT_EQ(fromSkin.BlurCount, 4);
    EXPECT_EQ(fromSkin.Distance, 1);
    // Blur 4 and distance 1 reach 3 pixels up and left and 5 down and right: 8 in all.
    EXPECT_EQ(ShadowOffsTopLeft(fromSkin), -3);
    EXPECT_EQ(ShadowOffsRightBottom(fromSkin), 5);
    EXPECT_EQ(ResolveShadow(smCustom, own, skin.get()).Color, 0x800080u);

    auto off = MakeSkin("[GLOBALINFO]\nSHADOW1COLOR=255\nSHADOW1BLUR=-1\nSHADOW1OFFSET=7\n");
    const TsShadowValues fallback = ResolveShadow(smSkin, own, off.get());
    EXPECT_EQ(fallback.Color, 0x800080u);
    EXPECT_EQ(fallback.BlurCount, 2);
    EXPECT_EQ(fallback.Distance, 3);
    EXPECT_EQ(ResolveShadow(smSkin, own, nullptr).Color, 0x800080u);

    EXPECT_FALSE(ShadowShows(TsShadowValues{kNoShadowColor, 4, 1}));
    EXPECT_FALSE(ShadowShows(TsShadowValues{0, 0, 1}));
    EXPECT_TRUE(ShadowShows(TsShadowValues{0, 1, 0}));
}

TEST(ShadowValuesTest, BlurAndDistanceFromTheSkinAreLimited) {
    const auto resolve = [](int blur, int distance) {
        auto skin = MakeSkin("[GLOBALINFO]\nSHADOW1BLUR=" + std::to_string(blur) +
                             "\nSHADOW1OFFSET=" + std::to_string(distance) + "\n");
        return ResolveShadow(smSkin, TsShadowValues{}, skin.get());
    };
    EXPECT_EQ(resolve(kMaxShadowBlur - 1, 0).BlurCount, kMaxShadowBlur - 1);
    EXPECT_EQ(resolve(kMaxShadowBlur, 0).BlurCount, kMaxShadowBlur);
    EXPECT_EQ(resolve(kMaxShadowBlur + 1, 0).BlurCount, kMaxShadowBlur);
    EXPECT_EQ(resolve(-2, 0).BlurCount, 0);
    EXPECT_EQ(resolve(1, kMaxShadowDistance - 1).Distance, kMaxShadowDistance - 1);
    EXPECT_EQ(resolve(1, kMaxShadowDistance).Distance, kMaxShadowDistance);
    EXPECT_EQ(resolve(1, kMaxShadowDistance + 1).Distance, kMaxShadowDistance);
    EXPECT_EQ(resolve(1, -2147483647).Distance, -kMaxShadowDistance);
    // The widening of the largest shadow stays small.
    const TsShadowValues most = resolve(2147483647, 2147483647);
    EXPECT_EQ(ShadowOffsRightBottom(most) - ShadowOffsTopLeft(most),
              kMaxShadowDistance + kMaxShadowBlur);
}

TEST(ShadowValuesTest, TextColourByKind) {
    auto skin = MakeSkin("[GLOBALINFO]\nTCLEFT=1234\nFONTCOLOR=99\n[LINK]\nFONTCOLOR=4321\n");
    const int link = skin->SectionIndex("LINK");
    EXPECT_EQ(LabelFXTextColor(ktStandard, 1, 2, skin.get(), link), 2u);
    EXPECT_EQ(LabelFXTextColor(ktCustom, 1, 2, skin.get(), link), 1u);
    EXPECT_EQ(LabelFXTextColor(ktSkin, 1, 2, skin.get(), link), 4321u);
    EXPECT_EQ(LabelFXTextColor(ktSkin, 1, 2, skin.get(), -1), 1234u);
    EXPECT_EQ(LabelFXTextColor(ktSkin, 1, 2, nullptr, -1), 1u);
    EXPECT_EQ(GlobalFontColor(*skin), 99u);
    auto noLeft = MakeSkin("[GLOBALINFO]\nTCLEFT=-1\n");
    EXPECT_EQ(LabelFXTextColor(ktSkin, 1, 2, noLeft.get(), -1), 1u);
}

TEST(LabelFaceTest, ShadowLiesUnderTheTextMovedByTheDistance) {
    TRecordingText text;
    TsShadowMask mask;
    auto face = Picture(30, 12, 0xC0C0C0);
    TsLabelFXContent content;
    content.Text = "ab";
    content.Rect = TRect{0, 0, 30, 12};
    content.Shadow = TsShadowValues{0, 4, 1};
    content.TextColor = 0xFFFFFF;
    PaintLabelFX(text, *face, content, mask);
    // The mask is drawn white, moved by the distance; the caption in place in its colour.
    ASSERT_EQ(text.Calls.size(), 2u);
    EXPECT_EQ(text.Calls[0].Colour, 0xFFFFFFu);
    EXPECT_EQ(text.Calls[0].Dx, 1);
    EXPECT_EQ(text.Calls[0].Dy, 1);
    EXPECT_EQ(text.Calls[1].Dx, 0);
    // Under the caption's right edge the halo darkens the background; far away it does not.
    EXPECT_LT(ColorRed(At(*face, 12, 6)), 0xC0);
    EXPECT_GT(ColorRed(At(*face, 12, 6)), 0);
    // Where no shadow reaches, a = 0 still divides by 256: 192 * 255 div 256.
    EXPECT_EQ(At(*face, 29, 0), 0xBFBFBFu);
    EXPECT_EQ(At(*face, 2, 2), 0xFFFFFFu);

    // No shadow colour: the text alone.
    text.Calls.clear();
    content.Shadow.Color = kNoShadowColor;
    auto plain = Picture(30, 12, 0xC0C0C0);
    PaintLabelFX(text, *plain, content, mask);
    EXPECT_EQ(text.Calls.size(), 1u);
    EXPECT_EQ(At(*plain, 12, 6), 0xC0C0C0u);
}

TEST(LabelFaceTest, DisabledLabelDrawsItsTextTwice) {
    TRecordingText text;
    TsShadowMask mask;
    auto face = Picture(20, 10, 0);
    TsLabelFXContent content;
    content.Text = "a";
    content.Rect = TRect{0, 0, 20, 10};
    content.Enabled = false;
    PaintLabelFX(text, *face, content, mask);
    ASSERT_EQ(text.Calls.size(), 2u);
    EXPECT_EQ(text.Calls[0].Colour, content.DisabledLight);
    EXPECT_EQ(text.Calls[0].Dx, 1);
    EXPECT_EQ(text.Calls[0].Dy, 1);
    EXPECT_EQ(text.Calls[1].Colour, content.DisabledDark);
    EXPECT_EQ(text.Calls[1].Dx, 0);
}

}  // namespace
