// The about box as the main window shows it: its bounds, fonts and texts, and which ways of
// closing it open the product page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "AppTestSupport.h"
#include "app/InstallationValues.h"
#include "app/MainWindow.h"
#include "app/TAboutDialog.h"
#include "messages/ModalDriver.h"
#include "platform/ShellOpen.h"
#include "platform/TImage.h"
#include "skin/TsBevel.h"
#include "skin/TsBitBtn.h"
#include "skin/TsLabel.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"

namespace {

constexpr const char* kDescription =
    "This software is absolutely free for any use, in\nany environment eg. personal or business.";

class AboutDialogTest : public ::testing::Test {
protected:
    AboutDialogTest() {
        SetShellOpenHook([this](const std::string& address) { opened.push_back(address); });
        form.show();
    }
    ~AboutDialogTest() override { SetShellOpenHook(nullptr); }

    // Opens the box with Ctrl+B and hands it to the action once it is up and active.
    int OpenAboutAnd(const std::function<void(TAboutDialog&)>& action) {
        // The shortcut works in the active window; activation comes back a little after a
        // dialog has closed.
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        ModalDriver driver([&action](QWidget& window) {
            auto* dialog = dynamic_cast<TAboutDialog*>(&window);
            ASSERT_NE(dialog, nullptr) << window.windowTitle().toStdString();
            action(*dialog);
        });
        QTest::keyClick(form.sMemoText, Qt::Key_B, Qt::ControlModifier);
        return driver.Answered();
    }

