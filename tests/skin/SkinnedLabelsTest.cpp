// Skinned labels, group boxes and status bars as real widgets under a skin loaded from a
// skin folder: where a label's colour comes from, the link label's room for its shadow and
// its halo, and the group box's caption strip.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/raster/PixelBlends.h"
#include "skin/QtFace.h"
#include "skin/TsGroupBox.h"
#include "skin/TsLabel.h"
#include "skin/TsLabelFX.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinManager.h"
#include "skin/TsStatusBar.h"
#include "skin/data/SkinLoading.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kSkin =
    "[GLOBALINFO]\nVERSION=7.60\nFONTCOLOR=1111\nTCLEFT=255\n"
    "SHADOW1COLOR=0\nSHADOW1BLUR=4\nSHADOW1OFFSET=1\n"
    "[PANEL]\nCOLOR=16777215\nFONTCOLOR=2222\nGIVEOWNFONT=1\nSTATES=1\n"
    "[PLAINPANEL]\nCOLOR=16777215\nFONTCOLOR=2222\nSTATES=1\n"
    "[GROUPBOX]\nTRANSPARENCY=100\nFONTCOLOR=3333\nGIVEOWNFONT=1\nSTATES=1\n"
    "[BOX50]\nTRANSPARENCY=50\nFONTCOLOR=3333\nGIVEOWNFONT=1\nSTATES=1\n"
    "[BOX51]\nTRANSPARENCY=51\nFONTCOLOR=3333\nGIVEOWNFONT=1\nSTATES=1\n"
    "[NOCOLOUR]\nCOLOR=16777215\nFONTCOLOR=16711935\nGIVEOWNFONT=1\nSTATES=1\n"
    "[BADGE]\nCOLOR=65280\nFONTCOLOR=4444\nSTATES=1\n"
    "[CHECKBOX]\nTRANSPARENCY=100\n";

class SkinnedLabelsTest : public ::testing::Test {
protected:
    fs::path home = fs::temp_directory_path() / ("vexmora-labels-" + std::to_string(::getpid()));

    void SetUp() override {
        fs::remove_all(home);
        ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    }
    void TearDown() override {
        manager.reset();
        fs::remove_all(home);
    }

    // Loads the skin of that text as a skin folder; the controls made before get it.
    void LoadSkin(const std::string& options) {
        const fs::path folder = fs::path(skin::SkinDirectory()) / "Test";
        fs::create_directories(folder);
        std::ofstream(folder / "Options.dat", std::ios::trunc) << options;
        manager.reset();
        manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->SetSkinDirectory(skin::SkinDirectory());
        manager->SetSkinName("Test");
        manager->EndLoading();
        ASSERT_NE(manager->Content(), nullptr);
    }

    void LoadInternalSkin() {
        manager.reset();
        manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->InternalSkins.push_back(BuiltInStoredSkin());
        manager->SetSkinName(skin::kInternalSkinName);
        manager->EndLoading();
        ASSERT_NE(manager->Content(), nullptr);
    }

    std::unique_ptr<TsSkinManager> manager;
};

TEST_F(SkinnedLabelsTest, ColourComesThroughParentsMoreThanHalfTransparent) {
    QWidget form;
    auto* panel = new TsPanel(&form);
    auto* box = new TsGroupBox(QStringLiteral("Box"), panel);
    auto* inBox = new TsLabel(QStringLiteral("in box"), box);
    auto* onPanel = new TsLabel(QStringLiteral("on panel"), panel);
    auto* onForm = new TsLabel(QStringLiteral("on form"), &form);
    // Two panels deep: the see-through box hands the question on from the inner panel, so
    // the outer panel answers, not the inner one.
    auto* outer = new TsPanel(&form);
    auto* inner = new TsPanel(outer);
    inner->SkinData.SetSkinSection(QStringLiteral("BOX50"));
    auto* deepBox = new TsGroupBox(QStringLiteral("Deep"), inner);
    auto* inDeepBox = new TsLabel(QStringLiteral("deep"), deepBox);
    LoadSkin(kSkin);
    EXPECT_EQ(inDeepBox->TextColor(), 2222u);
    // The panel gives its own font (GIVEOWNFONT); the box above it is passed over, and the
    // form above the panel has no section: GLOBALINFO's colour is the last resort.
    EXPECT_EQ(onPanel->TextColor(), 2222u);
    EXPECT_EQ(inBox->TextColor(), 1111u);
    EXPECT_EQ(onForm->TextColor(), 1111u);
    // Just at half transparency the box speaks for itself; just above it passes the question.
    box->SkinData.SetSkinSection(QStringLiteral("BOX50"));
    EXPECT_EQ(inBox->TextColor(), 3333u);
    box->SkinData.SetSkinSection(QStringLiteral("BOX51"));
    EXPECT_EQ(inBox->TextColor(), 1111u);
    // Without GIVEOWNFONT the panel's colour is not taken.
    panel->SkinData.SetSkinSection(QStringLiteral("PLAINPANEL"));
    EXPECT_EQ(inBox->TextColor(), 1111u);
    EXPECT_EQ(onPanel->TextColor(), 1111u);
    // The no-colour value changes nothing.
    panel->SkinData.SetSkinSection(QStringLiteral("NOCOLOUR"));
    EXPECT_EQ(onPanel->TextColor(), FromQColor(onPanel->palette().color(QPalette::WindowText)));
    // UseSkinColor off: the label's own colour.
    panel->SkinData.SetSkinSection(QStringLiteral("PANEL"));
    onPanel->SetUseSkinColor(false);
    EXPECT_EQ(onPanel->TextColor(), FromQColor(onPanel->palette().color(QPalette::WindowText)));
}

