#pragma once

#include <QDialog>
#include <string>

class TImage;
class TsBevel;
class TsBitBtn;
class TsLabel;
class TsPanel;

// The about box: the product logo, the name with the installed version, a notice line, the
// maker's web address and a short description. Every picture and text is a link: a click
// closes the box with AboutResult "gotoweb". OK, Enter, Esc and the close box close it with
// AboutResult empty. Controls are public and carry their names as object names, so tests
// reach them.
class TAboutDialog : public QDialog {
public:
    explicit TAboutDialog(QWidget* parent = nullptr);

    // Stores the four texts the dialog shows; they reach the controls when it is activated.
    void SetAboutInfo(const std::string& name, const std::string& version,
                      const std::string& description, const std::string& link);
    // Shows the dialog modally and returns AboutResult once it has closed.
    std::string ShowAbout();
    // Places the dialog so that its frame is centred over the window's frame, or on the screen
    // when there is no shown window.
    void CenterOver(const QWidget* window);

    static constexpr int kClientWidth = 386;
    static constexpr int kClientHeight = 192;
    static constexpr const char* kGoToWeb = "gotoweb";
    // The one-line notice under the name.
    static constexpr const char* kNotice = "A free maker of QR-code pictures.";

    std::string AboutName;
    std::string AboutVersion;
    std::string AboutDescription;
    std::string AboutLink;
    std::string AboutResult;

    TsPanel* sPanel1 = nullptr;
    TsBevel* sBevel1 = nullptr;
    TImage* ImageAppLogo = nullptr;
    TsLabel* sLabelSoftwareName = nullptr;
    TsLabel* sLabel1 = nullptr;
    TsLabel* sLabel2 = nullptr;
    TsLabel* sLabelDescription = nullptr;
    TsBitBtn* sBitBtnOK = nullptr;

    // Event handlers.
    void FormCreate();
    void FormActivate();
    void ImageAppLogoClick();
    void sLabelSoftwareNameClick();
    void sLabel1Click();
    void sLabel2Click();
    void sLabelDescriptionClick();
    void sBitBtnOKClick();

protected:
    bool event(QEvent* event) override;

private:
    void CreateControls();
    void ConnectEvents();
    void GoToWeb();
};