    TestInstallation installation{
        "\"Version\"=\"1.2\"\r\n\"Website\"=\"http://www.orvanti.example/"
        "vexmora.html\"\r\n"};
    std::vector<std::string> opened;
    TMainForm form;
};

TEST_F(AboutDialogTest, ShowsTitleTextsAndFocus) {
    const int answered = OpenAboutAnd([this](TAboutDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About Vexmora");
        EXPECT_EQ(dialog.sLabelSoftwareName->text(), "Vexmora 1.2");
        EXPECT_EQ(dialog.sLabel1->text(), TAboutDialog::kNotice);
        EXPECT_EQ(dialog.sLabel2->text(), QString::fromStdString("http://" + AppWebHost + "/"));
        EXPECT_EQ(dialog.sLabelDescription->text(), kDescription);
        EXPECT_EQ(QApplication::focusWidget(), dialog.sBitBtnOK);
        // Centred over the main window, frame by frame.
        const QPoint offset = dialog.frameGeometry().center() - form.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        ClickButton(*dialog.sBitBtnOK);
    });
    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutDialogTest, EnterEscAndCloseBoxOpenNothing) {
    const std::function<void(TAboutDialog&)> closings[] = {
        [](TAboutDialog& dialog) { PressKey(dialog, Qt::Key_Return); },
        [](TAboutDialog& dialog) { PressKey(dialog, Qt::Key_Enter); },
        [](TAboutDialog& dialog) { PressKey(dialog, Qt::Key_Escape); },
        [](TAboutDialog& dialog) { PressCloseBox(dialog); },
    };
    for (const auto& close : closings) {
        EXPECT_EQ(OpenAboutAnd(close), 1);
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// Each picture and text opens the product page, not the address the box shows.
TEST_F(AboutDialogTest, EveryLinkOpensTheProductPageOnce) {
    using Target = QWidget* (*)(TAboutDialog&);
    const std::pair<const char*, Target> links[] = {
        {"logo", [](TAboutDialog& d) -> QWidget* { return d.ImageAppLogo; }},
        {"name", [](TAboutDialog& d) -> QWidget* { return d.sLabelSoftwareName; }},
        {"notice", [](TAboutDialog& d) -> QWidget* { return d.sLabel1; }},
        {"address", [](TAboutDialog& d) -> QWidget* { return d.sLabel2; }},
        {"description", [](TAboutDialog& d) -> QWidget* { return d.sLabelDescription; }},
    };
    for (const auto& [name, target] : links) {
        opened.clear();
        const int answered = OpenAboutAnd([target = target](TAboutDialog& dialog) {
            QWidget* link = target(dialog);
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
        });
        EXPECT_EQ(answered, 1) << name;
        EXPECT_EQ(opened, std::vector<std::string>{"http://www.orvanti.example/vexmora.html"})
            << name;
    }
}

// A press on one control and a release on another is no click.
TEST_F(AboutDialogTest, DraggingOffALinkOpensNothing) {
    OpenAboutAnd([](TAboutDialog& dialog) {
        QTest::mousePress(dialog.sLabel2, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(dialog.sLabel2, Qt::LeftButton, {}, QPoint(-40, -40));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.AboutResult, "");
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(opened.empty());
}

struct Bounds {
    const char* name;
    QRect rect;
};

TEST(AboutDialogLayout, ControlsStandWhereTheFormPutsThem) {
    TAboutDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(386, 192));
    EXPECT_EQ(dialog.minimumSize(), QSize(386, 192));
    EXPECT_EQ(dialog.maximumSize(), QSize(386, 192));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const Bounds bounds[] = {
        {"sPanel1", {0, 0, 386, 192}},
        {"sBevel1", {12, 12, 362, 127}},
        {"ImageAppLogo", {22, 24, 100, 100}},
        {"sBitBtnOK", {153, 152, 80, 28}},
    };
    for (const auto& [name, rect] : bounds) {
        const auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), rect) << name;
    }
    const std::pair<TsLabel*, QPoint> labels[] = {
        {dialog.sLabelSoftwareName, {138, 28}},
        {dialog.sLabel1, {142, 52}},
        {dialog.sLabel2, {142, 70}},
        {dialog.sLabelDescription, {142, 96}},
    };
    for (const auto& [label, at] : labels) {
        EXPECT_EQ(label->pos(), at) << label->objectName().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(157, 157, 157));
        EXPECT_EQ(label->font().family(), "MS Sans Serif");
        EXPECT_EQ(label->font().pixelSize(), label == dialog.sLabelSoftwareName ? 12 : 11);
        EXPECT_EQ(label->font().bold(), label == dialog.sLabelSoftwareName);
    }
    EXPECT_EQ(dialog.sBevel1->BevelStyle(), TsBevel::Style::Raised);
    EXPECT_EQ(dialog.sBitBtnOK->text(), "OK");
    EXPECT_TRUE(dialog.sBitBtnOK->icon().isNull());
    EXPECT_EQ(dialog.sBitBtnOK->SkinData.SkinSection(), "BUTTON");
    EXPECT_EQ(dialog.sPanel1->SkinData.SkinSection(), "PANEL");
    EXPECT_EQ(dialog.ImageAppLogo->PictureWidth(), 100);
    EXPECT_EQ(dialog.ImageAppLogo->PictureHeight(), 100);
}

// The texts come from the store and the environment: markup in them is shown as it stands,
// and every activation shows the texts stored last.
TEST(AboutDialogLayout, TextsArePlainAndFollowEachActivation) {
    TAboutDialog dialog;
    EXPECT_EQ(dialog.AboutResult, "");
    dialog.SetAboutInfo("Vexmora", "<b>1.2</b>", "one\r\ntwo", "http://<i>host</i>/");
    dialog.FormActivate();
    EXPECT_EQ(dialog.windowTitle(), "About Vexmora");
    EXPECT_EQ(dialog.sLabelSoftwareName->text(), "Vexmora <b>1.2</b>");
    EXPECT_EQ(dialog.sLabelSoftwareName->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.sLabel2->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.sLabelDescription->text(), "one\ntwo");
    dialog.SetAboutInfo("Other", "2.0", "three", "http://elsewhere/");
    dialog.FormActivate();
    EXPECT_EQ(dialog.windowTitle(), "About Other");
    EXPECT_EQ(dialog.sLabelSoftwareName->text(), "Other 2.0");
    EXPECT_EQ(dialog.sLabel2->text(), "http://elsewhere/");
}

}  // namespace
