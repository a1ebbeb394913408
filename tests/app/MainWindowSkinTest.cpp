// The main window under its internal skin: the labels' colour, the link label's room for its
// shadow, the group boxes' captions and the status bar's dividers where its panels meet.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMenu>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "skin/QtFace.h"
#include "skin/TsGroupBox.h"
#include "skin/TsLabel.h"
#include "skin/TsLabelFX.h"
#include "skin/TsMemo.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsStatusBar.h"
#include "skin/TsSystemMenu.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace {

class MainWindowSkinTest : public ::testing::Test {
protected:
    TestInstallation installation{TestInstallation::GoodValues()};
    TMainForm form;
    QTemporaryDir skins;
};

TEST_F(MainWindowSkinTest, EveryLabelTakesTheGlobalFontColour) {
    for (TsLabel* label :
         {form.sLabel1, form.sLabel2, form.sLabel3, form.sLabel4, form.sLabel5, form.sLabelStatus})
        EXPECT_EQ(label->TextColor(), 10329501u) << label->objectName().toStdString();
}

TEST_F(MainWindowSkinTest, LinkLabelMeasuresEightPixelsMoreThanItsText) {
    TsLabelFX& link = *form.sLabelFXWebpage;
    const QSize text =
        QFontMetrics(link.font()).size(Qt::TextSingleLine | Qt::TextShowMnemonic, link.text());
    EXPECT_EQ(link.size(), text + QSize(8, 8));
    // The skin's black shadow, not the label's purple.
    EXPECT_EQ(link.EffectiveShadow().Color, 0u);
    EXPECT_EQ(link.EffectiveShadow().BlurCount, 4);
    EXPECT_EQ(link.EffectiveShadow().Distance, 1);
}

TEST_F(MainWindowSkinTest, GroupBoxCaptionsStartAtSixAndAreTheirTextPlusEightWide) {
    for (TsGroupBox* box : {form.sGroupBox1, form.sGroupBox2}) {
        const QFontMetrics metrics(box->font());
        const QRect caption = box->CaptionRect();
        EXPECT_EQ(caption.left(), 6);
        EXPECT_EQ(caption.width(), metrics.horizontalAdvance(box->title()) + 8);
        EXPECT_EQ(caption.top(), 0);
        EXPECT_EQ(caption.height(), metrics.height() + 2);
    }
}

// The columns of the bar's middle row where its face differs from the bare section face:
// the dividers. The grip's corner is left out.
std::vector<int> DividerColumns(TsStatusBar& bar) {
    const std::shared_ptr<TBitmap> face = bar.SkinData.Face();
    if (face == nullptr) return {};
    const QImage shot = FaceImage(*face);
    auto plain = skinpaint::NewFacePicture(face->PixelWidth(), face->PixelHeight());
    PaintControlFace(bar.SkinData.Binding(), bar.SkinData.ParentBackground(), true, *plain,
                     TRect{0, 0, face->PixelWidth(), face->PixelHeight()}, 0);
    const QImage bare = FaceImage(*plain);
    // The mask's see-through column keeps 255 of 256 of the bar: no more than 1 off.
    const auto differs = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) > 1 || std::abs(a.green() - b.green()) > 1 ||
               std::abs(a.blue() - b.blue()) > 1;
    };
    const int row = shot.height() / 2;
    std::vector<int> marked;
    for (int x = 0; x < shot.width() - 12; ++x)
        if (differs(shot.pixelColor(x, row), bare.pixelColor(x, row))) marked.push_back(x);
    return marked;
}

// Where the dividers belong: the panel shrunk by one ends at end - 1, and the 2-pixel divider
// starts 1 + 1 before that.
std::vector<int> DividersAtPanelEnds(const TsStatusBar& bar) {
    std::vector<int> expected;
    int end = 0;
    for (int i = 0; i + 1 < bar.PanelCount(); ++i) {
        end += bar.PanelWidth(i);
        expected.push_back(end - 1 - 1 - 1);
    }
    return expected;
}

