// Building the main window's controls and menu, as laid out in the window's form data.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "app/Artwork.h"
#include "app/DesignLook.h"
#include "app/MainWindow.h"
#include "app/TAlignLayout.h"
#include "core/TMemoryStream.h"
#include "output/TsSavePictureDialog.h"
#include "platform/TImage.h"
#include "png/TPNGObject.h"
#include "skin/TsBitBtn.h"
#include "skin/TsButton.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsGroupBox.h"
#include "skin/TsLabel.h"
#include "skin/TsLabelFX.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsSkinStyle.h"
#include "skin/TsStatusBar.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/TsAlphaImageList.h"

namespace {

// The image list's size and its items in order: the PNG files stored with the window.
constexpr int kButtonGlyphSize = 24;
constexpr const char* kButtonIconFiles[] = {":/icons/Generate.png", ":/icons/Save.png",
                                            ":/icons/UrlShortener.png",
                                            ":/icons/VideoTutorial.png"};
enum ButtonIcon { kIconGenerate = 0, kIconSave = 1, kIconUrlShortener = 2, kIconVideoTutorial = 3 };

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFont WindowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// Children of a bold group box would inherit the bold caption font; their own fonts say
// otherwise.
QFont PlainFont() {
    QFont font = WindowFont();
    font.setBold(false);
    return font;
}

QFont BoldFont() {
    QFont font = WindowFont();
    font.setBold(true);
    return font;
}

TsLabel* GreyLabel(const char* name, const QString& caption, QWidget* parent, QPoint at,
                   const QFont& font) {
    auto* label = Named(new TsLabel(QString(), parent), name);
    label->setFont(font);
    label->SetCaption(caption);
    label->move(at);
    return label;
}

TsDecimalSpinEdit* SizeField(const char* name, QWidget* parent, QRect bounds) {
    auto* field = Named(new TsDecimalSpinEdit(parent), name);
    field->setGeometry(bounds);
    field->setFont(PlainFont());
    field->SetBounds(100, 540);
    field->SetValue(200);
    return field;
}

TImage* StatusPicture(const char* name, QWidget* parent, QRect bounds, const QString& tooltip,
                      const QImage& picture) {
    auto* image = Named(new TImage(parent), name);
    image->setGeometry(bounds);
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(tooltip);
    image->SetGraphic(StoredPicture(picture));
    return image;
}

// The items are the window's own actions as well, so their shortcuts work wherever the focus
// is inside the window.
QAction* MenuItem(QWidget* window, QMenu* menu, const char* name, const QString& caption) {
    auto* action = Named(menu->addAction(caption), name);
    window->addAction(action);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    return Named(menu->addSeparator(), name);
}

}  // namespace

void TMainForm::CreateWindowProperties() {
    SubstituteDesignFonts();
    CreateSkinManager();
    CreateSkinProvider();
    CreateImageList();
    setWindowTitle(QStringLiteral("Vexmora"));
    // The desktop icon's drawing: the skinned title bar shows it where a system frame would, and
    // the program's dialogs inherit it through the application.
    const QIcon appIcon = Artwork::Icon(Artwork::AppLogoImage());
    setWindowIcon(appIcon);
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(appIcon);
    setFont(WindowFont());
    setWindowOpacity(1.0);
    resize(sSkinProvider1->WindowSizeFor({kOuterWidth, kOuterHeight}));
    sSkinProvider1->SetOuterMinimumWidth(kOuterWidth);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    clientLayout_ = new TAlignLayout(client);

    CreateStatusBar(client);
    CreateDataArea(client);
    CreatePictureArea(client);
    CreateMenu();
    sSavePictureDialog1 = std::make_unique<TsSavePictureDialog>(this);
    // The end of reading the form data: the skin reaches every control now that all exist.
    sSkinManager1->EndLoading();
    TsSkinStyle::Install(sSkinManager1);
    TsSkinStyle::SetWindowSkinned(this, true);
}

