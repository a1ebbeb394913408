// The main window as built: its controls, menus, docking, layout rules, focus handling and
// which handler each event reaches.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <atomic>
#include <thread>

#include "AppTestSupport.h"
#include "app/InstallationValues.h"
#include "app/MainWindow.h"
#include "platform/BitmapImage.h"
#include "platform/ShellOpen.h"
#include "platform/TImage.h"
#include "platform/raster/TBitmap.h"
#include "skin/TsBitBtn.h"
#include "skin/TsButton.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsGroupBox.h"
#include "skin/TsLabel.h"
#include "skin/TsLabelFX.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"
#include "skin/TsStatusBar.h"

namespace {

// Records the commands that belong to other parts of the program instead of running them.
class RecordingForm : public TMainForm {
public:
    std::vector<std::string> calls;

    void sBitBtnGenerateClick() override { calls.push_back("generate"); }
    void sBitBtnSaveImageClick() override { calls.push_back("save"); }
    void Copyimage1Click() override { calls.push_back("copy"); }
    void Checkconnection1Click() override { calls.push_back("check connection"); }
    void About1Click() override { calls.push_back("about"); }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        SetShellOpenHook([this](const std::string& address) { opened.push_back(address); });
    }
    ~MainWindowTest() override { SetShellOpenHook(nullptr); }

    void ShowAndActivate() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Resizes the window so that its outer size, frame included, is the given one.
    void ResizeOuter(QSize outer) {
        form.resize(outer - (form.frameGeometry().size() - form.size()));
    }

    void GivePicture(QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::black);
        form.ImageQR->SetGraphic(BitmapOfImage(image));
        ASSERT_FALSE(form.ImageQR->PictureEmpty());
    }

    TestInstallation installation{TestInstallation::GoodValues()};
    std::vector<std::string> opened;
    RecordingForm form;
};

QWidget* Child(QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesParentsAndSkinSections) {
    struct Expected {
        QWidget* control;
        const char* name;
        const char* parent;
        QString section;
    };
    const Expected controls[] = {
        {form.sPanel1, "sPanel1", "ClientArea", "PANEL"},
        {form.sPanel3, "sPanel3", "sPanel1", "PANEL"},
        {form.sGroupBox1, "sGroupBox1", "sPanel3", "GROUPBOX"},
        {form.sLabel1, "sLabel1", "sGroupBox1", ""},
        {form.sLabel2, "sLabel2", "sGroupBox1", ""},
        {form.sLabel3, "sLabel3", "sGroupBox1", ""},
        {form.sLabel4, "sLabel4", "sGroupBox1", ""},
        {form.sDecimalSpinEditWdth, "sDecimalSpinEditWdth", "sGroupBox1", "EDIT"},
        {form.sDecimalSpinEditHeight, "sDecimalSpinEditHeight", "sGroupBox1", "EDIT"},
        {form.sGroupBox2, "sGroupBox2", "sPanel3", "GROUPBOX"},
        {form.sComboBoxCorrection, "sComboBoxCorrection", "sGroupBox2", "COMBOBOX"},
        {form.sBitBtnSaveQRImage, "sBitBtnSaveQRImage", "sPanel3", "BUTTON"},
        {form.sBitBtnVideoTutorial, "sBitBtnVideoTutorial", "sPanel3", "BUTTON"},
        {form.sPanelQRImage, "sPanelQRImage", "sPanel1", "PANEL"},
        {form.ImageQR, "ImageQR", "sPanelQRImage", ""},
        {form.sStatusBar1, "sStatusBar1", "ClientArea", "STATUSBAR"},
        {form.ImageDonate, "ImageDonate", "sStatusBar1", ""},
        {form.ImageSocialFacebook, "ImageSocialFacebook", "sStatusBar1", ""},
        {form.ImageSocialTwitter, "ImageSocialTwitter", "sStatusBar1", ""},
        {form.ImageSocialGoogleP, "ImageSocialGoogleP", "sStatusBar1", ""},
        {form.sLabelStatus, "sLabelStatus", "sStatusBar1", ""},
        {form.sLabelFXWebpage, "sLabelFXWebpage", "sStatusBar1", ""},
        {form.sPanel2, "sPanel2", "ClientArea", "PANEL"},
        {form.sLabel5, "sLabel5", "sPanel2", ""},
        {form.sBitBtnGenerate, "sBitBtnGenerate", "sPanel2", "BUTTON"},
        {form.sButtonURLShorten, "sButtonURLShorten", "sPanel2", "BUTTON"},
        {form.sMemoText, "sMemoText", "sPanel2", "EDIT"},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE(expected.name);
        ASSERT_EQ(Child(form, expected.name), expected.control);
        EXPECT_EQ(expected.control->parentWidget()->objectName(),
                  QString::fromLatin1(expected.parent));
    }
    const std::pair<const TsCommonData*, QString> sections[] = {
        {&form.sPanel1->SkinData, "PANEL"},
        {&form.sGroupBox1->SkinData, "GROUPBOX"},
        {&form.sDecimalSpinEditWdth->SkinData, "EDIT"},
        {&form.sComboBoxCorrection->SkinData, "COMBOBOX"},
        {&form.sBitBtnGenerate->SkinData, "BUTTON"},
        {&form.sButtonURLShorten->SkinData, "BUTTON"},
        {&form.sMemoText->SkinData, "EDIT"},
        {&form.sStatusBar1->SkinData, "STATUSBAR"},
    };
    for (const auto& [data, section] : sections) EXPECT_EQ(data->SkinSection(), section);
}

