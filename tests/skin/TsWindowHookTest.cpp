// The window hook: which windows the default manager skins by itself (the rules, the Tag, the
// limit on toolkit dialogs), what a skinned toolkit dialog looks like, and that every window is
// given back its own look when the skin goes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>
#include <memory>

#include "InternalSkinManager.h"
#include "skin/ControlClasses.h"
#include "skin/SkinningRules.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsSkinStyle.h"
#include "skin/TsWindowHook.h"
#include "skin/data/SkinLoading.h"

using skinningrules::ShouldSkin;
using skinningrules::TsWindowFacts;
using skinningrules::TsWindowKind;

namespace {

// The internal skin's colours, as Qt reads them.
constexpr QRgb kDialog = 0xFF2F2F2F;         // DIALOG takes FORM's COLOR 3092271
constexpr QRgb kHotButtonText = 0xFFFFFFFF;  // BUTTON's HOTFONTCOLOR 16777215

constexpr std::uint8_t kAll = srStdForms | srStdDialogs | srThirdParty;

TsWindowFacts Facts(TsWindowKind kind, std::optional<std::int64_t> tag = std::nullopt) {
    TsWindowFacts facts;
    facts.Kind = kind;
    facts.Tag = tag;
    return facts;
}

TEST(SkinningRulesTest, EachRuleGovernsItsOwnKindOfWindow) {
    const std::uint8_t withoutDialogs = srStdForms | srThirdParty;
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::Form), withoutDialogs, 0));
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::MessageForm), withoutDialogs, 0));
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::SystemDialog), withoutDialogs, 0));
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::FileDialog), withoutDialogs, 0));

    const std::uint8_t withoutForms = srStdDialogs | srThirdParty;
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::Form), withoutForms, 0));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::MessageForm), withoutForms, 0));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::SystemDialog), withoutForms, 0));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::FileDialog), withoutForms, 0));

    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::Excluded), kAll, 0));
    EXPECT_EQ(skinningrules::KindOfFormClass("TMessageForm"), TsWindowKind::MessageForm);
    EXPECT_EQ(skinningrules::KindOfFormClass("TApplication"), TsWindowKind::Excluded);
    EXPECT_EQ(skinningrules::KindOfFormClass("TfcPopup"), TsWindowKind::Excluded);
    EXPECT_EQ(skinningrules::KindOfFormClass("TAboutBox"), std::nullopt);
}

TEST(SkinningRulesTest, TheLimitHoldsForToolkitDialogsButNotFileDialogsOrForms) {
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::SystemDialog), kAll, 1));
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::SystemDialog), kAll, 2));
    EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::SystemDialog), kAll, 3));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::FileDialog), kAll, 2));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::MessageForm), kAll, 5));
    EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::Form), kAll, 5));
}

TEST(SkinningRulesTest, TagsHoldingEveryBitOfTheEngineTagStayPlain) {
    for (std::int64_t tag : {-98, -1, -2, -33, -34, -65, -66, -97})
        EXPECT_FALSE(ShouldSkin(Facts(TsWindowKind::Form, tag), kAll, 0)) << tag;
    for (std::int64_t tag : {-99, -96, 0, 1, 98})
        EXPECT_TRUE(ShouldSkin(Facts(TsWindowKind::Form, tag), kAll, 0)) << tag;
}

TEST(ControlClassesTest, TheTableAndTheAliasesReachQtClasses) {
    QWidget window;
    QPushButton button(&window);
    QLineEdit edit(&window);
    EXPECT_STREQ(controlclasses::SectionOf(button), "BUTTON");
    EXPECT_STREQ(controlclasses::SectionOf(edit), "EDIT");
    EXPECT_EQ(controlclasses::SectionOf(window), nullptr);

    ThirdPartyList lists;
    for (std::size_t i = 0; i < ThirdPartyList::kCount; ++i)
        lists.Lists[i] = ThirdPartyList::Default(i);
    EXPECT_STREQ(controlclasses::ThirdPartySection(button, lists), "BUTTON");
    EXPECT_EQ(controlclasses::ThirdPartySection(edit, lists), nullptr);
    lists.Lists[0] = "TSomething\r\nTEdit";
    EXPECT_STREQ(controlclasses::ThirdPartySection(edit, lists), "EDIT");
    EXPECT_EQ(controlclasses::QtClassOf("TUnknown"), nullptr);
}