TEST_F(SkinnedLabelsTest, DisabledLabelsMixTheirColourIntoTheParentsAndSectionsPaintFaces) {
    QWidget form;
    auto* panel = new TsPanel(&form);
    auto* label = new TsLabel(QStringLiteral("WWW"), panel);
    LoadSkin(kSkin);
    label->setEnabled(false);
    EXPECT_EQ(label->TextColor(), MixColors(2222, 0xFFFFFF, 0.4) & 0xFFFFFF);
    label->setEnabled(true);

    label->SetSkinSection(QStringLiteral("badge"));
    EXPECT_EQ(label->TextColor(), 4444u);
    QImage shot(label->size(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    label->render(&shot);
    // The section's face (green) lies under the text.
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 255, 0));
    // Without a skin the platform's colours return.
    manager->SetActive(false);
    EXPECT_EQ(label->TextColor(), FromQColor(label->palette().color(QPalette::WindowText)));
}

// The pixels of the rendered label whose three channels are equal and darker than white: the
// shadow's grey over a white panel.
int HaloPixels(TsLabelFX& label) {
    QImage shot(label.size(), QImage::Format_RGB32);
    shot.fill(Qt::white);
    label.render(&shot);
    int halo = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() < 200) ++halo;
        }
    return halo;
}

TEST_F(SkinnedLabelsTest, LinkLabelMakesRoomForItsShadowAndShowsABlackHalo) {
    QWidget form;
    auto* panel = new TsPanel(&form);
    panel->resize(300, 60);
    auto* link = new TsLabelFX(QStringLiteral("vexmora.example"), panel);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    link->setFont(font);
    TsLabelFX::TsShadow shadow;
    shadow.Color = 0x800080;  // purple, but the skin's black wins
    link->SetShadow(shadow);
    LoadSkin(kSkin);
    const QSize text =
        QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, link->text());
    EXPECT_EQ(link->size(), text + QSize(8, 8));
    EXPECT_GT(HaloPixels(*link), 20);

    // SHADOW1BLUR -1: the label's own values, blur 2 and distance 3 reach 0 and 5.
    shadow.BlurCount = 2;
    shadow.Distance = 3;
    link->SetShadow(shadow);
    LoadSkin(
        std::string(kSkin).replace(std::string(kSkin).find("SHADOW1BLUR=4"), 13, "SHADOW1BLUR=-1"));
    EXPECT_EQ(link->EffectiveShadow().Color, 0x800080u);
    EXPECT_EQ(link->size(), text + QSize(5, 5));
    EXPECT_EQ(HaloPixels(*link), 0);

    // No shadow at all: the text alone, as wide as it is.
    shadow.Mode = smNone;
    link->SetShadow(shadow);
    EXPECT_EQ(link->width(), link->sizeHint().width());
}

TEST_F(SkinnedLabelsTest, GroupBoxCaptionRectAndFace) {
    QWidget form;
    auto* panel = new TsPanel(&form);
    panel->resize(300, 200);
    auto* box = new TsGroupBox(QStringLiteral("Image Size"), panel);
    box->setGeometry(10, 10, 220, 90);
    LoadSkin(kSkin);
    const QFontMetrics metrics(box->font());
    const int textWidth = metrics.horizontalAdvance(box->title());
    // The main window's defaults: from x = 6, the text width + 8 wide, as tall as a line + 2.
    EXPECT_EQ(box->CaptionRect(), QRect(6, 0, textWidth + 8, metrics.height() + 2));
    box->SetCaptionLayout(clTopRight);
    EXPECT_EQ(box->CaptionRect().right(), 220 - 6 - 1);
    box->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(box->CaptionRect().left(), 6);
    box->SetCaptionWidth(300);
    EXPECT_EQ(box->CaptionRect().right(), 219);
    ASSERT_NE(box->SkinData.Face(), nullptr);
    // An empty caption draws no strip; its frame still starts at half the caption's height.
    box->SetCaption(QString());
    EXPECT_NE(box->SkinData.Face(), nullptr);
}

