// The internal skin as embedded: its entries, sections and every value our windows rely on.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/TMemoryStream.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinPictureDecoding.h"

namespace {

class InternalSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { content_ = skin::LoadInternalSkin().release(); }
    static void TearDownTestSuite() {
        delete content_;
        content_ = nullptr;
    }
    static const TsGeneralData& Section(const std::string& name) {
        const int index = content_->SectionIndex(name);
        EXPECT_GE(index, 0) << name;
        return content_->GeneralData.at(static_cast<std::size_t>(index));
    }
    static const TsMaskData& Mask(const std::string& section, const std::string& key) {
        const int index = content_->FindMaskIndex(content_->SectionIndex(section), section, key);
        EXPECT_GE(index, 0) << section << "/" << key;
        return content_->Masks.at(static_cast<std::size_t>(index));
    }
    static TsSkinContent* content_;
};
TsSkinContent* InternalSkin::content_ = nullptr;

TEST_F(InternalSkin, HasItsElevenEntries) {
    const auto bytes = skin::InternalSkinPackage();
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TacSkinConvertor package;
    ReadPackage(stream, package);
    std::vector<std::string> names;
    for (const TacImageItem& item : package.Images) names.push_back(item.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"ButtonHuge.bmp", "Master.bmp", "Close.png",
                                               "Max.png", "Min.png", "Edit.png", "GlowBtn.png",
                                               "Exbor.png", "Norm.png", "FormBorder.png"}));
    EXPECT_EQ(package.ImageCount, 10);
    EXPECT_TRUE(content_->Warnings.empty()) << content_->Warnings.front();
    ASSERT_NE(content_->MasterBitmap, nullptr);
    EXPECT_EQ(content_->MasterBitmap->PixelWidth(), 306);
    EXPECT_EQ(content_->MasterBitmap->PixelHeight(), 128);
    const auto size = [](const TsMaskData& m) {
        return std::make_pair(m.Bmp->PixelWidth(), m.Bmp->PixelHeight());
    };
    // The caption buttons in three states of 30 x 30.
    for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM"}) {
        EXPECT_EQ(size(Mask("GLOBALINFO", key)), std::make_pair(90, 30)) << key;
        EXPECT_EQ(Mask("GLOBALINFO", key).StateCount, 3) << key;
    }
    EXPECT_EQ(size(Mask("FORM", "BORDERSMASK")), std::make_pair(6, 3));
    EXPECT_EQ(size(Mask("COMBOBTN", "GLYPHMASK")), std::make_pair(13, 13));
    EXPECT_EQ(size(Mask("BUTTON", "GLOW0")), std::make_pair(32, 32));
    EXPECT_EQ(size(Mask("GLOBALINFO", "EXBORDER")), std::make_pair(928, 295));
    EXPECT_EQ(size(Mask("BUTTON_HUGE", "BORDERSMASK")), std::make_pair(288, 192));
}

TEST_F(InternalSkin, HasAllSixtySixSectionsInOrder) {
    const std::vector<std::string> expected = {"GLOBALINFO",
                                               "DIVIDER",
                                               "EDIT",
                                               "GRIPH",
                                               "GROUPBOX",
                                               "ICOLINE",
                                               "HINT",
                                               "MAINMENU",
                                               "MENULINE",
                                               "PANEL",
                                               "SCROLLBTNBOTTOM",
                                               "SCROLLBTNLEFT",
                                               "SCROLLBTNRIGHT",
                                               "SCROLLBTNTOP",
                                               "STATUSBAR",
                                               "FORMTITLE",
                                               "DRAGBAR",
                                               "CHECKBOX",
                                               "RADIOBUTTON",
                                               "TRACKBAR",
                                               "WEBBUTTON",
                                               "SCROLLSLIDERV",
                                               "GAUGE",
                                               "PAGECONTROL",
                                               "PAGECONTROLBOTTOM",
                                               "PAGECONTROLLEFT",
                                               "PAGECONTROLRIGHT",
                                               "TOOLBAR",
                                               "SCROLLSLIDERH",
                                               "BARPANEL",
                                               "DIVIDERV",
                                               "FORM",
                                               "EXTRALINE",
                                               "MENUITEM",
                                               "SCROLLBAR2V",
                                               "SCROLLBAR1V",
                                               "SCROLLBAR1H",
                                               "SCROLLBAR2H",
                                               "BAR",
                                               "PROGRESSH",
                                               "PROGRESSV",
                                               "SPLITTER",
                                               "PANEL_LOW",
                                               "COMBOBOX",
                                               "SPEEDBUTTON",
                                               "DIALOG",
                                               "TABTOP",
                                               "SPEEDBUTTON_SMALL",
                                               "ALPHACOMBOBOX",
                                               "UPDOWNBTN",
                                               "COMBOBTN",
                                               "TABBOTTOM",
                                               "TABRIGHT",
                                               "TABLEFT",
                                               "TOOLBUTTON",
                                               "BUTTON_HUGE",
                                               "BUTTON_BIG",
                                               "BARTITLE",
                                               "COLHEADER",
                                               "SELECTION",
                                               "ALPHAEDIT",
                                               "BUTTON",
                                               "MENUBTN",
                                               "RIBBONPAGE",
                                               "RIBBONTAB",
                                               "TB_MENUBTN"};
    std::vector<std::string> names;
    for (const TsGeneralData& g : content_->GeneralData) names.push_back(g.ClassName);
    EXPECT_EQ(names, expected);
    // Every parent named exists.
    for (const TsGeneralData& g : content_->GeneralData) {
        if (!g.ParentClass.empty()) {
            EXPECT_GE(content_->SectionIndex(g.ParentClass), 0) << g.ClassName;
        }
    }
}