TEST_F(MainWindowTest, PlacedControlsHaveTheirBoundsAndTexts) {
    const std::pair<QWidget*, QRect> bounds[] = {
        {form.sGroupBox1, {10, 10, 220, 90}},
        {form.sDecimalSpinEditWdth, {70, 24, 60, 21}},
        {form.sDecimalSpinEditHeight, {70, 54, 60, 21}},
        {form.sGroupBox2, {10, 112, 220, 60}},
        {form.sComboBoxCorrection, {10, 24, 200, 21}},
        {form.sBitBtnSaveQRImage, {124, 180, 106, 40}},
        {form.sBitBtnVideoTutorial, {10, 180, 106, 40}},
        {form.ImageQR, {10, 10, 160, 160}},
        {form.ImageDonate, {4, 5, 42, 105}},
        {form.ImageSocialFacebook, {54, 5, 16, 16}},
        {form.ImageSocialTwitter, {74, 5, 16, 16}},
        {form.ImageSocialGoogleP, {94, 5, 16, 16}},
        {form.sBitBtnGenerate, {322, 72, 140, 40}},
        {form.sButtonURLShorten, {322, 28, 140, 40}},
        {form.sMemoText, {12, 28, 300, 84}},
    };
    for (const auto& [control, rect] : bounds)
        EXPECT_EQ(control->geometry(), rect) << control->objectName().toStdString();
    const std::pair<QWidget*, QPoint> labels[] = {
        {form.sLabel1, {33, 27}},  {form.sLabel2, {30, 57}}, {form.sLabel3, {137, 27}},
        {form.sLabel4, {137, 57}}, {form.sLabel5, {15, 10}}, {form.sLabelStatus, {120, 7}},
    };
    for (const auto& [label, at] : labels)
        EXPECT_EQ(label->pos(), at) << label->objectName().toStdString();
    EXPECT_EQ(form.sLabelFXWebpage->y(), 3);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vexmora"));
    EXPECT_EQ(form.sGroupBox1->title(), QStringLiteral("Image Size"));
    EXPECT_EQ(form.sGroupBox2->title(), QStringLiteral("Error Correction"));
    EXPECT_EQ(form.sLabel1->text(), QStringLiteral("Width:"));
    EXPECT_EQ(form.sLabel2->text(), QStringLiteral("Height:"));
    EXPECT_EQ(form.sLabel3->text(), QStringLiteral("pixels"));
    EXPECT_EQ(form.sLabel4->text(), QStringLiteral("pixels"));
    EXPECT_EQ(form.sLabel5->text(), QStringLiteral("Data:"));
    EXPECT_EQ(form.sBitBtnGenerate->text(), QStringLiteral("Genarate QR code"));
    EXPECT_EQ(form.sButtonURLShorten->text(), QStringLiteral("Shorten URL service"));
    EXPECT_EQ(form.sBitBtnSaveQRImage->text(), QStringLiteral("Save image"));
    EXPECT_EQ(form.sBitBtnVideoTutorial->text(), QStringLiteral("Video tutorial"));
    EXPECT_TRUE(form.sBitBtnVideoTutorial->isHidden());
    EXPECT_EQ(form.sLabelFXWebpage->text().toStdString(), AppWebHost);
    EXPECT_EQ(form.sLabelStatus->text(), QString());
    EXPECT_EQ(form.ImageDonate->toolTip(), QStringLiteral("Donation"));
    EXPECT_EQ(form.ImageSocialFacebook->toolTip(), QStringLiteral("Facebook"));
    EXPECT_EQ(form.ImageSocialTwitter->toolTip(), QStringLiteral("Tweet"));
    EXPECT_EQ(form.ImageSocialGoogleP->toolTip(), QStringLiteral("Google+"));
    for (QWidget* pointer :
         {static_cast<QWidget*>(form.ImageDonate), static_cast<QWidget*>(form.ImageSocialFacebook),
          static_cast<QWidget*>(form.ImageSocialTwitter),
          static_cast<QWidget*>(form.ImageSocialGoogleP),
          static_cast<QWidget*>(form.sLabelFXWebpage)})
        EXPECT_EQ(pointer->cursor().shape(), Qt::PointingHandCursor);
}

