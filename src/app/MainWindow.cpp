#include "app/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <atomic>

#include "app/AboutCommand.h"
#include "app/ConnectionCheckCommand.h"
#include "app/CopyImageCommand.h"
#include "app/GenerateCommand.h"
#include "app/InstallationValues.h"
#include "app/LayoutRules.h"
#include "app/LinkCommands.h"
#include "app/Messages.h"
#include "app/RegistryAccess.h"
#include "app/SaveImageCommand.h"
#include "app/TMenuShortcutGuard.h"
#include "app/UpdateCheck.h"
#include "core/BuildConfig.h"
#include "core/Exception.h"
#include "output/TsSavePictureDialog.h"
#include "platform/TImage.h"
#include "platform/UiThread.h"
#include "skin/TsBitBtn.h"
#include "skin/TsButton.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsLabel.h"
#include "skin/TsLabelFX.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsStatusBar.h"
#include "skin/TsSystemMenu.h"
#include "skin/paint/TsAlphaImageList.h"

namespace {

// Written on the UI thread; other threads may ask for it.
std::atomic<TMainForm*> theMainForm = nullptr;

// The fixed part of FeedbackLink as the program starts, so that the domain is appended to it
// exactly once however often a main window is created.
const std::string& FeedbackLinkFixedPart() {
    static const std::string fixedPart = FeedbackLink;
    return fixedPart;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    FeedbackLinkFixedPart();
    theMainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    CreateWindowProperties();
    ConnectEvents();
    SetTabOrders();
    new TMenuShortcutGuard(*this);
    // Alt+Space opens the system menu below the title icon, where the icon's click opens it.
    auto* systemMenuKey = new QAction(this);
    systemMenuKey->setObjectName(QStringLiteral("SystemMenuKey"));
    systemMenuKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    addAction(systemMenuKey);
    connect(systemMenuKey, &QAction::triggered, this,
            [this] { TsSystemMenu::Popup(this, sSkinProvider1->SystemMenuPoint()); });
    sSkinProvider1->OnSystemMenu = [this](QPoint at) { TsSystemMenu::Popup(this, at); };
    SetMainWindow(this);
    FormCreate();
}

TMainForm::~TMainForm() {
    // The controls are freed after the members; none may reach the image list once it is gone.
    for (TsBitBtn* button : {sBitBtnGenerate, sBitBtnSaveQRImage, sBitBtnVideoTutorial})
        button->SetImages(nullptr);
    sButtonURLShorten->SetImages(nullptr);
    TMainForm* self = this;
    theMainForm.compare_exchange_strong(self, nullptr);
}

TMainForm* TMainForm::Instance() {
    return theMainForm;
}

std::function<void()>& TMainForm::UpdateCheckStarter() {
    static std::function<void()> starter = StartUpdateCheck;
    return starter;
}

void TMainForm::FormCreate() {
    try {
        std::string message = std::string("Could not determinated the application's\r\n") +
                              "version number!" + "\r\n\r\n" + "Please re-install this software!";
        AppVersion = ReadInstalledVersion("Vexmora");
        if (AppVersion.empty()) throw Exception(message);
        message = std::string("Could not determinated the application's\r\n") + "website!" +
                  "\r\n\r\n" + "Please re-install this software!";
        AppWebsite = ReadInstalledWebsite("Vexmora");
        if (AppWebsite.empty()) throw Exception(message);
    } catch (const std::exception& error) {
        ShowCenteredMessage(std::string(error.what()) + "\r\n", MessageKind::Error,
                            MessageButton::OK);
        RequestTermination();
    }
    AppWebHost = BuildConfig::MakerWebHost();
    FeedbackLink = FeedbackLinkFixedPart() + MailDomainOf(AppWebHost);
    sLabelFXWebpage->SetCaption(QString::fromStdString(AppWebHost));
    sComboBoxCorrection->SetItemIndex(0);
    ApplyStatusBarLayout();
    if (UpdateCheckStarter()) UpdateCheckStarter()();
}

// The quit request waits in the event queue, so the application ends as soon as its event
// loop starts.
void TMainForm::RequestTermination() {
    terminationRequested_ = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

void TMainForm::ConnectEvents() {
    sMemoText->OnChange = [this] { sMemoTextChange(); };
    sDecimalSpinEditWdth->OnChange = [this] { sDecimalSpinEditWdthChange(); };
    sDecimalSpinEditHeight->OnChange = [this] { sDecimalSpinEditHeightChange(); };
    sComboBoxCorrection->OnChange = [this] { sComboBoxCorrectionChange(); };
    sPanelQRImage->OnResize = [this] { sPanelQRImageResize(); };
    connect(sBitBtnGenerate, &QPushButton::clicked, this, [this] { sBitBtnGenerateClick(); });
    connect(sBitBtnSaveQRImage, &QPushButton::clicked, this, [this] { sBitBtnSaveImageClick(); });
    connect(sBitBtnVideoTutorial, &QPushButton::clicked, this,
            [this] { sBitBtnVideoTutorialClick(); });
    connect(sButtonURLShorten, &QPushButton::clicked, this, [this] { sButtonURLShortenClick(); });
    ImageDonate->OnClick = [this] { ImageDonateClick(); };
    ImageSocialFacebook->OnClick = [this] { ImageSocialFacebookClick(); };
    ImageSocialTwitter->OnClick = [this] { ImageSocialTwitterClick(); };
    ImageSocialGoogleP->OnClick = [this] { ImageSocialGooglePClick(); };
    sLabelFXWebpage->OnClick = [this] { sLabelFXWebpageClick(); };
    // The link's width feeds the status bar's layout; a skin's shadow room or a new font
    // changes it after the window was laid out.
    sLabelFXWebpage->OnResize = [this] { ApplyStatusBarLayout(); };

    const std::pair<QAction*, void (TMainForm::*)()> menuHandlers[] = {
        {GenerateQRimage1, &TMainForm::GenerateQRimage1Click},
        {Saveimage1, &TMainForm::Saveimage1Click},
        {Exit1, &TMainForm::Exit1Click},
        {Checkconnection1, &TMainForm::Checkconnection1Click},
        {ShortenURL1, &TMainForm::ShortenURL1Click},
        {Copyimage1, &TMainForm::Copyimage1Click},
        {Cleartext1, &TMainForm::Cleartext1Click},
        {Website1, &TMainForm::Website1Click},
        {VideoTutorial1, &TMainForm::VideoTutorial1Click},
        {Feedback1, &TMainForm::Feedback1Click},
        {Donate1, &TMainForm::Donate1Click},
        {About1, &TMainForm::About1Click},
    };
    for (const auto& [action, handler] : menuHandlers)
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { (this->*handler)(); });
}

void TMainForm::SetTabOrders() {
    const QWidget* chain[] = {
        sDecimalSpinEditWdth, sDecimalSpinEditHeight, sComboBoxCorrection, sBitBtnSaveQRImage,
        sBitBtnVideoTutorial, sBitBtnGenerate,        sButtonURLShorten,   sMemoText};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
}

void TMainForm::SetStatus(const std::string& text) {
    if (UiThread::IsUiThread()) {
        sLabelStatus->SetCaption(QString::fromStdString(text));
        return;
    }
    const QPointer<TMainForm> form(this);
    UiThread::RunAndWait([form, text] {
        if (form) form->SetStatus(text);
    });
}

// The main window is looked up on the UI thread, so a worker never touches a window that is
// being destroyed.
void SetStatus(const std::string& text) {
    UiThread::RunAndWait([text] {
        if (TMainForm* form = TMainForm::Instance()) form->SetStatus(text);
    });
}

void TMainForm::EmptyPicture() {
    ImageQR->Clear();
}

void TMainForm::CenterPicture() {
    ImageQR->move(LayoutRules::PlacePicture(sPanelQRImage->size(), ImageQR->size()));
}

void TMainForm::ShowVideoTutorial() {
    sBitBtnVideoTutorial->setVisible(true);
    VideoTutorial1->setVisible(true);
}

QSize TMainForm::OuterSize() const {
    return sSkinProvider1 ? sSkinProvider1->OuterSizeOf(size()) : frameGeometry().size();
}

void TMainForm::ApplyStatusBarLayout() {
    const auto placement =
        LayoutRules::PlaceStatusBar(OuterSize().width(), sStatusBar1->PanelWidth(0),
                                    sStatusBar1->PanelWidth(1), sLabelFXWebpage->width());
    sLabelFXWebpage->move(placement.linkLeft, sLabelFXWebpage->y());
    sStatusBar1->SetPanelWidth(2, placement.thirdPanelWidth);
}

// The window's size is its outer size, frame included. The frame is known only once the
// window manager has framed the window, so the size is corrected then; without a window
// manager (a bare X server, the offscreen platform) the frame is empty and the window's own
// size is already the outer size.
void TMainForm::FixOuterSize() {
    if (outerSizeFixed_ || !isVisible()) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) return;
    outerSizeFixed_ = true;
    setMinimumWidth(kOuterWidth - frame.width());
    resize(kOuterWidth - frame.width(), kOuterHeight - frame.height());
    PlaceOnScreen();
}

