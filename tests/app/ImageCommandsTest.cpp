// The generate, save and copy commands inside the real main window: the picture from the
// stand-in chart service, the dialogs they show and the errors that reach the application's
// top-level report through the event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "AppTestSupport.h"
#include "app/LayoutRules.h"
#include "app/MainWindow.h"
#include "platform/Clipboard.h"
#include "platform/TImage.h"
#include "qr/ChartServiceProcess.h"
#include "qr/QrTestTools.h"
#include "skin/TsBitBtn.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsLabel.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"

namespace {

// What a modal window showed.
struct ShownWindow {
    QString title;
    QString text;
};

// Answers every modal window while it lives: a save dialog gets the name typed and Enter, a
// message dialog or box its default button; and remembers what they showed.
class Answerer {
public:
    explicit Answerer(QString fileName = QString()) : fileName_(std::move(fileName)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    std::vector<ShownWindow> shown;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("answered").toBool()) return;
        modal->setProperty("answered", true);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            shown.push_back({dialog->windowTitle(), QString()});
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setText(fileName_);
            QTest::keyClick(edit, Qt::Key_Return);
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown.push_back({box->windowTitle(), box->text()});
            box->accept();
            return;
        }
        const auto* label = modal->findChild<QLabel*>(QStringLiteral("text"));
        shown.push_back({modal->windowTitle(), label ? label->text() : QString()});
        if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("OK")))
            ok->click();
        else
            modal->close();
    }

    QString fileName_;
    QTimer timer_;
};

class ImageCommandsTest : public ::testing::Test {
protected:
    ImageCommandsTest() {
        setenv("VEXMORA_CHART_HOST", service_.HostPort().c_str(), 1);
        form_.show();
        form_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form_));
    }
    ~ImageCommandsTest() override {
        unsetenv("VEXMORA_CHART_HOST");
        SetClipboardOpener({});
    }

    void Generate(const QString& text) {
        form_.sMemoText->SetText(text);
        QTest::mouseClick(form_.sBitBtnGenerate, Qt::LeftButton);
    }

    // Keys go through the event loop, so errors take the road of the running program. Window
    // shortcuts need the window active again after a dialog.
    void PressInDataField(Qt::Key key) {
        form_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
        form_.sMemoText->setFocus();
        QTest::keyClick(form_.sMemoText, key, Qt::ControlModifier);
    }

    ChartServiceProcess service_;
    TestInstallation installation_{TestInstallation::GoodValues()};
    TMainForm form_;
};

TEST_F(ImageCommandsTest, GenerateShowsThePictureCentredAndClearsTheStatus) {
    Generate(QStringLiteral("  centred  "));
    TImage& image = *form_.ImageQR;
    ASSERT_FALSE(image.PictureEmpty());
    EXPECT_EQ(image.size(), QSize(image.PictureWidth(), image.PictureHeight()));
    EXPECT_EQ(image.pos(), LayoutRules::PlacePicture(form_.sPanelQRImage->size(), image.size()));
    EXPECT_EQ(form_.sMemoText->Text(), "centred");
    EXPECT_TRUE(form_.sLabelStatus->text().isEmpty());

    QImage shown(image.size(), QImage::Format_RGB32);
    image.render(&shown);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    shown.save(&buffer, "PNG");
    EXPECT_EQ(ScanQr(png.toStdString()), "centred") << "what the control paints";

    // A bigger picture than the panel hangs from its corner.
    form_.sDecimalSpinEditWdth->SetValue(540);
    form_.sDecimalSpinEditHeight->SetValue(540);
    Generate(QStringLiteral("big"));
    EXPECT_EQ(image.pos(), QPoint(10, 10));
}

TEST_F(ImageCommandsTest, AnErrorPageIsAPlainMessage) {
    Answerer answerer;
    form_.sComboBoxCorrection->SetItemIndex(3);
    Generate(QString(1400, QLatin1Char('x')));
    ASSERT_EQ(answerer.shown.size(), 1U);
    EXPECT_EQ(answerer.shown[0].title, "Vexmora");
    EXPECT_TRUE(answerer.shown[0].text.startsWith("The file being readed is not a valid"))
        << answerer.shown[0].text.toStdString();
    EXPECT_TRUE(form_.ImageQR->PictureEmpty());
    EXPECT_TRUE(form_.sLabelStatus->text().isEmpty());
}

TEST_F(ImageCommandsTest, SaveAndCopyWithoutAPictureWarn) {
    Answerer answerer;
    PressInDataField(Qt::Key_S);
    PressInDataField(Qt::Key_C);
    ASSERT_EQ(answerer.shown.size(), 2U);
    for (const ShownWindow& warning : answerer.shown) {
        EXPECT_EQ(warning.title, "Warning");
        EXPECT_TRUE(warning.text.startsWith("Firstly please generate a QR code!"))
            << warning.text.toStdString();
    }
}

TEST_F(ImageCommandsTest, SaveWritesThePngAndAFolderThatIsMissingReachesTheErrorReport) {
    Generate(QStringLiteral("saved"));
    QTemporaryDir folder;
    {
        Answerer answerer(folder.filePath(QStringLiteral("qr")));
        PressInDataField(Qt::Key_S);
        ASSERT_EQ(answerer.shown.size(), 1U);
    }
    const std::string saved = folder.filePath(QStringLiteral("qr.png")).toStdString();
    std::ifstream file(saved, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const auto header = ReadPngHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(static_cast<int>(header->width), form_.ImageQR->PictureWidth());
    EXPECT_EQ(ScanQr(bytes), "saved");

    const QString missing = folder.filePath(QStringLiteral("missing/qr"));
    Answerer answerer(missing);
    PressInDataField(Qt::Key_S);
    ASSERT_EQ(answerer.shown.size(), 2U);
    EXPECT_EQ(answerer.shown[1].title, "Vexmora");
    EXPECT_EQ(answerer.shown[1].text,
              "Cannot create file \"" + missing + ".png\". No such file or directory.");
}

TEST_F(ImageCommandsTest, CopyPutsThePictureOnTheClipboardOrReportsThatItCannot) {
    Generate(QStringLiteral("copied"));
    QApplication::clipboard()->setText(QStringLiteral("typed text"));
    form_.sMemoText->selectAll();
    PressInDataField(Qt::Key_C);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(form_.ImageQR->PictureWidth(), form_.ImageQR->PictureHeight()));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->formats().contains("image/png"));

    SetClipboardOpener([]() -> QClipboard* { return nullptr; });
    Answerer answerer;
    PressInDataField(Qt::Key_C);
    ASSERT_EQ(answerer.shown.size(), 1U);
    EXPECT_EQ(answerer.shown[0].text, "Cannot open clipboard.");
    EXPECT_EQ(QApplication::clipboard()->image().size(), copied.size())
        << "the clipboard keeps its contents";
}

}  // namespace