void TMainForm::CreateImageList() {
    sAlphaImageList1 = std::make_unique<TsAlphaImageList>(kButtonGlyphSize, kButtonGlyphSize);
    for (const char* name : kButtonIconFiles) {
        QFile file(QString::fromLatin1(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        sAlphaImageList1->AddPng(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
}

void TMainForm::CreateSkinManager() {
    sSkinManager1 = Named(new TsSkinManager(this), "sSkinManager1");
    sSkinManager1->BeginLoading();
    sSkinManager1->InternalSkins.push_back(BuiltInStoredSkin());
    sSkinManager1->SetExtendedBorders(true);
    for (TacFormShow* effect :
         {&sSkinManager1->AnimEffects.DialogShow, &sSkinManager1->AnimEffects.FormShow,
          &sSkinManager1->AnimEffects.FormHide, &sSkinManager1->AnimEffects.DialogHide})
        effect->Mode = atFading;
    sSkinManager1->MenuSupport.IcoLineSkin = "ICOLINE";
    sSkinManager1->MenuSupport.ExtraLineFontName = "MS Sans Serif";
    sSkinManager1->MenuSupport.ExtraLineFontHeight = -11;
    // The stand-in for the skin directory the form data names.
    sSkinManager1->SetSkinDirectory(skin::SkinDirectory());
    sSkinManager1->SetSkinName(skin::kInternalSkinName);
}

// The frame is the skin's: made before anything creates the window, which it makes frameless.
void TMainForm::CreateSkinProvider() {
    sSkinProvider1 = new TsSkinProvider(*this);
    sSkinProvider1->ScreenSnap = true;
}

void TMainForm::CreatePictureArea(QWidget* client) {
    sPanel1 = Named(new TsPanel(client), "sPanel1");
    sPanel1->setGeometry(0, 0, 474, 230);
    clientLayout_->AddWidget(sPanel1, TAlignLayout::Align::Client);
    auto* panelLayout = new TAlignLayout(sPanel1);

    sPanel3 = Named(new TsPanel(sPanel1), "sPanel3");
    sPanel3->setGeometry(233, 1, 240, 228);
    sPanel3->setMaximumHeight(230);
    panelLayout->AddWidget(sPanel3, TAlignLayout::Align::Right);
    CreateSizeAndLevelChoices();
    // The window may get lower than it opens, down to where the size and level choices are
    // still whole (8 pixels below the level box): with the data field and the generate button
    // they are all it takes to make a picture. The two buttons under them may be cut off then;
    // their commands stay in the menus.
    sPanel1->setMinimumHeight(sPanel3->y() + sGroupBox2->geometry().bottom() + 1 + 8);

    sPanelQRImage = Named(new TsPanel(sPanel1), "sPanelQRImage");
    sPanelQRImage->setGeometry(1, 1, 232, 228);
    panelLayout->AddWidget(sPanelQRImage, TAlignLayout::Align::Client);

    ImageQR = Named(new TImage(sPanelQRImage), "ImageQR");
    ImageQR->setGeometry(10, 10, 160, 160);
}

void TMainForm::CreateSizeAndLevelChoices() {
    sGroupBox1 = Named(new TsGroupBox(QStringLiteral("Image Size"), sPanel3), "sGroupBox1");
    sGroupBox1->setGeometry(10, 10, 220, 90);
    sGroupBox1->setFont(BoldFont());
    sLabel1 = GreyLabel("sLabel1", QStringLiteral("Width:"), sGroupBox1, {33, 27}, PlainFont());
    sLabel2 = GreyLabel("sLabel2", QStringLiteral("Height:"), sGroupBox1, {30, 57}, PlainFont());
    sLabel3 = GreyLabel("sLabel3", QStringLiteral("pixels"), sGroupBox1, {137, 27}, PlainFont());
    sLabel4 = GreyLabel("sLabel4", QStringLiteral("pixels"), sGroupBox1, {137, 57}, PlainFont());
    sDecimalSpinEditWdth = SizeField("sDecimalSpinEditWdth", sGroupBox1, {70, 24, 60, 21});
    sDecimalSpinEditHeight = SizeField("sDecimalSpinEditHeight", sGroupBox1, {70, 54, 60, 21});

    sGroupBox2 = Named(new TsGroupBox(QStringLiteral("Error Correction"), sPanel3), "sGroupBox2");
    sGroupBox2->setGeometry(10, 112, 220, 60);
    sGroupBox2->setFont(BoldFont());
    sComboBoxCorrection = Named(new TsComboBox(sGroupBox2), "sComboBoxCorrection");
    sComboBoxCorrection->setGeometry(10, 24, 200, 21);
    sComboBoxCorrection->setFont(PlainFont());
    sComboBoxCorrection->SetItems({QStringLiteral("L  - Recovery of up to 7% data loss"),
                                   QStringLiteral("M - Recovery of up to 15% data loss"),
                                   QStringLiteral("Q - Recovery of up to 25% data loss"),
                                   QStringLiteral("H - Recovery of up to 30% data loss")});

    sBitBtnSaveQRImage =
        Named(new TsBitBtn(QStringLiteral("Save image"), sPanel3), "sBitBtnSaveQRImage");
    sBitBtnSaveQRImage->setGeometry(124, 180, 106, 40);
    sBitBtnSaveQRImage->SetImages(sAlphaImageList1.get());
    sBitBtnSaveQRImage->SetImageIndex(kIconSave);

    sBitBtnVideoTutorial =
        Named(new TsBitBtn(QStringLiteral("Video tutorial"), sPanel3), "sBitBtnVideoTutorial");
    sBitBtnVideoTutorial->setGeometry(10, 180, 106, 40);
    sBitBtnVideoTutorial->SetImages(sAlphaImageList1.get());
    sBitBtnVideoTutorial->SetImageIndex(kIconVideoTutorial);
    sBitBtnVideoTutorial->setVisible(false);
}

void TMainForm::CreateStatusBar(QWidget* client) {
    sStatusBar1 = Named(new TsStatusBar(client), "sStatusBar1");
    sStatusBar1->setGeometry(0, 360, 474, 24);
    sStatusBar1->SetPanelWidths({52, 65, 120, 50});
    clientLayout_->AddWidget(sStatusBar1, TAlignLayout::Align::Bottom);

    ImageDonate = StatusPicture("ImageDonate", sStatusBar1, {4, 5, 42, 105},
                                QStringLiteral("Donation"), Artwork::DonationImage());
    ImageSocialFacebook =
        StatusPicture("ImageSocialFacebook", sStatusBar1, {54, 5, 16, 16},
                      QStringLiteral("Facebook"), Artwork::SocialImage(Artwork::Social::Facebook));
    ImageSocialTwitter =
        StatusPicture("ImageSocialTwitter", sStatusBar1, {74, 5, 16, 16}, QStringLiteral("Tweet"),
                      Artwork::SocialImage(Artwork::Social::Twitter));
    ImageSocialGoogleP =
        StatusPicture("ImageSocialGoogleP", sStatusBar1, {94, 5, 16, 16}, QStringLiteral("Google+"),
                      Artwork::SocialImage(Artwork::Social::GooglePlus));
    for (TImage* social : {ImageSocialFacebook, ImageSocialTwitter, ImageSocialGoogleP}) {
        social->Proportional = true;
        social->Transparent = true;
    }

    QFont statusFont(QStringLiteral("Tahoma"));
    statusFont.setPixelSize(11);
    sLabelStatus = GreyLabel("sLabelStatus", QString(), sStatusBar1, {120, 7}, statusFont);

    QFont linkFont(QStringLiteral("Segoe UI"));
    linkFont.setPixelSize(12);
    linkFont.setBold(true);
    sLabelFXWebpage = Named(new TsLabelFX(QString(), sStatusBar1), "sLabelFXWebpage");
    sLabelFXWebpage->setFont(linkFont);
    sLabelFXWebpage->setCursor(Qt::PointingHandCursor);
    sLabelFXWebpage->setGeometry(385, 3, 75, 23);
    // clPurple; the skin's shadow values take its place while a skin gives them.
    TsLabelFX::TsShadow shadow;
    shadow.Color = 0x800080;
    sLabelFXWebpage->SetShadow(shadow);
}

void TMainForm::CreateDataArea(QWidget* client) {
    sPanel2 = Named(new TsPanel(client), "sPanel2");
    sPanel2->setGeometry(0, 230, 474, 130);
    clientLayout_->AddWidget(sPanel2, TAlignLayout::Align::Bottom);

    sLabel5 = GreyLabel("sLabel5", QStringLiteral("Data:"), sPanel2, {15, 10}, BoldFont());

    sBitBtnGenerate =
        Named(new TsBitBtn(QStringLiteral("Genarate QR code"), sPanel2), "sBitBtnGenerate");
    sBitBtnGenerate->setGeometry(322, 72, 140, 40);
    sBitBtnGenerate->SetImages(sAlphaImageList1.get());
    sBitBtnGenerate->SetImageIndex(kIconGenerate);

    sButtonURLShorten =
        Named(new TsButton(QStringLiteral("Shorten URL service"), sPanel2), "sButtonURLShorten");
    sButtonURLShorten->setGeometry(322, 28, 140, 40);
    sButtonURLShorten->SetImages(sAlphaImageList1.get());
    sButtonURLShorten->SetImageIndex(kIconUrlShortener);

    sMemoText = Named(new TsMemo(sPanel2), "sMemoText");
    sMemoText->setGeometry(12, 28, 300, 84);
}

void TMainForm::CreateMenu() {
    using Artwork::MenuIcon;
    const auto icon = [](MenuIcon kind) { return Artwork::Icon(Artwork::MenuIconImage(kind)); };

    MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
    setMenuBar(MainMenu1);

    FileSave = Named(MainMenu1->addMenu(QStringLiteral("File")), "FileSave");
    GenerateQRimage1 =
        MenuItem(this, FileSave, "GenerateQRimage1", QStringLiteral("Generate QR image"));
    GenerateQRimage1->setIcon(icon(MenuIcon::Generate));
    Saveimage1 = MenuItem(this, FileSave, "Saveimage1", QStringLiteral("Save image"));
    Saveimage1->setIcon(icon(MenuIcon::Save));
    Saveimage1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    N2 = Separator(FileSave, "N2");
    Exit1 = MenuItem(this, FileSave, "Exit1", QStringLiteral("Exit"));
    Exit1->setIcon(icon(MenuIcon::Exit));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    Edit1 = Named(MainMenu1->addMenu(QStringLiteral("Edit")), "Edit1");
    Checkconnection1 =
        MenuItem(this, Edit1, "Checkconnection1", QStringLiteral("Check connection"));
    Checkconnection1->setIcon(icon(MenuIcon::CheckConnection));
    ShortenURL1 = MenuItem(this, Edit1, "ShortenURL1", QStringLiteral("Shorten URL"));
    ShortenURL1->setIcon(icon(MenuIcon::ShortenUrl));
    N4 = Separator(Edit1, "N4");
    Copyimage1 = MenuItem(this, Edit1, "Copyimage1", QStringLiteral("Copy image"));
    Copyimage1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Cleartext1 = MenuItem(this, Edit1, "Cleartext1", QStringLiteral("Clear data text"));
    Cleartext1->setIcon(icon(MenuIcon::ClearText));

    MenuitemHelp = Named(MainMenu1->addMenu(QStringLiteral("Help")), "MenuitemHelp");
    Website1 = MenuItem(this, MenuitemHelp, "Website1", QStringLiteral("Website"));
    Website1->setIcon(icon(MenuIcon::Website));
    VideoTutorial1 =
        MenuItem(this, MenuitemHelp, "VideoTutorial1", QStringLiteral("Video tutorial"));
    VideoTutorial1->setIcon(icon(MenuIcon::VideoTutorial));
    VideoTutorial1->setVisible(false);
    Feedback1 = MenuItem(this, MenuitemHelp, "Feedback1", QStringLiteral("Feedback"));
    Feedback1->setIcon(icon(MenuIcon::Feedback));
    N1 = Separator(MenuitemHelp, "N1");
    Donate1 = MenuItem(this, MenuitemHelp, "Donate1", QStringLiteral("Donate"));
    Donate1->setIcon(icon(MenuIcon::Donate));
    Donate1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    About1 = MenuItem(this, MenuitemHelp, "About1", QStringLiteral("About"));
    About1->setIcon(icon(MenuIcon::About));
    About1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
}