// The client area as the internal skin paints it (text pixels aside: fonts are not ours).
TEST_F(MainWindowTest, ControlsArePaintedFromTheInternalSkin) {
    ShowAndActivate();
    const QColor panel(47, 47, 47), field(26, 26, 26), grey(157, 157, 157);
    const QImage picture = form.sPanelQRImage->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() - 3, 3), panel);
    const QImage memo = form.sMemoText->grab().toImage();
    EXPECT_EQ(memo.pixelColor(memo.width() / 2, memo.height() - 6), field);
    EXPECT_EQ(form.sMemoText->palette().color(QPalette::Base), field);
    EXPECT_EQ(form.sLabel1->palette().color(QPalette::WindowText), grey);

    TsBitBtn& button = *form.sBitBtnGenerate;
    button.clearFocus();
    QTest::qWait(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button.SkinData.Fading(); }, 2000));
    const auto whitePixels = [&button] {
        const QImage shot = button.grab().toImage();
        int count = 0;
        // Right of the glyph, where only the caption lies.
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 40; x < shot.width(); ++x) {
                // Brighter than the normal caption colour (222) in every channel.
                const QColor c = shot.pixelColor(x, y);
                count += c.red() > 235 && c.green() > 235 && c.blue() > 235 ? 1 : 0;
            }
        return count;
    };
    const QImage normal = button.grab().toImage();
    const int x = normal.width() - 9;
    EXPECT_NE(normal.pixelColor(x, 8), normal.pixelColor(x, normal.height() - 9));
    EXPECT_EQ(whitePixels(), 0);
    // Hover: the face fades to the hot state, whose caption is white.
    button.setAttribute(Qt::WA_UnderMouse, true);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return button.SkinData.Fading(); }, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button.SkinData.Fading(); }, 2000));
    EXPECT_GT(whitePixels(), 0);
    EXPECT_NE(button.grab().toImage().pixelColor(x, 8), normal.pixelColor(x, 8));
}