TEST_F(SkinnedLabelsTest, GroupBoxChildrenSitBelowTheCaptionStrip) {
    QWidget form;
    auto* panel = new TsPanel(&form);
    panel->resize(300, 200);
    auto* box = new TsGroupBox(QStringLiteral("Image Size"), panel);
    box->setGeometry(10, 10, 220, 90);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QWidget(box);
    layout->addWidget(child);
    const auto childTop = [&] {
        layout->activate();
        return child->geometry().top();
    };
    LoadSkin(kSkin);
    const int strip = box->CaptionRect().bottom() + 1;
    EXPECT_EQ(strip, QFontMetrics(box->font()).height() + 2);
    EXPECT_EQ(childTop(), strip);
    EXPECT_EQ(child->geometry().left(), 2);
    EXPECT_EQ(child->geometry().bottom(), 90 - 2 - 1);
    // The offset moves the strip and the children with it, down or up.
    box->SetCaptionYOffset(10);
    EXPECT_EQ(childTop(), strip + 10);
    box->SetCaptionYOffset(-3);
    EXPECT_EQ(childTop(), strip - 3);
    box->SetCaptionYOffset(-strip - 5);
    EXPECT_EQ(childTop(), 0);
    box->SetCaptionYOffset(0);
    // A larger caption font makes a taller strip; a title set the standard way, which lays
    // the standard margins down again, keeps the skinned client area.
    QFont big = box->font();
    big.setPixelSize(30);
    box->setFont(big);
    EXPECT_EQ(childTop(), QFontMetrics(big).height() + 2);
    box->setTitle(QStringLiteral("Error Correction"));
    EXPECT_EQ(childTop(), QFontMetrics(big).height() + 2);
    // Without a skin the style's own client area stands, moved by the offset.
    manager->SetActive(false);
    const int standard = childTop();
    box->SetCaptionYOffset(7);
    EXPECT_EQ(childTop(), standard + 7);
}

TEST_F(SkinnedLabelsTest, StatusBarOwnerDrawnPanelsAndItsGrip) {
    QWidget form;
    auto* bar = new TsStatusBar(&form);
    bar->resize(200, 24);
    bar->SetPanelWidths({60, 140});
    bar->SetPanelOwnerDraw(1, true);
    std::vector<std::pair<int, QRect>> drawn;
    bar->OnDrawPanel = [&](QPainter&, int panel, const QRect& r) { drawn.emplace_back(panel, r); };
    LoadSkin(std::string(kSkin) + "[STATUSBAR]\nCOLOR=255\nSTATES=1\n");
    QImage shot(bar->size(), QImage::Format_RGB32);
    bar->render(&shot);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], std::make_pair(1, QRect(61, 1, 138, 22)));
    EXPECT_EQ(shot.pixelColor(30, 12), QColor(255, 0, 0));
}

TEST_F(SkinnedLabelsTest, StatusBarPanelsAreLaidOutAgainAfterASkinOrFontChange) {
    QWidget form;
    auto* bar = new TsStatusBar(&form);
    bar->resize(300, 24);
    bar->SetPanelWidths({60, 80, 160});
    bar->SetPanelOwnerDraw(1, true);
    bar->SetPanelText(2, QStringLiteral("Ready"));
    std::vector<std::pair<int, QRect>> drawn;
    bar->OnDrawPanel = [&](QPainter&, int panel, const QRect& r) { drawn.emplace_back(panel, r); };
    const auto shot = [&] {
        drawn.clear();
        QImage image(bar->size(), QImage::Format_RGB32);
        bar->render(&image);
        return image;
    };
    const auto ownerDrawnOnce = std::vector<std::pair<int, QRect>>{{1, QRect(61, 1, 78, 22)}};
    // A skin without a DIVIDER section: the bar's own face, no divider.
    LoadSkin(std::string(kSkin) + "[STATUSBAR]\nCOLOR=255\nSTATES=1\n");
    QImage red = shot();
    EXPECT_EQ(red.pixelColor(57, 12), QColor(255, 0, 0));
    EXPECT_EQ(drawn, ownerDrawnOnce);
    // The internal skin's one-pixel divider line before the end of each panel but the last,
    // the owner-drawn one included.
    LoadInternalSkin();
    QImage internal = shot();
    for (const int x : {57, 137}) EXPECT_NE(internal.pixel(x, 12), internal.pixel(30, 12)) << x;
    // (The mask's see-through column beside the line keeps 255 of 256 of the bar.)
    for (const int x : {56, 136, 220})
        EXPECT_EQ(internal.pixel(x, 12), internal.pixel(30, 12)) << x;
    EXPECT_EQ(drawn, ownerDrawnOnce);
    // Panel texts follow the bar's font.
    QFont large = bar->font();
    large.setPixelSize(18);
    bar->setFont(large);
    const QImage larger = shot();
    EXPECT_NE(larger.copy(141, 0, 159, 24), internal.copy(141, 0, 159, 24));
    EXPECT_EQ(larger.copy(0, 0, 140, 24), internal.copy(0, 0, 140, 24));
    EXPECT_EQ(drawn, ownerDrawnOnce);
}

}  // namespace
