// The frame picture of a skinned window: the extended border from the skin's template or the
// built-in shadow, the plain frame from the form's sections, caption buttons and their glow.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FrameFace.h"

using namespace painttest;

namespace {

std::uint32_t Word(TBitmap& picture, int x, int y) {
    return skin::ReadPixelWords(picture, static_cast<std::uint32_t>(y),
                                static_cast<std::uint32_t>(x), 1)[0];
}
int Alpha(std::uint32_t word) {
    return static_cast<int>(word >> 24);
}
int Red(std::uint32_t word) {
    return static_cast<int>((word >> 16) & 0xFF);
}
int Blue(std::uint32_t word) {
    return static_cast<int>(word & 0xFF);
}

class InternalSkinFrame : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsConstIndexCache cache = BuildConstIndexCache(*skin);
    TsFrameSkinValues values = ReadFrameSkinValues(*skin);

    TsFrameFaceInput Input(bool extended, bool maximized, bool active, int width, int height) {
        TsFrameFaceInput in;
        in.Skin = skin.get();
        in.GlobalInfo = cache.GlobalInfo;
        in.ExBorder = cache.ExBorder;
        in.FormSection = skin->SectionIndex("FORM");
        in.TitleSection = skin->SectionIndex("FORMTITLE");
        in.Width = width;
        in.Height = height;
        in.TemplateShadow = ShadowSize(*skin, cache.ExBorder, values);
        in.Layout = LayoutFrame(values, in.TemplateShadow, extended, maximized);
        in.Active = active;
        in.Buttons = PlaceCaptionButtons(*skin, cache.GlobalInfo, values, in.Layout, width, {});
        in.ButtonStates.assign(in.Buttons.size(), 0);
        return in;
    }
};

TEST_F(InternalSkinFrame, ExtendedBorderShadowFallsOffOutsideAnOpaqueFrame) {
    for (bool active : {true, false}) {
        SCOPED_TRACE(active ? "active" : "inactive");
        auto face = PaintFrameFace(Input(true, false, active, 600, 500));
        ASSERT_EQ(face->PixelWidth(), 600);
        ASSERT_EQ(face->PixelHeight(), 500);
        // The window's corner is outside every shadow; the shadow darkens towards the frame.
        EXPECT_EQ(Word(*face, 0, 0), 0u);
        const std::uint32_t outer = Word(*face, 300, 3), inner = Word(*face, 300, 13);
        EXPECT_GT(Alpha(inner), Alpha(outer));
        EXPECT_GT(Alpha(inner), 0);
        EXPECT_LT(Alpha(inner), 255);
        EXPECT_EQ(inner & 0xFFFFFF, 0u) << "a black shadow";
        EXPECT_GT(Alpha(Word(*face, 300, 495)), 0) << "below the frame too";
        // The frame, the title bar and the body are opaque.
        for (auto [x, y] : {std::pair{300, 17}, {300, 40}, {20, 300}, {300, 300}, {580, 481}})
            EXPECT_EQ(Alpha(Word(*face, x, y)), 255) << x << ", " << y;
    }
    // Only the active frame carries the accent along its top.
    auto active = PaintFrameFace(Input(true, false, true, 600, 500));
    auto inactive = PaintFrameFace(Input(true, false, false, 600, 500));
    EXPECT_GT(Blue(Word(*active, 300, 17)), Red(Word(*active, 300, 17)) + 100);
    EXPECT_LT(Blue(Word(*inactive, 300, 17)), Red(Word(*inactive, 300, 17)) + 10);
    // The inactive shadow is lighter.
    EXPECT_LT(Alpha(Word(*inactive, 300, 13)), Alpha(Word(*active, 300, 13)));
}

TEST_F(InternalSkinFrame, MaximizedShowsNoShadow) {
    auto face = PaintFrameFace(Input(true, true, true, 800, 600));
    for (auto [x, y] : {std::pair{400, 0}, {0, 300}, {799, 300}, {400, 599}, {400, 20}})
        EXPECT_EQ(Alpha(Word(*face, x, y)), 255) << x << ", " << y;
}

TEST_F(InternalSkinFrame, PlainFrameIsOpaqueInTheFormsColours) {
    auto face = PaintFrameFace(Input(false, false, true, 490, 442));
    // FORM (0x2F2F2F) around, FORMTITLE (0x262626) in the title bar.
    EXPECT_EQ(Word(*face, 3, 200), 0xFF2F2F2Fu);
    EXPECT_EQ(Word(*face, 486, 438), 0xFF2F2F2Fu);
    EXPECT_EQ(Word(*face, 200, 20), 0xFF262626u);
    EXPECT_EQ(Word(*face, 200, 3), 0xFF2F2F2Fu) << "the top border above the title";
    for (int y = 0; y < 442; y += 7) {
        EXPECT_EQ(Alpha(Word(*face, 0, y)), 255);
        EXPECT_EQ(Alpha(Word(*face, 489, y)), 255);
    }
}