TEST_F(MainWindowTest, FontsColoursAndPictures) {
    const QColor grey(157, 157, 157);
    const QColor dark(26, 26, 26);
    EXPECT_TRUE(form.sGroupBox1->font().bold());
    EXPECT_TRUE(form.sGroupBox2->font().bold());
    EXPECT_TRUE(form.sLabel5->font().bold());
    EXPECT_FALSE(form.sLabel1->font().bold());
    EXPECT_FALSE(form.sDecimalSpinEditWdth->font().bold());
    EXPECT_FALSE(form.sComboBoxCorrection->font().bold());
    EXPECT_EQ(form.sLabel1->palette().color(QPalette::WindowText), grey);
    EXPECT_EQ(form.sLabelStatus->palette().color(QPalette::WindowText), grey);
    EXPECT_EQ(form.sLabelStatus->font().pixelSize(), 11);
    EXPECT_EQ(form.sLabelFXWebpage->font().pixelSize(), 12);
    EXPECT_TRUE(form.sLabelFXWebpage->font().bold());
    EXPECT_EQ(form.sLabelFXWebpage->Shadow().Color, 0x800080u);
    for (QWidget* field :
         {static_cast<QWidget*>(form.sMemoText), static_cast<QWidget*>(form.sDecimalSpinEditWdth),
          static_cast<QWidget*>(form.sDecimalSpinEditHeight)}) {
        EXPECT_EQ(field->palette().color(QPalette::Base), dark);
        EXPECT_EQ(field->palette().color(QPalette::Text), grey);
    }
    EXPECT_EQ(form.ImageDonate->PictureWidth(), 42);
    EXPECT_EQ(form.ImageDonate->PictureHeight(), 105);
    for (TImage* social :
         {form.ImageSocialFacebook, form.ImageSocialTwitter, form.ImageSocialGoogleP}) {
        EXPECT_EQ(QSize(social->PictureWidth(), social->PictureHeight()), QSize(16, 16));
        EXPECT_TRUE(social->Proportional && social->Transparent);
    }
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(form.sBitBtnGenerate),
                                    static_cast<QAbstractButton*>(form.sBitBtnSaveQRImage),
                                    static_cast<QAbstractButton*>(form.sBitBtnVideoTutorial),
                                    static_cast<QAbstractButton*>(form.sButtonURLShorten)}) {
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->iconSize(), QSize(24, 24));
    }
}

TEST_F(MainWindowTest, SizeFieldsAndLevelListStartAsDesigned) {
    for (TsDecimalSpinEdit* field : {form.sDecimalSpinEditWdth, form.sDecimalSpinEditHeight}) {
        EXPECT_EQ(field->Text(), QStringLiteral("200"));
        EXPECT_EQ(field->Value(), 200.0);
        EXPECT_EQ(field->MinValue(), 100);
        EXPECT_EQ(field->MaxValue(), 540);
    }
    const QStringList levels = {QStringLiteral("L  - Recovery of up to 7% data loss"),
                                QStringLiteral("M - Recovery of up to 15% data loss"),
                                QStringLiteral("Q - Recovery of up to 25% data loss"),
                                QStringLiteral("H - Recovery of up to 30% data loss")};
    ASSERT_EQ(form.sComboBoxCorrection->count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form.sComboBoxCorrection->itemText(i), levels[i]);
    EXPECT_EQ(form.sComboBoxCorrection->ItemIndex(), 0);
    EXPECT_FALSE(form.sComboBoxCorrection->isEditable());
}

struct MenuLine {
    const char* name;
    const char* caption;  // nullptr for a separator
    QKeySequence shortcut;
    bool icon;
};