TEST_F(InternalSkin, CarriesTheValuesOurWindowsDependOn) {
    const TsSkinData& global = content_->SkinData;
    EXPECT_DOUBLE_EQ(global.Version, 7.60);
    EXPECT_EQ(global.BorderWidth, 22);
    EXPECT_EQ(global.TitleHeight, 48);
    EXPECT_EQ(global.MaxHeight, 35);
    EXPECT_EQ(global.FormOffset, 17);
    EXPECT_EQ(global.BorderMode, 1);
    EXPECT_EQ(content_->Ini.ReadString("GLOBALINFO", "EXBORDER", ""),
              "!EXBOR.PNG!2!0!3!0039!0064!0039!0039!1");
    EXPECT_EQ(Section("PANEL").Props[0].Color, 3092271);
    EXPECT_EQ(Section("FORM").Props[0].Color, 3092271);
    for (const char* name : {"EDIT", "COMBOBOX"}) {
        EXPECT_EQ(Section(name).Props[0].Color, 1710618) << name;
        EXPECT_EQ(Section(name).Props[0].FontColor, 10329501) << name;
    }
    const TsGeneralData& button = Section("BUTTON");
    EXPECT_EQ(button.Props[0].GradientPercent, 100);
    ASSERT_EQ(button.Props[0].GradientArray.size(), 3u);
    EXPECT_EQ(button.Props[0].GradientArray[0][3], gmVertical);
    EXPECT_EQ(button.Props[1].FontColor, 16777215);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 10);
    EXPECT_EQ(button.GlowMargin, 8);
    EXPECT_EQ(content_->Ini.ReadString("BUTTON", "GLOW0", ""),
              "!GLOWBTN.PNG!1!0!3!0015!0015!0015!0015");
    const TsMaskData& border = Mask("BUTTON", "BORDERSMASK");
    EXPECT_EQ(border.Kind, mkBorderMask);
    EXPECT_EQ(border.StateCount, 3);
    EXPECT_EQ(border.MaskLayout, 1);
    EXPECT_EQ(border.CornerShape, 1);
    const TsMaskData& glow = Mask("BUTTON", "GLOW0");
    EXPECT_EQ(glow.Kind, mkAlphaFrame);
    EXPECT_EQ(glow.MarginLeft, 15);
    const TsGeneralData& status = Section("STATUSBAR");
    EXPECT_EQ(status.Props[0].GradientPercent, 100);
    ASSERT_EQ(status.Props[0].GradientArray.size(), 3u);
    EXPECT_EQ(status.Props[0].GradientArray[0][3], gmVertical);
    const TsMaskData& exborder = Mask("GLOBALINFO", "EXBORDER");
    EXPECT_EQ(exborder.Kind, mkAlphaFrame);
    EXPECT_EQ(exborder.StateCount, 2);
    EXPECT_EQ(exborder.CellWidth(), 464);
}

TEST_F(InternalSkin, PicturesArePremultipliedAndKeyed) {
    TsMaskData exborder = Mask("GLOBALINFO", "EXBORDER");
    // The border's outer corner is clear, its middle opaque.
    EXPECT_EQ(skin::ReadPixelWords(*exborder.Bmp, 0, 0, 1)[0], 0u);
    const std::uint32_t middle = skin::ReadPixelWords(*exborder.Bmp, 200, 232, 1)[0];
    EXPECT_EQ(middle, 0xFF2F2F2Fu);
    for (const std::uint32_t word : skin::ReadPixelWords(*exborder.Bmp, 10, 0, 928)) {
        const std::uint32_t alpha = word >> 24;
        ASSERT_LE((word >> 16) & 0xFF, alpha);
        ASSERT_LE(word & 0xFF, alpha);
    }
}

}  // namespace
