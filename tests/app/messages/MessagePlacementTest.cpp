#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <memory>

#include "ModalDriver.h"
#include "app/Messages.h"

namespace {

// Where the last answered dialog stood, by the centre of its frame.
struct Placement {
    QPoint center;
    bool ownedByMainWindow = false;
};

Placement ShowAndMeasure(const std::function<void()>& show) {
    Placement placement;
    ModalDriver driver([&placement](QWidget& dialog) {
        placement.center = dialog.frameGeometry().center();
        placement.ownedByMainWindow =
            dialog.parentWidget() != nullptr && dialog.parentWidget() == MainWindow();
        PressKey(dialog, Qt::Key_Return);
    });
    show();
    EXPECT_EQ(driver.Answered(), 1);
    return placement;
}

void ExpectNear(QPoint actual, QPoint expected) {
    EXPECT_LE(std::abs(actual.x() - expected.x()), 1) << actual.x() << " vs " << expected.x();
    EXPECT_LE(std::abs(actual.y() - expected.y()), 1) << actual.y() << " vs " << expected.y();
}

QPoint ScreenCenter() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

class MessagePlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow_ = std::make_unique<QWidget>();
        mainWindow_->setWindowTitle("Vexmora");
        mainWindow_->setGeometry(40, 30, 490, 442);
    }

    void TearDown() override { SetMainWindow(nullptr); }

    std::unique_ptr<QWidget> mainWindow_;
};

TEST_F(MessagePlacementTest, CentredMessageStandsOverTheMainWindow) {
    mainWindow_->show();
    SetMainWindow(mainWindow_.get());
    for (const MessageKind kind :
         {MessageKind::Warning, MessageKind::Information, MessageKind::Plain}) {
        const Placement placement = ShowAndMeasure([kind] {
            ShowCenteredMessage("Firstly please generate a QR code!\r\n", kind, MessageButton::OK);
        });
        ExpectNear(placement.center, mainWindow_->frameGeometry().center());
        EXPECT_TRUE(placement.ownedByMainWindow);
    }
    mainWindow_->move(300, 200);
    const Placement moved =
        ShowAndMeasure([] { ShowCenteredMessage("Moved", MessageKind::Error, MessageButton::OK); });
    ExpectNear(moved.center, mainWindow_->frameGeometry().center());
}

TEST_F(MessagePlacementTest, CentredMessageWithoutMainWindowStandsInTheScreenCentre) {
    const Placement noWindow = ShowAndMeasure([] {
        ShowCenteredMessage("An instance of Vexmora is already running!", MessageKind::Warning,
                            MessageButton::OK);
    });
    ExpectNear(noWindow.center, ScreenCenter());

    // A main window being created is not on the screen yet; it will appear in the screen centre.
    SetMainWindow(mainWindow_.get());
    const Placement notShown = ShowAndMeasure([] {
        ShowCenteredMessage("Could not determinated", MessageKind::Error, MessageButton::OK);
    });
    ExpectNear(notShown.center, ScreenCenter());

    mainWindow_->show();
    mainWindow_.reset();
    EXPECT_EQ(MainWindow(), nullptr) << "a destroyed main window is forgotten";
    const Placement gone =
        ShowAndMeasure([] { ShowCenteredMessage("Gone", MessageKind::Error, MessageButton::OK); });
    ExpectNear(gone.center, ScreenCenter());
}

TEST_F(MessagePlacementTest, UnregisteredMainWindowIsFoundByItsName) {
    mainWindow_->setObjectName("MainForm");
    mainWindow_->show();
    ASSERT_EQ(MainWindow(), mainWindow_.get());
    const Placement placement = ShowAndMeasure([] {
        ShowCenteredMessage("Please enter some text into Data field!\r\n", MessageKind::Warning,
                            MessageButton::OK);
    });
    ExpectNear(placement.center, mainWindow_->frameGeometry().center());
}

TEST_F(MessagePlacementTest, PlainMessageStandsInTheScreenCentreEvenWithAMainWindow) {
    mainWindow_->show();
    SetMainWindow(mainWindow_.get());
    ASSERT_NE(mainWindow_->frameGeometry().center(), ScreenCenter());
    const Placement placement = ShowAndMeasure([] { ShowPlainMessage("Connection refused"); });
    ExpectNear(placement.center, ScreenCenter());
}

}  // namespace