void ExpectMenu(QMenu* menu, const char* name, const char* title,
                const std::vector<MenuLine>& lines) {
    SCOPED_TRACE(title);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QString::fromLatin1(name));
    EXPECT_EQ(menu->title(), QString::fromLatin1(title));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MenuLine& line = lines[i];
        QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->objectName(), QString::fromLatin1(line.name));
        if (!line.caption) {
            EXPECT_TRUE(action->isSeparator()) << line.name;
            continue;
        }
        EXPECT_EQ(action->text(), QString::fromLatin1(line.caption));
        EXPECT_EQ(action->shortcut(), line.shortcut) << line.name;
        EXPECT_EQ(!action->icon().isNull(), line.icon) << line.name;
        if (line.icon) {
            EXPECT_TRUE(action->icon().availableSizes().contains(QSize(16, 16))) << line.name;
        }
    }
}

TEST_F(MainWindowTest, MenuHoldsEveryItemWithItsShortcutAndIcon) {
    ASSERT_EQ(form.menuBar(), form.MainMenu1);
    EXPECT_EQ(form.MainMenu1->objectName(), QStringLiteral("MainMenu1"));
    ASSERT_EQ(form.MainMenu1->actions().size(), 3);
    const QKeySequence none;
    ExpectMenu(form.FileSave, "FileSave", "File",
               {{"GenerateQRimage1", "Generate QR image", none, true},
                {"Saveimage1", "Save image", QKeySequence(QStringLiteral("Ctrl+S")), true},
                {"N2", nullptr, none, false},
                {"Exit1", "Exit", QKeySequence(QStringLiteral("Ctrl+W")), true}});
    ExpectMenu(form.Edit1, "Edit1", "Edit",
               {{"Checkconnection1", "Check connection", none, true},
                {"ShortenURL1", "Shorten URL", none, true},
                {"N4", nullptr, none, false},
                {"Copyimage1", "Copy image", QKeySequence(QStringLiteral("Ctrl+C")), false},
                {"Cleartext1", "Clear data text", none, true}});
    ExpectMenu(form.MenuitemHelp, "MenuitemHelp", "Help",
               {{"Website1", "Website", none, true},
                {"VideoTutorial1", "Video tutorial", none, true},
                {"Feedback1", "Feedback", none, true},
                {"N1", nullptr, none, false},
                {"Donate1", "Donate", QKeySequence(QStringLiteral("Ctrl+D")), true},
                {"About1", "About", QKeySequence(QStringLiteral("Ctrl+B")), true}});
    EXPECT_FALSE(form.VideoTutorial1->isVisible());
}

// Items that click a button run the button's own action; the others reach their command.
TEST_F(MainWindowTest, MenuItemsAndClickableControlsReachTheirCommands) {
    form.GenerateQRimage1->trigger();
    form.Saveimage1->trigger();
    form.Checkconnection1->trigger();
    form.Copyimage1->trigger();
    form.About1->trigger();
    form.sBitBtnGenerate->click();
    form.sBitBtnSaveQRImage->click();
    EXPECT_EQ(form.calls, (std::vector<std::string>{"generate", "save", "check connection", "copy",
                                                    "about", "generate", "save"}));

    form.ShortenURL1->trigger();
    form.sButtonURLShorten->click();
    form.Website1->trigger();
    form.sBitBtnVideoTutorial->click();
    QTest::mouseClick(form.sLabelFXWebpage, Qt::LeftButton);
    QTest::mouseClick(form.ImageSocialFacebook, Qt::LeftButton);
    QTest::mouseClick(form.ImageSocialTwitter, Qt::LeftButton);
    QTest::mouseClick(form.ImageSocialGoogleP, Qt::LeftButton);
    const std::string shortener = "http://" + AppWebHost + "/url-shortener.html";
    EXPECT_EQ(opened,
              (std::vector<std::string>{shortener, shortener, AppWebsite, AppWebsite + "?playvideo",
                                        AppWebsite, AppWebsite + "?social=fb",
                                        AppWebsite + "?social=tw", AppWebsite + "?social=gp"}));
}