TEST_F(MainWindowSkinTest, StatusBarShowsThreeDividersWherePanelsEnd) {
    TsStatusBar& bar = *form.sStatusBar1;
    const std::vector<int> expected = DividersAtPanelEnds(bar);
    EXPECT_EQ(expected, (std::vector<int>{49, 114, 52 + 65 + bar.PanelWidth(2) - 3}));
    EXPECT_EQ(DividerColumns(bar), expected);
    const QImage shot = FaceImage(*bar.SkinData.Face());
    EXPECT_EQ(shot.pixelColor(49, shot.height() / 2), QColor(58, 58, 58));
}

TEST_F(MainWindowSkinTest, StatusBarIsLaidOutAgainWhenTheLinkChangesWidth) {
    TsLabelFX& link = *form.sLabelFXWebpage;
    TsStatusBar& bar = *form.sStatusBar1;
    const auto followsTheRules = [&](const char* when) {
        const int outer = form.frameGeometry().width();
        EXPECT_EQ(link.x(), outer - (link.width() + 30)) << when;
        EXPECT_EQ(bar.PanelWidth(2),
                  outer - (bar.PanelWidth(0) + bar.PanelWidth(1) + link.width() + 38))
            << when;
    };
    form.show();
    const int skinned = link.width();
    followsTheRules("internal skin");
    // A skin whose shadow blurs twice at distance 1 needs 4 pixels of room, not 8.
    const std::filesystem::path folder = std::filesystem::path(skins.path().toStdString());
    std::filesystem::create_directories(folder / "Narrow");
    std::ofstream(folder / "Narrow" / "Options.dat")
        << "[GLOBALINFO]\nVERSION=7.60\nSHADOW1COLOR=0\nSHADOW1BLUR=2\nSHADOW1OFFSET=1\n"
           "[STATUSBAR]\nCOLOR=255\nSTATES=1\n";
    form.sSkinManager1->SetSkinDirectory(folder.string());
    form.sSkinManager1->SetSkinName("Narrow");
    ASSERT_EQ(form.sSkinManager1->SkinName(), "Narrow");
    EXPECT_EQ(link.width(), skinned - 4);
    followsTheRules("narrow skin");
    form.sSkinManager1->SetSkinName(skin::kInternalSkinName);
    EXPECT_EQ(link.width(), skinned);
    followsTheRules("internal skin again");
    EXPECT_EQ(DividerColumns(bar), DividersAtPanelEnds(bar));

    // A larger font makes a wider link and a narrower third panel; its divider moves along.
    const int third = bar.PanelWidth(2);
    QFont font = link.font();
    font.setPixelSize(font.pixelSize() + 6);
    link.setFont(font);
    ASSERT_GT(link.width(), skinned);
    followsTheRules("larger font");
    EXPECT_EQ(bar.PanelWidth(2), third - (link.width() - skinned));
    EXPECT_EQ(DividerColumns(bar), DividersAtPanelEnds(bar));
}

TEST_F(MainWindowSkinTest, MenusAreSkinnedAndAltSpaceOpensTheSystemMenuBelowTheTitleIcon) {
    for (QMenu* menu : {form.FileSave, form.Edit1, form.MenuitemHelp}) {
        EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, menu), 3);
        EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu), 1);
    }
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // The key reaches the window even from the data field, which keeps most keys to itself.
    form.sMemoText->setFocus();
    QTest::keyClick(form.sMemoText, Qt::Key_Space, Qt::AltModifier);
    auto* systemMenu = form.findChild<TsSystemMenu*>();
    ASSERT_NE(systemMenu, nullptr);
    EXPECT_TRUE(systemMenu->isVisible());
    EXPECT_EQ(systemMenu->pos(), form.sSkinProvider1->SystemMenuPoint());
    EXPECT_FALSE(systemMenu->Restore->isEnabled());
    EXPECT_TRUE(systemMenu->Close->isEnabled());
    EXPECT_EQ(systemMenu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, systemMenu), 1);
    systemMenu->hide();
}

}  // namespace
