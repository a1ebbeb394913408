#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class TAlignLayout;
class TImage;
class TsAlphaImageList;
class TsBitBtn;
class TsButton;
class TsComboBox;
class TsDecimalSpinEdit;
class TsGroupBox;
class TsLabel;
class TsLabelFX;
class TsMemo;
class TsPanel;
class TsSavePictureDialog;
class TsSkinManager;
class TsSkinProvider;
class TsStatusBar;

// The application's working window: the data field, the size and error-correction choices,
// the picture panel, the command buttons, the main menu and the status bar. Controls and menu
// items are public and carry their names as object names, so commands and tests reach them.
class TMainForm : public QMainWindow {
public:
    // Builds the window and runs FormCreate, which reads the installation values. When one is
    // missing the user has been told and TerminationRequested() is true afterwards.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The one main window of the process, or nullptr when none exists.
    static TMainForm* Instance();

    // Sets the status text; the empty text clears it. Callable from any thread while the
    // window lives: the change is always carried out on the UI thread. Workers use the free
    // SetStatus below, which does not need the window.
    void SetStatus(const std::string& text);
    // Clears the picture in ImageQR; the control keeps its size and place.
    void EmptyPicture();
    // Applies the picture centring rule to ImageQR.
    void CenterPicture();
    // Makes the video tutorial button and menu item visible; nothing hides them again.
    void ShowVideoTutorial();
    bool TerminationRequested() const { return terminationRequested_; }

    // What FormCreate calls to start the update check (StartUpdateCheck); tests put a
    // recorder here so that no worker goes out to the network.
    static std::function<void()>& UpdateCheckStarter();

    // The window's outer size at creation and its smallest outer width: the client area with
    // the standard frame around it, whatever frame the window really has.
    static constexpr int kOuterWidth = 490;
    static constexpr int kOuterHeight = 442;
    // The outer size as designed for the window's present size.
    QSize OuterSize() const;

    TsSkinManager* sSkinManager1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    TsPanel* sPanel1 = nullptr;
    TsPanel* sPanel3 = nullptr;
    TsGroupBox* sGroupBox1 = nullptr;
    TsLabel* sLabel1 = nullptr;
    TsLabel* sLabel2 = nullptr;
    TsLabel* sLabel3 = nullptr;
    TsLabel* sLabel4 = nullptr;
    TsDecimalSpinEdit* sDecimalSpinEditWdth = nullptr;
    TsDecimalSpinEdit* sDecimalSpinEditHeight = nullptr;
    TsGroupBox* sGroupBox2 = nullptr;
    TsComboBox* sComboBoxCorrection = nullptr;
    TsBitBtn* sBitBtnSaveQRImage = nullptr;
    TsBitBtn* sBitBtnVideoTutorial = nullptr;
    TsPanel* sPanelQRImage = nullptr;
    TImage* ImageQR = nullptr;
    TsStatusBar* sStatusBar1 = nullptr;
    TImage* ImageDonate = nullptr;
    TImage* ImageSocialFacebook = nullptr;
    TImage* ImageSocialTwitter = nullptr;
    TImage* ImageSocialGoogleP = nullptr;
    TsLabel* sLabelStatus = nullptr;
    TsLabelFX* sLabelFXWebpage = nullptr;
    TsPanel* sPanel2 = nullptr;
    TsLabel* sLabel5 = nullptr;
    TsBitBtn* sBitBtnGenerate = nullptr;
    TsButton* sButtonURLShorten = nullptr;
    TsMemo* sMemoText = nullptr;

    QMenuBar* MainMenu1 = nullptr;
    QMenu* FileSave = nullptr;
    QAction* GenerateQRimage1 = nullptr;
    QAction* Saveimage1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Checkconnection1 = nullptr;
    QAction* ShortenURL1 = nullptr;
    QAction* N4 = nullptr;
    QAction* Copyimage1 = nullptr;
    QAction* Cleartext1 = nullptr;
    QMenu* MenuitemHelp = nullptr;
    QAction* Website1 = nullptr;
    QAction* VideoTutorial1 = nullptr;
    QAction* Feedback1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Donate1 = nullptr;
    QAction* About1 = nullptr;

    // The icons of the four command buttons, 24 x 24 PNG files stored with the window:
    // 0 generate, 1 save, 2 URL shortener, 3 video tutorial.
    std::unique_ptr<TsAlphaImageList> sAlphaImageList1;

    // The save dialog of the save command; it keeps the name chosen last.
    std::unique_ptr<TsSavePictureDialog> sSavePictureDialog1;

    // Event handlers.
    void FormCreate();
    void FormResize();
    void FormShow();
    void sMemoTextChange();
    void sDecimalSpinEditWdthChange();
    void sDecimalSpinEditHeightChange();
    void sComboBoxCorrectionChange();
    void sPanelQRImageResize();
    void sBitBtnVideoTutorialClick();
    void sButtonURLShortenClick();
    void ImageDonateClick();
    void ImageSocialFacebookClick();
    void ImageSocialTwitterClick();
    void ImageSocialGooglePClick();
    void sLabelFXWebpageClick();
    void GenerateQRimage1Click();
    void Saveimage1Click();
    void Exit1Click();
    void ShortenURL1Click();
    void Cleartext1Click();
    void Website1Click();
    void VideoTutorial1Click();
    void Feedback1Click();
    void Donate1Click();

    // The commands built on their own; virtual so that a test can watch which one runs.
    virtual void sBitBtnGenerateClick();
    virtual void sBitBtnSaveImageClick();
    virtual void Copyimage1Click();
    virtual void Checkconnection1Click();
    virtual void About1Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void CreateWindowProperties();
    void CreateSkinManager();
    void CreateSkinProvider();
    void CreateImageList();
    void CreatePictureArea(QWidget* client);
    void CreateSizeAndLevelChoices();
    void CreateStatusBar(QWidget* client);
    void CreateDataArea(QWidget* client);
    void CreateMenu();
    void ConnectEvents();
    void SetTabOrders();
    void ApplyStatusBarLayout();
    void FixOuterSize();
    void PlaceOnScreen();
    void RequestTermination();

    TAlignLayout* clientLayout_ = nullptr;
    bool terminationRequested_ = false;
    bool shownBefore_ = false;
    bool outerSizeFixed_ = false;
};

// Sets the main window's status text from any thread; does nothing when no main window exists.
void SetStatus(const std::string& text);