TEST_F(MainWindowTest, DonationPictureAskesLikeTheDonateItem) {
    ModalAnswerer answerer(QStringLiteral("OK"));
    QTest::mouseClick(form.ImageDonate, Qt::LeftButton, {}, QPoint(20, 8));
    form.Donate1->trigger();
    ASSERT_EQ(answerer.Seen().size(), 2U);
    EXPECT_EQ(answerer.Seen()[0].title, QStringLiteral("Information"));
    EXPECT_EQ(answerer.Seen()[0].text, answerer.Seen()[1].text);
    const std::string page = "http://" + AppWebHost + "/donate-free-software.html";
    EXPECT_EQ(opened, (std::vector<std::string>{page, page}));
}

TEST_F(MainWindowTest, ShortcutsWinOverTheFocusedControl) {
    ShowAndActivate();
    QApplication::clipboard()->setText(QStringLiteral("left alone"));
    form.sMemoText->SetText(QStringLiteral("some data"));
    form.sMemoText->selectAll();
    ASSERT_EQ(QApplication::focusWidget(), form.sMemoText);

    QTest::keyClick(form.sMemoText, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form.sMemoText, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(form.sMemoText, Qt::Key_B, Qt::ControlModifier);
    form.sDecimalSpinEditWdth->setFocus();
    QTest::keyClick(form.sDecimalSpinEditWdth, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"copy", "save", "about", "copy"}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("left alone"));

    {
        ModalAnswerer answerer(QStringLiteral("Cancel"));
        QTest::keyClick(form.sDecimalSpinEditWdth, Qt::Key_D, Qt::ControlModifier);
        EXPECT_EQ(answerer.Seen().size(), 1U);
        EXPECT_TRUE(opened.empty());
    }
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // Keys that are no shortcut of the window stay with the control.
    form.sMemoText->setFocus();
    form.sMemoText->selectAll();
    QTest::keyClick(form.sMemoText, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("some data"));

    QTest::keyClick(form.sMemoText, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainWindowTest, FocusStartsInTheDataFieldAndTabFollowsTheTabOrder) {
    ShowAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), form.sMemoText);
    const std::vector<QWidget*> cycle = {form.sDecimalSpinEditWdth,
                                         form.sDecimalSpinEditHeight,
                                         form.sComboBoxCorrection,
                                         form.sBitBtnSaveQRImage,
                                         form.sBitBtnGenerate,
                                         form.sButtonURLShorten,
                                         form.sMemoText};
    for (QWidget* next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    // Enter starts a new line in the data field; Tab leaves it without a tab character.
    QTest::keyClicks(form.sMemoText, QStringLiteral("one"));
    QTest::keyClick(form.sMemoText, Qt::Key_Return);
    QTest::keyClicks(form.sMemoText, QStringLiteral("two"));
    QTest::keyClick(form.sMemoText, Qt::Key_Tab);
    EXPECT_EQ(form.sMemoText->Text(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(QApplication::focusWidget(), form.sDecimalSpinEditWdth);
}

TEST_F(MainWindowTest, ShownVideoTutorialJoinsMenuAndTabOrder) {
    ShowAndActivate();
    form.ShowVideoTutorial();
    EXPECT_TRUE(form.sBitBtnVideoTutorial->isVisible());
    EXPECT_TRUE(form.VideoTutorial1->isVisible());
    form.sBitBtnSaveQRImage->setFocus();
    QTest::keyClick(form.sBitBtnSaveQRImage, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.sBitBtnVideoTutorial);
    QTest::keyClick(form.sBitBtnVideoTutorial, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.sBitBtnGenerate);
    form.VideoTutorial1->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{AppWebsite + "?playvideo"}));
}

