#include "app/TAboutDialog.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "app/Artwork.h"
#include "app/DesignLook.h"
#include "platform/TImage.h"
#include "skin/TsBevel.h"
#include "skin/TsBitBtn.h"
#include "skin/TsLabel.h"
#include "skin/TsPanel.h"

namespace {

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFont DesignFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The texts come from the installation store and the environment; they are shown as they
// are, never read as markup.
QString Shown(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

TsLabel* LinkLabel(const char* name, QWidget* parent, QPoint at, const QFont& font) {
    auto* label = Named(new TsLabel(QString(), parent), name);
    label->setFont(font);
    UseGreyText(label);
    label->setCursor(Qt::PointingHandCursor);
    label->move(at);
    return label;
}

QMargins FrameMarginsOf(const QWidget* window) {
    if (!window) return {};
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

TAboutDialog::TAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SubstituteDesignFonts();
    setFont(DesignFont(11, false));
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    ConnectEvents();
    FormCreate();
}

void TAboutDialog::CreateControls() {
    sPanel1 = Named(new TsPanel(this), "sPanel1");
    sPanel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    sBevel1 = Named(new TsBevel(sPanel1, TsBevel::Style::Raised), "sBevel1");
    sBevel1->setGeometry(12, 12, 362, 127);

    ImageAppLogo = Named(new TImage(sPanel1), "ImageAppLogo");
    ImageAppLogo->setGeometry(22, 24, 100, 100);
    ImageAppLogo->setCursor(Qt::PointingHandCursor);
    ImageAppLogo->Transparent = true;
    ImageAppLogo->SetGraphic(StoredPicture(Artwork::AppLogoImage()));

    sLabelSoftwareName = LinkLabel("sLabelSoftwareName", sPanel1, {138, 28}, DesignFont(12, true));
    sLabel1 = LinkLabel("sLabel1", sPanel1, {142, 52}, DesignFont(11, false));
    sLabel2 = LinkLabel("sLabel2", sPanel1, {142, 70}, DesignFont(11, false));
    sLabelDescription = LinkLabel("sLabelDescription", sPanel1, {142, 96}, DesignFont(11, false));

    sBitBtnOK = Named(new TsBitBtn(QStringLiteral("OK"), sPanel1), "sBitBtnOK");
    sBitBtnOK->setGeometry(153, 152, 80, 28);
    // Enter presses the focused OK; Esc reaches the dialog, which closes as OK does.
    sBitBtnOK->setAutoDefault(true);
    sBitBtnOK->setAttribute(Qt::WA_MacShowFocusRect, false);
    setFocusProxy(sBitBtnOK);
}

void TAboutDialog::ConnectEvents() {
    ImageAppLogo->OnClick = [this] { ImageAppLogoClick(); };
    sLabelSoftwareName->OnClick = [this] { sLabelSoftwareNameClick(); };
    sLabel1->OnClick = [this] { sLabel1Click(); };
    sLabel2->OnClick = [this] { sLabel2Click(); };
    sLabelDescription->OnClick = [this] { sLabelDescriptionClick(); };
    connect(sBitBtnOK, &QPushButton::clicked, this, [this] { sBitBtnOKClick(); });
}

void TAboutDialog::SetAboutInfo(const std::string& name, const std::string& version,
                                const std::string& description, const std::string& link) {
    AboutName = name;
    AboutVersion = version;
    AboutDescription = description;
    AboutLink = link;
}

// The texts reach the controls before the dialog appears as well, so that they show even
// where the window system does not activate a new window.
std::string TAboutDialog::ShowAbout() {
    FormActivate();
    exec();
    return AboutResult;
}

void TAboutDialog::CenterOver(const QWidget* window) {
    const bool overWindow = window && window->isVisible() && !window->isMinimized();
    create();
    // The frame is known at once on some platforms, only after the window manager has framed
    // the window on others; the other window's frame stands in meanwhile.
    const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect frame = QRect(QPoint(0, 0), size())
                      .marginsAdded(known.isNull() && overWindow ? FrameMarginsOf(window) : known);
    const QScreen* display = overWindow ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = overWindow
                           ? window->frameGeometry()
                           : (display ? display->availableGeometry() : QRect(0, 0, 1024, 768));
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

bool TAboutDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return handled;
}

void TAboutDialog::FormCreate() {
    AboutName.clear();
    AboutLink.clear();
    AboutResult.clear();
}

void TAboutDialog::FormActivate() {
    setWindowTitle(Shown("About " + AboutName));
    sLabelSoftwareName->SetCaption(Shown(AboutName + " " + AboutVersion));
    sLabel1->SetCaption(QString::fromLatin1(kNotice));
    sLabel2->SetCaption(Shown(AboutLink));
    sLabelDescription->SetCaption(Shown(AboutDescription));
    sBitBtnOK->setFocus(Qt::ActiveWindowFocusReason);
}

void TAboutDialog::GoToWeb() {
    AboutResult = kGoToWeb;
    close();
}

void TAboutDialog::ImageAppLogoClick() {
    GoToWeb();
}

void TAboutDialog::sLabelSoftwareNameClick() {
    GoToWeb();
}

void TAboutDialog::sLabel1Click() {
    GoToWeb();
}

void TAboutDialog::sLabel2Click() {
    GoToWeb();
}

void TAboutDialog::sLabelDescriptionClick() {
    GoToWeb();
}

void TAboutDialog::sBitBtnOKClick() {
    close();
}
