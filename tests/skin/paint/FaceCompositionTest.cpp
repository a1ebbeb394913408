// Whole faces: the parent's background behind transparent sections, the disabled look, the
// internal skin's button in its states, and the fading between two faces.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "platform/raster/PixelBlends.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/PaintFace.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/TsFadeAnimation.h"

using namespace painttest;

namespace {

constexpr const char* kPanelSkin =
    "[PANEL]\nCOLOR=3092271\nSTATES=1\nGRADIENTPERCENT=100\nGRADIENTDATA=255;16711680;100;0;0\n"
    "[GROUPBOX]\nTRANSPARENCY=100\nCOLOR=65280\n"
    "[HALF]\nTRANSPARENCY=50\nCOLOR=0\n"
    "[CUSTOM]\nCOLOR=65280\n";

TEST(FaceBackgroundTest, TransparencyHundredOverAPanelShowsThePanelExactly) {
    auto skin = MakeSkin(kPanelSkin);
    TsBackgroundOwner panel;
    panel.Binding = Bind(*skin, "PANEL");
    panel.Face = Picture(30, 20, 0);
    PaintControlFace(panel.Binding, ColourBehind(0xFFFFFF), false, *panel.Face, TRect{0, 0, 30, 20},
                     0);
    panel.FaceValid = true;
    // The panel has a gradient, so it answers with its face; the child adds its position.
    BackgroundInfo behind = AnswerBackground(panel, nullptr);
    ASSERT_EQ(behind.BgType, BackgroundInfo::Picture);
    behind.OffsetX += 5;
    behind.OffsetY += 4;
    auto box = Picture(10, 8, 0x00FF00);
    PaintControlFace(Bind(*skin, "GROUPBOX"), behind, false, *box, TRect{0, 0, 10, 8}, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(At(*box, x, y), At(*panel.Face, x + 5, y + 4)) << x << "," << y;

    // Half transparent over the picture: BlendRect of black onto the panel at weight 127.
    auto half = Picture(10, 8, 0x00FF00);
    PaintControlFace(Bind(*skin, "HALF"), behind, false, *half, TRect{0, 0, 10, 8}, 0);
    const TColor under = At(*panel.Face, 5, 4);
    EXPECT_EQ(ColorRed(At(*half, 0, 0)), (ColorRed(under) * 127 + 127) / 256);
}

TEST(FaceBackgroundTest, PlainParentsAnswerTheirColourAndSeeThroughOnesForward) {
    auto skin = MakeSkin(kPanelSkin);
    TsBackgroundOwner custom;
    custom.Binding = Bind(*skin, "CUSTOM");
    EXPECT_EQ(AnswerBackground(custom, nullptr).Color, 65280u);
    custom.Binding.CustomColor = true;
    custom.Binding.OwnColor = 0x123456;
    EXPECT_EQ(AnswerBackground(custom, nullptr).Color, 0x123456u);
    TsBackgroundOwner box;
    box.Binding = Bind(*skin, "GROUPBOX");
    box.Left = 7;
    box.Top = 3;
    const BackgroundInfo forwarded = AnswerBackground(box, [] { return ColourBehind(0xABCDEF); });
    EXPECT_EQ(forwarded.Color, 0xABCDEFu);
    EXPECT_EQ(forwarded.OffsetX, 7);
    EXPECT_EQ(forwarded.OffsetY, 3);
    // Half transparent over a plain colour: the two colours mixed.
    auto half = Picture(4, 4, 0);
    PaintControlFace(Bind(*skin, "HALF"), ColourBehind(0xC8C8C8), false, *half, TRect{0, 0, 4, 4},
                     0);
    EXPECT_EQ(At(*half, 1, 1), MixColors(0xC8C8C8, 0, 0.5) & 0xFFFFFF);
}

TEST(FaceBackgroundTest, PaintingRefusesRectanglesOutsideTheTargetAndUnknownSections) {
    auto skin = MakeSkin(kPanelSkin);
    auto face = Picture(10, 10, 0x010203);
    PaintControlFace(Bind(*skin, "PANEL"), ColourBehind(0), false, *face, TRect{0, 0, 11, 10}, 0);
    PaintControlFace(Bind(*skin, "PANEL"), ColourBehind(0), false, *face, TRect{-1, 0, 5, 5}, 0);
    PaintControlFace(Bind(*skin, "NOSUCH"), ColourBehind(0), false, *face, TRect{0, 0, 5, 5}, 0);
    EXPECT_EQ(At(*face, 0, 0), 0x010203u);
    PaintControlFace(Bind(*skin, "PANEL"), ColourBehind(0), false, *face, TRect{0, 0, 10, 10}, 0);
    EXPECT_EQ(At(*face, 0, 0), 255u);
}

TEST(DisabledLookTest, BlendsIntoTheParentOrTurnsGrey) {
    constexpr TColor kFace = MakeColor(200, 100, 0), kParent = MakeColor(0, 50, 250);
    auto face = Picture(3, 3, kFace);
    ApplyDisabledLook(*face, dkBlended, CacheInfo{nullptr, 0, 0, kParent, false});
    EXPECT_EQ(At(*face, 1, 1), MakeColor(100, 75, 125));
    auto parent = Picture(6, 6, kParent);
    face = Picture(3, 3, kFace);
    ApplyDisabledLook(*face, dkBlended, CacheInfo{parent, 2, 2, kKeyColor, true});
    // The face keeps 102 of 255 (0.4), the parent's picture the rest.
    EXPECT_EQ(At(*face, 0, 0),
              MakeColor((200 * 102 + 127) / 256, (100 * 102 + 50 * 153 + 127) / 256,
                        (250 * 153 + 127) / 256));
    face = Picture(3, 3, kFace);
    ApplyDisabledLook(*face, dkGrayed, CacheInfo{});
    const std::uint8_t grey = static_cast<std::uint8_t>((77 * 200 + 151 * 100 + 128) / 256);
    EXPECT_EQ(At(*face, 2, 2), MakeColor(grey, grey, grey));
}

class InternalButtonTest : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsFaceBinding binding;
    void SetUp() override {
        BuildConstIndexCache(*skin);
        binding = Bind(*skin, "BUTTON");
    }
    std::shared_ptr<TBitmap> Face(int state, bool enabled = true) {
        TsButtonContent content;
        content.Enabled = enabled;
        return PaintButtonFace(binding, ColourBehind(3092271), 140, 40, state, content, nullptr);
    }
};

TEST_F(InternalButtonTest, TheHotStateUsesTheHotGradientAndTheSecondCell) {
    const TsGeneralData& section =
        skin->GeneralData[static_cast<std::size_t>(binding.SectionIndex)];
    ASSERT_GE(section.BorderIndex, 0);
    const TsGradArray& hot = section.Props[1].GradientArray;
    ASSERT_EQ(hot.size(), 3u);
    auto normal = Face(0), hotFace = Face(1), pressed = Face(2);
    // Rows 0-19 are the first band of the hot list, the middle columns untouched by the mask.
    EXPECT_EQ(At(*hotFace, 70, 10), skinpaint::BandColor(static_cast<TColor>(hot[0][0]),
                                                         static_cast<TColor>(hot[0][1]), 10, 20));
    EXPECT_NE(At(*hotFace, 70, 10), At(*normal, 70, 10));
    EXPECT_NE(At(*hotFace, 70, 8), At(*hotFace, 70, 30));
    // The border comes from each state's own cell.
    EXPECT_NE(At(*hotFace, 70, 0), At(*normal, 70, 0));
    EXPECT_NE(At(*pressed, 70, 0), At(*hotFace, 70, 0));
    // STATES=3: any higher state is the pressed one.
    auto beyond = Face(9);
    for (int x = 0; x < 140; x += 7) EXPECT_EQ(At(*beyond, x, 1), At(*pressed, x, 1));
    // Disabled: the face blends halfway into the parent's colour.
    auto disabled = Face(0, false);
    const TColor n = At(*normal, 70, 20), d = At(*disabled, 70, 20);
    EXPECT_EQ(ColorRed(d), (ColorRed(n) * 50 + ColorRed(3092271) * 50 + 50) / 100);
}

TEST(FadeAnimationTest, WeightsFallOverTheStepsAndHalveOnMouseButtons) {
    const int ten[] = {230, 204, 179, 153, 127, 102, 76, 51, 25, 0};
    for (int level = 1; level <= 10; ++level)
        EXPECT_EQ(TsFadeAnimation::Weight(level, 10), ten[level - 1]);
    const int five[] = {204, 153, 102, 51, 0};
    for (int level = 1; level <= 5; ++level)
        EXPECT_EQ(TsFadeAnimation::Weight(level, 5), five[level - 1]);

    TsFadeAnimation fade;
    EXPECT_FALSE(fade.Start(nullptr, 10, false));
    ASSERT_TRUE(fade.Start(Picture(4, 4, MakeColor(200, 0, 0)), 10, true));
    EXPECT_EQ(fade.Steps(), 5);
    ASSERT_TRUE(fade.Start(Picture(4, 4, MakeColor(200, 0, 0)), 10, false));
    const auto newFace = [] { return Picture(4, 4, MakeColor(0, 0, 100)); };
    for (int level = 1; level <= 10; ++level) {
        auto frame = fade.Tick(newFace);
        ASSERT_NE(frame, nullptr) << level;
        const int w = ten[level - 1];
        EXPECT_EQ(At(*frame, 3, 3),
                  MakeColor(static_cast<std::uint8_t>((200 * w + 127) / 256), 0,
                            static_cast<std::uint8_t>((100 * (255 - w) + 127) / 256)))
            << level;
    }
    EXPECT_EQ(fade.Tick(newFace), nullptr);
    EXPECT_FALSE(fade.Running());
}

}  // namespace