TEST_F(MainWindowTest, EveryInputChangeEmptiesThePicture) {
    ShowAndActivate();
    const QRect imageBounds = form.ImageQR->geometry();
    const auto expectEmptiedBy = [&](const char* what, const std::function<void()>& change) {
        SCOPED_TRACE(what);
        GivePicture({120, 120});
        change();
        EXPECT_TRUE(form.ImageQR->PictureEmpty());
        EXPECT_EQ(form.ImageQR->PictureWidth(), 0);
        EXPECT_EQ(form.ImageQR->geometry(), imageBounds);
    };
    expectEmptiedBy("typing data", [&] { QTest::keyClicks(form.sMemoText, QStringLiteral("x")); });
    expectEmptiedBy("typing a width", [&] {
        form.sDecimalSpinEditWdth->setFocus();
        QTest::keyClick(form.sDecimalSpinEditWdth, Qt::Key_5);
    });
    expectEmptiedBy("stepping the height", [&] {
        form.sDecimalSpinEditHeight->setFocus();
        QTest::keyClick(form.sDecimalSpinEditHeight, Qt::Key_Up);
    });
    expectEmptiedBy("choosing a level", [&] {
        form.sComboBoxCorrection->setFocus();
        QTest::keyClick(form.sComboBoxCorrection, Qt::Key_Down);
        EXPECT_EQ(form.sComboBoxCorrection->ItemIndex(), 1);
    });
    expectEmptiedBy("clearing the data", [&] { form.Cleartext1->trigger(); });
    EXPECT_TRUE(form.sMemoText->Text().isEmpty());

    GivePicture({120, 120});
    form.sComboBoxCorrection->SetItemIndex(3);
    EXPECT_FALSE(form.ImageQR->PictureEmpty()) << "a selection made from code is no user change";
}

TEST_F(MainWindowTest, WindowOpensAtItsOuterSizeInTheScreenCentre) {
    ShowAndActivate();
    const QRect outer = form.frameGeometry();
    EXPECT_EQ(outer.size(), QSize(490, 442));
    const QRect screen = form.screen()->geometry();
    EXPECT_EQ(outer.left(), screen.left() + (screen.width() - 490) / 2);
    EXPECT_EQ(outer.top(), screen.top() + (screen.height() - 442) / 2);

    ResizeOuter({300, 442});
    EXPECT_EQ(form.frameGeometry().width(), 490);
    ResizeOuter({489, 442});
    EXPECT_EQ(form.frameGeometry().width(), 490);
    ResizeOuter({700, 500});
    EXPECT_EQ(form.frameGeometry().size(), QSize(700, 500));
}

// Bottom controls keep their heights from the bottom up, the right panel keeps its width and
// at most 230 pixels of height, and the picture panel takes what is left.
TEST_F(MainWindowTest, DockingFollowsTheAlignRules) {
    ShowAndActivate();
    for (const QSize size : {QSize(490, 442), QSize(640, 480), QSize(1000, 800)}) {
        SCOPED_TRACE(size.width());
        form.resize(size);
        const QSize client = form.centralWidget()->size();
        EXPECT_EQ(form.sStatusBar1->geometry(), QRect(0, client.height() - 24, client.width(), 24));
        EXPECT_EQ(form.sPanel2->geometry(),
                  QRect(0, client.height() - 24 - 130, client.width(), 130));
        const QRect picturePart(0, 0, client.width(), client.height() - 154);
        EXPECT_EQ(form.sPanel1->geometry(), picturePart);
        const int innerHeight = picturePart.height() - 2;
        EXPECT_EQ(form.sPanel3->geometry(),
                  QRect(client.width() - 1 - 240, 1, 240, std::min(innerHeight, 230)));
        EXPECT_EQ(form.sPanelQRImage->geometry(),
                  QRect(1, 1, client.width() - 2 - 240, innerHeight));
    }
    // The window gets lower than it opens, but only down to where the size and level choices
    // are still whole: the picture part keeps 8 pixels below the level box.
    form.resize(600, 100);
    const int choicesBottom = form.sPanel3->y() + form.sGroupBox2->geometry().bottom() + 1;
    EXPECT_EQ(choicesBottom, 173);
    EXPECT_EQ(form.sPanel1->height(), choicesBottom + 8);
    // Inside the frame the skin draws.
    const QMargins frame = form.contentsMargins();
    EXPECT_LT(form.minimumSizeHint().height() - frame.top() - frame.bottom(), 402 - 40);
    EXPECT_EQ(form.sPanel2->y(), form.sPanel1->height());
    EXPECT_TRUE(form.sComboBoxCorrection->visibleRegion().boundingRect().size() ==
                form.sComboBoxCorrection->size());
}