// The style is the application's, as the program installs it.
class WindowHookTest : public ::testing::Test {
protected:
    void UseManager(std::uint8_t rules) {
        manager = InternalSkinManager(rules);
        QApplication::setStyle(new TsSkinStyle(manager.get(), QStyleFactory::create("Fusion")));
        ASSERT_NE(manager->Content(), nullptr);
        ASSERT_NE(TsWindowHook::Find(*manager), nullptr);
    }
    void TearDown() override {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        manager.reset();
    }
    static bool Skinned(const QWidget& window) { return TsSkinStyle::WindowSkinned(&window); }
    static std::unique_ptr<QMessageBox> OpenMessageBox() {
        auto box = std::make_unique<QMessageBox>(QMessageBox::Information, "Title", "Text");
        box->show();
        return box;
    }

    std::unique_ptr<TsSkinManager> manager;
};

TEST_F(WindowHookTest, WithoutTheDialogRuleMessageDialogsStayPlainWhileFormsAreSkinned) {
    UseManager(srStdForms | srThirdParty);
    QWidget form;
    QDialog messageForm;
    messageForm.setProperty(skinningrules::kFormClassProperty, "TMessageForm");
    form.show();
    messageForm.show();
    const auto box = OpenMessageBox();
    EXPECT_TRUE(Skinned(form));
    EXPECT_FALSE(Skinned(messageForm));
    EXPECT_FALSE(Skinned(*box));
    EXPECT_NE(box->palette().color(QPalette::Window).rgb(), kDialog);
}

TEST_F(WindowHookTest, AllRulesSkinFormsMessageDialogsAndMessageBoxes) {
    UseManager(kAll);
    QDialog messageForm;
    messageForm.setProperty(skinningrules::kFormClassProperty, "TMessageForm");
    messageForm.show();
    const auto box = OpenMessageBox();
    EXPECT_TRUE(Skinned(messageForm));
    ASSERT_TRUE(Skinned(*box));
    EXPECT_EQ(box->palette().color(QPalette::Window).rgb(), kDialog);
    // Its buttons are painted from BUTTON: the default button, hot, has its caption in the
    // section's hot font colour, where the plain style writes black on light grey.
    QPushButton* ok = box->findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    const QImage face = ok->grab().toImage();
    bool captionInButtonColour = false;
    for (int y = 0; y < face.height() && !captionInButtonColour; ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) == kHotButtonText) captionInButtonColour = true;
    EXPECT_TRUE(captionInButtonColour);
    // A pop-up menu of the dialog is drawn by the skin too.
    QMenu menu(box.get());
    const auto* style = dynamic_cast<const TsSkinStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_TRUE(style->SkinsWidget(&menu));
}

// A window that skins itself (the main window) has its push buttons painted from BUTTON only
// through the ThirdParty lists, whose default names "TButton".
TEST_F(WindowHookTest, ButtonsOfSelfSkinnedWindowsFollowTheThirdPartyRule) {
    UseManager(srStdForms | srStdDialogs);
    QWidget window;
    window.setProperty(skinningrules::kTagProperty, -98);
    TsSkinStyle::SetWindowSkinned(&window, true);
    auto* button = new QPushButton("Go", &window);
    window.show();
    // The skin's button is dark where the plain style's is light grey.
    const auto showsSkinFace = [button] {
        const QImage face = button->grab().toImage();
        return qGray(face.pixel(face.width() / 2, 3)) < 0x60;
    };
    EXPECT_FALSE(showsSkinFace());
    manager->SkinningRules |= srThirdParty;
    EXPECT_TRUE(showsSkinFace());
    manager->ThirdParty.Lists[1] = "TEdit";
    EXPECT_FALSE(showsSkinFace());
}

