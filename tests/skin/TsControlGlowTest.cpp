// A skinned button's glow as real widgets under the internal skin: the mouse moved over the
// window the way the platform delivers it, the glow drawn by an overlay in the window, where
// it lies, when it goes, and that it never takes a click from what lies beneath it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"

namespace {

// A plain control that counts the presses it receives.
class PressCounter : public QWidget {
public:
    using QWidget::QWidget;
    int Presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++Presses; }
};

class ControlGlowTest : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinManager> manager;
    QWidget window;
    TsPanel* panel = nullptr;
    TsBitBtn* button = nullptr;
    PressCounter* neighbour = nullptr;
    // The button in the window: 140 x 40 at (60, 100).
    const QRect place{60, 100, 140, 40};

    void SetUp() override {
        manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->InternalSkins.push_back(BuiltInStoredSkin());
        manager->SetSkinName(skin::kInternalSkinName);
        window.resize(400, 300);
        panel = new TsPanel(&window);
        panel->setGeometry(0, 0, 400, 300);
        // Right beside the button, under the glow's left rim.
        neighbour = new PressCounter(panel);
        neighbour->setGeometry(40, 100, 20, 40);
        button = new TsBitBtn(QStringLiteral("Genarate QR code"), panel);
        button->setGeometry(place);
        manager->EndLoading();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void MoveTo(QPoint point) {
        QTest::mouseMove(window.windowHandle(), point);
        QApplication::processEvents();
    }
    void Enter() {
        MoveTo(QPoint(350, 250));
        MoveTo(place.center());
    }
    QRect GlowPlace() const {
        const TsGlowOverlay* overlay = button->Glow.Overlay();
        return overlay != nullptr ? overlay->geometry() : QRect();
    }
};

TEST_F(ControlGlowTest, HoverShowsTheGlowSevenPixelsBeyondEachSide) {
    EXPECT_FALSE(button->Glow.Showing());
    const QImage before = window.grab().toImage();
    Enter();
    ASSERT_TRUE(button->Glow.Showing());
    EXPECT_EQ(GlowPlace(), place.adjusted(-7, -7, 7, 7));
    EXPECT_EQ(button->Glow.Overlay()->parentWidget(), &window);
    // Drawn in the window: the rim left of the button is lit, a point far off is not.
    const QImage during = window.grab().toImage();
    EXPECT_NE(during.pixel(place.left() - 3, place.center().y()),
              before.pixel(place.left() - 3, place.center().y()));
    EXPECT_EQ(during.pixel(350, 250), before.pixel(350, 250));

    MoveTo(QPoint(350, 250));
    EXPECT_FALSE(button->Glow.Showing());
}

TEST_F(ControlGlowTest, ClicksPassThroughTheGlowToWhatLiesBeneath) {
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    Enter();
    ASSERT_TRUE(button->Glow.Showing());
    const QPoint rim(place.left() - 4, place.center().y());
    ASSERT_TRUE(GlowPlace().contains(rim));
    EXPECT_EQ(window.childAt(rim), neighbour);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, rim);
    EXPECT_EQ(neighbour->Presses, 1);
    // The button under the glow's clear middle is pressed as ever.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(neighbour->Presses, 1);
}

TEST_F(ControlGlowTest, DisablingHidingAndDeactivatingTakeTheGlowAway) {
    Enter();
    ASSERT_TRUE(button->Glow.Showing());
    button->setEnabled(false);
    EXPECT_FALSE(button->Glow.Showing());
    button->setEnabled(true);
    EXPECT_TRUE(button->Glow.Showing());

    button->hide();
    EXPECT_FALSE(button->Glow.Showing());
    button->show();
    Enter();
    ASSERT_TRUE(button->Glow.Showing());

    QWidget other;
    other.resize(50, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(button->Glow.Showing());
}

TEST_F(ControlGlowTest, SkinChangesCloseTheGlowAndGlowingMayBeSwitchedOff) {
    Enter();
    ASSERT_TRUE(button->Glow.Showing());
    manager->UpdateSkin(false);
    EXPECT_FALSE(button->Glow.Showing());
    Enter();
    ASSERT_TRUE(button->Glow.Showing());
    manager->SetActive(false);
    EXPECT_FALSE(button->Glow.Showing());
    Enter();
    EXPECT_FALSE(button->Glow.Showing());

    manager->SetActive(true);
    manager->Effects.AllowGlowing = false;
    Enter();
    EXPECT_FALSE(button->Glow.Showing());
    manager->Effects.AllowGlowing = true;
    Enter();
    EXPECT_TRUE(button->Glow.Showing());
}

TEST_F(ControlGlowTest, GlowIsCutToTheWindowAndFollowsTheButton) {
    // Moved to the window's right edge, then one pixel in, then one pixel out.
    for (const int right : {400, 399, 401}) {
        button->move(right - place.width(), place.top());
        MoveTo(QPoint(20, 20));
        MoveTo(QPoint(right - 10, place.center().y()));
        ASSERT_TRUE(button->Glow.Showing()) << right;
        const int left = right - place.width() - 7;
        EXPECT_EQ(GlowPlace(),
                  QRect(QPoint(left, place.top() - 7), QPoint(399, place.bottom() + 7)))
            << right;
    }
    // Shrunk so that its glow would vanish entirely inside it: still where the rule puts it.
    button->move(place.topLeft());
    button->resize(1, 1);
    MoveTo(QPoint(20, 20));
    MoveTo(place.topLeft());
    EXPECT_EQ(GlowPlace(), QRect(place.topLeft() - QPoint(7, 7), QSize(15, 15)));
}

}  // namespace