TEST_F(MainWindowTest, StatusBarRuleFollowsTheOuterWidth) {
    // Before the window is shown FormCreate has already applied it for the width of 490.
    const int link = form.sLabelFXWebpage->width();
    EXPECT_GT(link, 0);
    EXPECT_EQ(form.sLabelFXWebpage->x(), 490 - (link + 30));
    EXPECT_EQ(form.sStatusBar1->PanelWidth(2), 490 - (52 + 65 + link + 38));
    ShowAndActivate();
    for (const int width : {490, 517, 800, 1201}) {
        ResizeOuter({width, 442});
        const int outer = form.frameGeometry().width();
        EXPECT_EQ(outer, width);
        EXPECT_EQ(form.sLabelFXWebpage->x(), outer - (link + 30));
        EXPECT_EQ(form.sStatusBar1->PanelWidth(2), outer - (52 + 65 + link + 38));
        EXPECT_EQ(form.sStatusBar1->PanelWidth(0), 52);
        EXPECT_EQ(form.sStatusBar1->PanelWidth(1), 65);
        EXPECT_EQ(form.sStatusBar1->PanelWidth(3), 50);
    }
}

TEST_F(MainWindowTest, PictureIsCentredOnlyWhenItFitsWithMargins) {
    ShowAndActivate();
    const QSize base = form.sPanelQRImage->size();
    const QSize extra = form.size() - base;
    const auto panelOf = [&](int width, int height) {
        form.resize(width + extra.width(), height + extra.height());
        EXPECT_EQ(form.sPanelQRImage->size(), QSize(width, height));
    };

    // The empty control is placed as well.
    panelOf(250, 228);
    EXPECT_EQ(form.ImageQR->pos(), QPoint(45, 34));
    panelOf(251, 229);
    EXPECT_EQ(form.ImageQR->pos(), QPoint(46, 34));

    GivePicture({540, 540});
    form.ImageQR->resize(540, 540);
    struct Case {
        QSize panel;
        QPoint expected;
    };
    const Case cases[] = {
        {{559, 700}, {10, 10}}, {{700, 559}, {10, 10}},
        {{560, 560}, {10, 10}}, {{561, 561}, {10, 10}},  // 10.5 goes to the even 10
        {{563, 565}, {12, 12}},                          // 11.5 and 12.5 both go to 12
        {{600, 581}, {30, 20}}, {{800, 640}, {130, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel.width());
        panelOf(c.panel.width(), c.panel.height());
        EXPECT_EQ(form.ImageQR->pos(), c.expected);
        EXPECT_EQ(form.ImageQR->size(), QSize(540, 540));
    }
}

TEST_F(MainWindowTest, SetStatusFromAWorkerIsCarriedOutOnTheUiThread) {
    std::atomic<bool> done = false;
    std::thread worker([&] {
        SetStatus("Generating QR image...");
        done = true;
    });
    // While the UI thread does not run events, the worker waits and the label is untouched.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(done);
    EXPECT_TRUE(form.sLabelStatus->text().isEmpty());
    EXPECT_TRUE(WaitUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(form.sLabelStatus->text(), QStringLiteral("Generating QR image..."));
    EXPECT_GT(form.sLabelStatus->width(), 60);

    std::thread clearing([&] { form.SetStatus(""); });
    EXPECT_TRUE(WaitUntil([&] { return form.sLabelStatus->text().isEmpty(); }));
    clearing.join();
}

}  // namespace