void TMainForm::PlaceOnScreen() {
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FixOuterSize();
    FormResize();
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FixOuterSize();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    if (!shownBefore_) {
        shownBefore_ = true;
        PlaceOnScreen();
    }
    FormShow();
}

void TMainForm::FormResize() {
    ApplyStatusBarLayout();
}

void TMainForm::FormShow() {
    sMemoText->setFocus();
}

void TMainForm::sMemoTextChange() {
    EmptyPicture();
}

void TMainForm::sDecimalSpinEditWdthChange() {
    EmptyPicture();
}

void TMainForm::sDecimalSpinEditHeightChange() {
    EmptyPicture();
}

void TMainForm::sComboBoxCorrectionChange() {
    EmptyPicture();
}

void TMainForm::sPanelQRImageResize() {
    CenterPicture();
}

void TMainForm::sBitBtnGenerateClick() {
    RunGenerateCommand(*this);
}

void TMainForm::sBitBtnSaveImageClick() {
    RunSaveImageCommand(*this);
}

void TMainForm::Copyimage1Click() {
    RunCopyImageCommand(*this);
}

void TMainForm::Checkconnection1Click() {
    StartConnectionCheck();
}

void TMainForm::About1Click() {
    ShowAboutBox();
}

void TMainForm::sBitBtnVideoTutorialClick() {
    OpenVideoTutorial();
}

void TMainForm::sButtonURLShortenClick() {
    OpenUrlShortenerPage();
}

void TMainForm::ImageDonateClick() {
    Donate1Click();
}

void TMainForm::ImageSocialFacebookClick() {
    OpenFacebookLink();
}

void TMainForm::ImageSocialTwitterClick() {
    OpenTwitterLink();
}

void TMainForm::ImageSocialGooglePClick() {
    OpenGooglePlusLink();
}

void TMainForm::sLabelFXWebpageClick() {
    OpenProductPage();
}

void TMainForm::GenerateQRimage1Click() {
    sBitBtnGenerate->click();
}

void TMainForm::Saveimage1Click() {
    sBitBtnSaveQRImage->click();
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::ShortenURL1Click() {
    sButtonURLShorten->click();
}

void TMainForm::Cleartext1Click() {
    sMemoText->clear();
    EmptyPicture();
}

void TMainForm::Website1Click() {
    OpenProductPage();
}

void TMainForm::VideoTutorial1Click() {
    sBitBtnVideoTutorial->click();
}

void TMainForm::Feedback1Click() {
    RequestFeedback();
}

void TMainForm::Donate1Click() {
    RequestDonation();
}
