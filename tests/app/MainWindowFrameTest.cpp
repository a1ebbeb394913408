// The main window inside the skin's frame: with the plain frame and with the extended border
// the client area and the status-bar rule are those of the designed 490 x 442 outer size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "skin/TsCompositor.h"
#include "skin/TsLabelFX.h"
#include "skin/TsSkinProvider.h"
#include "skin/TsStatusBar.h"

namespace {

struct TLaidOut {
    QSize window;
    QSize client;
    QRect statusBar;
    int linkLeft;
    int thirdPanel;
};

TLaidOut LayOut(bool compositor, int outerWidth) {
    TsCompositor::TestAnswer() = compositor;
    TestInstallation installation{TestInstallation::GoodValues()};
    TMainForm form;
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.sSkinProvider1->ExtendedBorderInUse(), compositor);
    EXPECT_TRUE(form.sSkinProvider1->ScreenSnap);
    form.resize(form.sSkinProvider1->WindowSizeFor({outerWidth, 442}));
    EXPECT_EQ(form.OuterSize(), QSize(outerWidth, 442));
    TLaidOut laidOut{form.size(), form.centralWidget()->size(), form.sStatusBar1->geometry(),
                     form.sLabelFXWebpage->x(), form.sStatusBar1->PanelWidth(2)};
    TsCompositor::TestAnswer().reset();
    return laidOut;
}

TEST(MainWindowFrame, ClientLayoutIsTheDesignedOneWhateverTheFrame) {
    for (const int outer : {490, 700}) {
        SCOPED_TRACE(outer);
        const TLaidOut plain = LayOut(false, outer);
        const TLaidOut extended = LayOut(true, outer);
        EXPECT_EQ(plain.window, QSize(outer, 442));
        // 22-pixel borders, a 48-pixel title and a 17-pixel shadow instead of 8, 31 and none.
        EXPECT_EQ(extended.window, QSize(outer - 16 + 78, 442 - 39 + 104));
        EXPECT_EQ(extended.client, plain.client);
        EXPECT_EQ(plain.client.width(), outer - 16);
        EXPECT_EQ(extended.statusBar, plain.statusBar);
        EXPECT_EQ(extended.linkLeft, plain.linkLeft);
        EXPECT_EQ(extended.thirdPanel, plain.thirdPanel);
    }
}

TEST(MainWindowFrame, NeverNarrowerThanTheDesignedMinimum) {
    for (const bool compositor : {false, true}) {
        TsCompositor::TestAnswer() = compositor;
        TestInstallation installation{TestInstallation::GoodValues()};
        TMainForm form;
        form.show();
        form.resize(100, 442);
        EXPECT_EQ(form.OuterSize().width(), 490) << compositor;
        TsCompositor::TestAnswer().reset();
    }
}

// The logo's own dark (1a1a1a) is darker than anything the title bar or its light caption text
// draws, so its pixels in the title bar's left end show the icon is painted there.
TEST(MainWindowFrame, TitleBarShowsTheApplicationIcon) {
    TsCompositor::TestAnswer() = false;
    TestInstallation installation{TestInstallation::GoodValues()};
    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    const QImage frame = form.grab().toImage();
    int logoPixels = 0;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 40; ++x)
            if ((frame.pixel(x, y) & 0xFFFFFF) == 0x1A1A1A) ++logoPixels;
    EXPECT_GT(logoPixels, 20);
    TsCompositor::TestAnswer().reset();
}

}  // namespace