TEST_F(WindowHookTest, AThirdMessageBoxStaysPlainWhileAFileDialogIsSkinned) {
    UseManager(kAll);
    const auto first = OpenMessageBox();
    const auto second = OpenMessageBox();
    const auto third = OpenMessageBox();
    EXPECT_TRUE(Skinned(*first));
    EXPECT_TRUE(Skinned(*second));
    EXPECT_FALSE(Skinned(*third));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    EXPECT_TRUE(Skinned(files));
    // Once one closes, a new box is under the limit again.
    first->hide();
    const auto fourth = OpenMessageBox();
    EXPECT_FALSE(Skinned(*fourth));  // the file dialog still counts
    files.hide();
    const auto fifth = OpenMessageBox();
    EXPECT_TRUE(Skinned(*fifth));
}

TEST_F(WindowHookTest, TheEngineTagAndItsSupersetsKeepAWindowPlain) {
    UseManager(kAll);
    for (int tag : {-98, -1, -97, -99, 0}) {
        QWidget form;
        form.setProperty(skinningrules::kTagProperty, tag);
        form.show();
        EXPECT_EQ(Skinned(form), tag == -99 || tag == 0) << tag;
    }
}

TEST_F(WindowHookTest, ADestroyedWindowIsForgotten) {
    UseManager(kAll);
    TsWindowHook& hook = *TsWindowHook::Find(*manager);
    auto form = std::make_unique<QWidget>();
    form->show();
    ASSERT_TRUE(hook.Adapted(form.get()));
    const std::size_t before = hook.AdapterCount();
    form.reset();
    EXPECT_EQ(hook.AdapterCount(), before - 1);
}

TEST_F(WindowHookTest, ActivationSkinsAWindowFirstShownBeforeTheSkin) {
    QWidget early;
    early.show();
    UseManager(srStdDialogs);
    EXPECT_FALSE(Skinned(early));
    manager->SkinningRules = kAll;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&early, &activate);
    EXPECT_TRUE(Skinned(early));
}

TEST_F(WindowHookTest, SkinnedWindowsGetTheSkinsFrameAndLoseItWithTheSkin) {
    UseManager(kAll);
    QDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setContentsMargins(3, 4, 5, 6);
    dialog.setWindowTitle("Framed dialog");
    dialog.show();
    TsSkinProvider* frame = TsSkinProvider::Of(dialog);
    ASSERT_NE(frame, nullptr);
    // The plain frame of the standard size; a dialog that names no other button has only Close.
    EXPECT_EQ(dialog.contentsMargins(), QMargins(8, 31, 8, 8));
    ASSERT_EQ(frame->CaptionButtons().size(), 1u);
    EXPECT_EQ(frame->CaptionButtons().front().Kind, TsCaptionButtonKind::Close);
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_TRUE(dialog.windowHandle()->flags() & Qt::FramelessWindowHint);

    manager->SetActive(false);
    EXPECT_EQ(TsSkinProvider::Of(dialog), nullptr);
    EXPECT_EQ(dialog.contentsMargins(), QMargins(3, 4, 5, 6));
    EXPECT_FALSE(dialog.windowHandle()->flags() & Qt::FramelessWindowHint);
}

TEST_F(WindowHookTest, RemovingTheSkinGivesWindowsBackTheirStyleAndPalette) {
    QWidget inherits;
    QWidget own;
    QPalette ownPalette = own.palette();
    ownPalette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    own.setPalette(ownPalette);
    const QColor plain = inherits.palette().color(QPalette::Window);
    UseManager(kAll);
    inherits.show();
    own.show();
    ASSERT_TRUE(Skinned(inherits));
    ASSERT_EQ(inherits.palette().color(QPalette::Window).rgb(), 0xFF2F2F2Fu);

    manager->SetActive(false);
    EXPECT_FALSE(Skinned(inherits));
    EXPECT_FALSE(Skinned(own));
    EXPECT_EQ(inherits.palette().color(QPalette::Window), plain);
    EXPECT_FALSE(inherits.testAttribute(Qt::WA_SetPalette));
    EXPECT_EQ(own.palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(TsWindowHook::Find(*manager)->AdapterCount(), 0u);

    // Switched on again, the open windows take the skin again.
    manager->SetActive(true);
    EXPECT_TRUE(Skinned(inherits));
}

}  // namespace