TEST_F(InternalSkinFrame, CaptionButtonsAndTheGlowOfAHotOne) {
    TsFrameFaceInput in = Input(true, false, true, 600, 500);
    auto normal = PaintFrameFace(in);
    const TRect close = in.Buttons[0].Rect;
    // The close glyph's cross meets in the middle of its 30 x 30 picture.
    EXPECT_GT(Red(Word(*normal, close.left + 15, close.top + 15)), 150);
    EXPECT_LT(Red(Word(*normal, close.left + 2, close.top + 2)), 60);
    // Hot, with glowing allowed: the accent glow shows just outside the button.
    in.ButtonStates[0] = 1;
    const int x = close.left - 3, y = (close.top + close.bottom) / 2;
    EXPECT_EQ(Word(*PaintFrameFace(in), x, y), Word(*normal, x, y)) << "no glow unless allowed";
    in.Glowing = true;
    auto hot = PaintFrameFace(in);
    EXPECT_GT(Blue(Word(*hot, x, y)), Blue(Word(*normal, x, y)));
    // The other buttons stay as they were.
    const TRect minimize = in.Buttons[2].Rect;
    EXPECT_EQ(Word(*hot, minimize.left - 3, y), Word(*normal, minimize.left - 3, y));
}

TEST(FallbackShadow, TemplatesAreBlackWithTheirCentreAlpha) {
    for (auto [active, centre] : {std::pair{true, 128}, {false, 77}}) {
        auto picture = FallbackShadowTemplate(active);
        ASSERT_EQ(picture->PixelWidth(), kFallbackTemplateSide);
        EXPECT_EQ(Word(*picture, 16, 16), static_cast<std::uint32_t>(centre) << 24);
        EXPECT_EQ(Word(*picture, 9, 16), static_cast<std::uint32_t>(centre) << 24);
        EXPECT_LT(Alpha(Word(*picture, 0, 16)), centre / 4);
        EXPECT_LT(Alpha(Word(*picture, 0, 0)), Alpha(Word(*picture, 0, 16)));
    }
}

TEST(FallbackShadow, SkinWithoutExBorderGetsTheBuiltInShadowAroundItsPlainFrame) {
    auto skin = MakeSkin(
        "[GLOBALINFO]\nBORDERWIDTH=6\nTITLEHEIGHT=20\n[FORM]\nCOLOR=1122867\nHOTCOLOR=1122868\n"
        "[FORMTITLE]\nCOLOR=4473924\nHOTCOLOR=4473925\n");
    TsFrameFaceInput in;
    in.Skin = skin.get();
    in.FormSection = skin->SectionIndex("FORM");
    in.TitleSection = skin->SectionIndex("FORMTITLE");
    in.Width = 300;
    in.Height = 200;
    const TsFrameSkinValues values = ReadFrameSkinValues(*skin);
    in.TemplateShadow = ShadowSize(*skin, -1, values);
    in.Layout = LayoutFrame(values, in.TemplateShadow, true, false);
    for (bool active : {true, false}) {
        in.Active = active;
        auto face = PaintFrameFace(in);
        const std::uint32_t shadow = Word(*face, 150, 8);
        EXPECT_EQ(shadow & 0xFFFFFF, 0u);
        EXPECT_GT(Alpha(shadow), 0);
        EXPECT_LE(Alpha(shadow), active ? 128 : 77);
        // The active frame is drawn in the sections' hot state.
        const std::uint32_t hot = active ? 0x010000u : 0u;
        EXPECT_EQ(Word(*face, 11, 100), 0xFF332211u + hot) << "FORM, 0x00BBGGRR swapped";
        EXPECT_EQ(Word(*face, 150, 9 + 6 + 5), 0xFF444444u + hot) << "FORMTITLE";
    }
}

TEST(FallbackShadow, WhiteHolesOfATemplateShowTransparentBlack) {
    auto skin = MakeSkin("[GLOBALINFO]\nBORDERWIDTH=4\nTITLEHEIGHT=10\n");
    std::vector<std::uint32_t> words(20 * 20, 0x00FFFFFF);
    for (int y = 8; y < 12; ++y)
        for (int x = 8; x < 12; ++x) words[std::size_t(y) * 20 + x] = 0xFF336699;
    TsMaskData record = Record("GLOBALINFO", "EXBORDER", {0, 0, 20, 20}, 1, 0, 1, mkAlphaFrame, 5);
    record.Bmp = skin::BitmapFromWords(20, 20, pf32bit, words);
    const int exBorder = AddRecord(*skin, record);
    TsFrameFaceInput in;
    in.Skin = skin.get();
    in.ExBorder = exBorder;
    in.Width = 60;
    in.Height = 40;
    const TsFrameSkinValues values = ReadFrameSkinValues(*skin);
    in.TemplateShadow = ShadowSize(*skin, exBorder, values);
    in.Layout = LayoutFrame(values, in.TemplateShadow, true, false);
    auto face = PaintFrameFace(in);
    EXPECT_EQ(Word(*face, 0, 0), 0u);
    EXPECT_EQ(Word(*face, 59, 39), 0u);
    EXPECT_EQ(Word(*face, 30, 20), 0xFF336699u);
}

TEST(FrameFace, NothingForAnEmptySizeOrNoSkin) {
    TsFrameFaceInput in;
    in.Width = 100;
    in.Height = 50;
    auto face = PaintFrameFace(in);
    EXPECT_EQ(Word(*face, 50, 25), 0u);
    in.Width = 0;
    EXPECT_TRUE(PaintFrameFace(in)->IsEmpty());
}

}  // namespace
