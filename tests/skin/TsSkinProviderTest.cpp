// The skinned window frame as real widgets on the offscreen platform: the plain frame and the
// extended border, what the frame looks like active and inactive, and the mouse in it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "skin/TsCompositor.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/data/SkinLoading.h"

namespace {

namespace fs = std::filesystem;

// A form with the internal skin, its frame drawn by a provider; compositor says whether
// translucent windows are taken to be available.
class FrameTest : public ::testing::TestWithParam<bool> {
protected:
    FrameTest() {
        ::setenv("XDG_DATA_HOME", home.c_str(), 1);
        TsCompositor::TestAnswer() = GetParam();
        manager.BeginLoading();
        manager.InternalSkins.push_back(BuiltInStoredSkin());
        manager.SetExtendedBorders(true);
        manager.SetSkinDirectory(skin::SkinDirectory());
        manager.SetSkinName(skin::kInternalSkinName);
        form.setWindowTitle(QStringLiteral("Framed"));
        provider = new TsSkinProvider(form);
        manager.EndLoading();
        form.setCentralWidget(new QWidget(&form));
        form.resize(provider->WindowSizeFor({490, 442}));
    }
    ~FrameTest() override {
        TsCompositor::TestAnswer().reset();
        fs::remove_all(home);
    }

    void ShowActive(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Sends a mouse event to the form at a point of its own, with the global point where the
    // form lies now.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               QPoint global = QPoint(-1, -1)) {
        if (global == QPoint(-1, -1)) global = form.mapToGlobal(at);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    }

    QPoint Centre(TsCaptionButtonKind kind) const {
        for (const TsCaptionButtonPlace& button : provider->CaptionButtons())
            if (button.Kind == kind)
                return QPoint((button.Rect.left + button.Rect.right) / 2,
                              (button.Rect.top + button.Rect.bottom) / 2);
        ADD_FAILURE() << "no such button";
        return {};
    }

    fs::path home = fs::temp_directory_path() / ("vexmora-frame-" + std::to_string(::getpid()));
    TsSkinManager manager;
    QMainWindow form;
    TsSkinProvider* provider = nullptr;
};

TEST_P(FrameTest, FormIsFramelessWithMarginsForTheSkinsFrame) {
    const bool extended = GetParam();
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.testAttribute(Qt::WA_TranslucentBackground), extended);
    EXPECT_EQ(provider->ExtendedBorderInUse(), extended);
    EXPECT_EQ(manager.ExtendedBorders(), extended);
    EXPECT_EQ(TsSkinProvider::Of(form), provider);
    EXPECT_EQ(SendSkinCommand(form, CmdGetProvider).Answer,
              reinterpret_cast<std::intptr_t>(provider));
    // The client area is the designed one either way: 490 x 442 less the standard frame.
    const QMargins margins = form.contentsMargins();
    EXPECT_EQ(margins, extended ? QMargins(39, 65, 39, 39) : QMargins(8, 31, 8, 8));
    EXPECT_EQ(form.contentsRect().size(), QSize(474, 403));
    EXPECT_EQ(form.size(), extended ? QSize(552, 507) : QSize(490, 442));
    EXPECT_EQ(provider->OuterSizeOf(form.size()), QSize(490, 442));
    provider->SetOuterMinimumWidth(490);
    EXPECT_EQ(form.minimumWidth(), extended ? 552 : 490);
    // The form takes the skin's global colour.
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x2F, 0x2F, 0x2F));
}

TEST_P(FrameTest, ActiveAndInactiveFramesAsShown) {
    const bool extended = GetParam();
    ShowActive(form);
    const QImage active = provider->FrameImage();
    QWidget other;
    other.resize(50, 50);
    ShowActive(other);
    ASSERT_FALSE(form.isActiveWindow());
    const QImage inactive = provider->FrameImage();
    ASSERT_EQ(active.size(), form.size());
    ASSERT_EQ(inactive.size(), form.size());
    if (extended) {
        EXPECT_EQ(qAlpha(active.pixel(0, 0)), 0) << "outside the shadow";
        EXPECT_GT(qAlpha(active.pixel(276, 12)), qAlpha(inactive.pixel(276, 12)))
            << "the active shadow is darker";
        EXPECT_GT(qBlue(active.pixel(276, 17)), qRed(active.pixel(276, 17)) + 100) << "accent";
        EXPECT_LT(qBlue(inactive.pixel(276, 17)), qRed(inactive.pixel(276, 17)) + 10);
    } else {
        EXPECT_EQ(active.pixel(245, 12), qRgb(0x26, 0x26, 0x26));
        EXPECT_EQ(active.pixel(3, 200), qRgb(0x2F, 0x2F, 0x2F));
        EXPECT_EQ(inactive.pixel(245, 12), qRgb(0x26, 0x26, 0x26));
    }
    // The caption is ours: white text while active, grey while not.
    const QImage shotInactive = form.grab().toImage();
    other.close();
    ShowActive(form);
    const QImage shotActive = form.grab().toImage();
    const auto brightest = [&](const QImage& shot) {
        const QMargins m = form.contentsMargins();
        int most = 0;
        for (int y = 0; y < m.top(); ++y)
            for (int x = m.left(); x < m.left() + 80; ++x)
                most = std::max(most, qGray(shot.pixel(x, y)));
        return most;
    };
    EXPECT_GT(brightest(shotActive), 240);
    EXPECT_GT(brightest(shotInactive), 150);
    EXPECT_LT(brightest(shotInactive), 215);
}

TEST_P(FrameTest, CloseButtonHotPressedAndClicked) {
    ShowActive(form);
    const QPoint close = Centre(TsCaptionButtonKind::Close);
    EXPECT_EQ(provider->ZoneAt(close), TsHitZone::CloseButton);
    Mouse(QEvent::MouseMove, close);
    EXPECT_EQ(provider->ButtonState(TsCaptionButtonKind::Close), 1);
    EXPECT_EQ(provider->ButtonState(TsCaptionButtonKind::Minimize), 0);
    Mouse(QEvent::MouseButtonPress, close);
    EXPECT_EQ(provider->ButtonState(TsCaptionButtonKind::Close), 2);
    // Let go elsewhere: nothing happens.
    Mouse(QEvent::MouseMove, QPoint(100, 200));
    Mouse(QEvent::MouseButtonRelease, QPoint(100, 200));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(provider->ButtonState(TsCaptionButtonKind::Close), 0);
    Mouse(QEvent::MouseButtonPress, close);
    Mouse(QEvent::MouseButtonRelease, close);
    EXPECT_FALSE(form.isVisible());
}

TEST_P(FrameTest, DoubleClickOnTheTitleMaximizesWithoutShadowAndRestores) {
    ShowActive(form);
    const QRect normal = form.geometry();
    const QPoint title(200, form.contentsMargins().top() - 6);
    EXPECT_EQ(provider->ZoneAt(title), TsHitZone::Caption);
    Mouse(QEvent::MouseButtonPress, title);
    Mouse(QEvent::MouseButtonRelease, title);
    Mouse(QEvent::MouseButtonDblClick, title);
    Mouse(QEvent::MouseButtonRelease, title);
    ASSERT_TRUE(provider->Maximized());
    EXPECT_EQ(form.geometry(), form.screen()->availableGeometry());
    EXPECT_EQ(provider->Layout().Shadow, TsMargins{});
    EXPECT_EQ(form.contentsMargins(), GetParam() ? QMargins(0, 35, 0, 0) : QMargins(0, 23, 0, 0));
    const QImage face = provider->FrameImage();
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(face.pixel(face.width() - 1, face.height() - 1)), 255);
    // The maximize button restores.
    const QPoint restore = Centre(TsCaptionButtonKind::Maximize);
    Mouse(QEvent::MouseButtonPress, restore);
    Mouse(QEvent::MouseButtonRelease, restore);
    EXPECT_FALSE(provider->Maximized());
    EXPECT_EQ(form.geometry(), normal);
}

TEST_P(FrameTest, DraggingTheTitleSnapsNinePixelsFromTheEdgeNotTen) {
    provider->ScreenSnap = true;
    ShowActive(form);
    const QRect area = form.screen()->availableGeometry();
    const int shadow = provider->Layout().Shadow.Right;
    const QPoint title(200, form.contentsMargins().top() - 10);
    ASSERT_EQ(provider->ZoneAt(title), TsHitZone::Caption);
    for (const int gap : {9, 10}) {
        SCOPED_TRACE(gap);
        const QPoint press = form.mapToGlobal(title);
        Mouse(QEvent::MouseButtonPress, title, Qt::LeftButton, press);
        // The frame's right edge (the window's less its shadow) lands gap pixels from the area's.
        const int targetX = area.right() + 1 - gap - (form.width() - shadow);
        const QPoint to = press + QPoint(targetX - form.x(), 0);
        Mouse(QEvent::MouseMove, title, Qt::LeftButton, to);
        Mouse(QEvent::MouseButtonRelease, title, Qt::LeftButton, to);
        const int frameRight = form.x() + form.width() - shadow;
        EXPECT_EQ(area.right() + 1 - frameRight, gap == 9 ? 0 : 10);
    }
    // Without ScreenSnap the window goes where it is dragged.
    provider->ScreenSnap = false;
    const QPoint press = form.mapToGlobal(title);
    Mouse(QEvent::MouseButtonPress, title, Qt::LeftButton, press);
    Mouse(QEvent::MouseMove, title, Qt::LeftButton, press + QPoint(9, 0));
    Mouse(QEvent::MouseButtonRelease, title, Qt::LeftButton, press + QPoint(9, 0));
    EXPECT_EQ(area.right() + 1 - (form.x() + form.width() - shadow), 1);
}

TEST_P(FrameTest, EdgesResizeWithinTheMinimum) {
    ShowActive(form);
    provider->SetOuterMinimumWidth(490);
    const QRect start = form.geometry();
    const QPoint edge(form.width() - 1, form.height() / 2);
    ASSERT_EQ(provider->ZoneAt(edge), TsHitZone::Right);
    Mouse(QEvent::MouseButtonPress, edge);
    Mouse(QEvent::MouseMove, edge, Qt::LeftButton, form.mapToGlobal(edge) + QPoint(60, 0));
    Mouse(QEvent::MouseButtonRelease, edge, Qt::LeftButton, form.mapToGlobal(edge));
    EXPECT_EQ(form.geometry(), QRect(start.topLeft(), start.size() + QSize(60, 0)));
    // The left edge cannot make the window narrower than its minimum; the right edge stays.
    const QRect wide = form.geometry();
    const QPoint left(0, form.height() / 2);
    ASSERT_EQ(provider->ZoneAt(left), TsHitZone::Left);
    const QPoint global = form.mapToGlobal(left);
    Mouse(QEvent::MouseButtonPress, left, Qt::LeftButton, global);
    Mouse(QEvent::MouseMove, left, Qt::LeftButton, global + QPoint(300, 0));
    Mouse(QEvent::MouseButtonRelease, left, Qt::LeftButton, global + QPoint(300, 0));
    EXPECT_EQ(form.width(), form.minimumWidth());
    EXPECT_EQ(form.geometry().right(), wide.right());
}

TEST_P(FrameTest, SystemMenuIsAskedForByTheIconAndARightClickOnTheTitle) {
    ShowActive(form);
    std::vector<QPoint> asked;
    provider->OnSystemMenu = [&](QPoint at) { asked.push_back(at); };
    const QPoint title(250, form.contentsMargins().top() - 8);
    Mouse(QEvent::MouseButtonPress, title, Qt::RightButton);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], form.mapToGlobal(title));
    const QMargins m = form.contentsMargins();
    const QPoint icon(m.left() + 4, m.top() / 2 + provider->Layout().Shadow.Top / 2);
    ASSERT_EQ(provider->ZoneAt(icon), TsHitZone::SysMenu);
    Mouse(QEvent::MouseButtonPress, icon);
    EXPECT_EQ(asked.size(), 2u);
    // A right click in the client area is the client's.
    Mouse(QEvent::MouseButtonPress, QPoint(200, 200), Qt::RightButton);
    EXPECT_EQ(asked.size(), 2u);
    // The icon's click asks for it below the icon, where the keyboard's menu opens too.
    EXPECT_EQ(asked[1], provider->SystemMenuPoint());
    const int shadow = provider->Layout().Shadow.Top;
    EXPECT_EQ(form.mapFromGlobal(asked[1]).y(), shadow + (m.top() - shadow - 16) / 2 + 16);
}

TEST_P(FrameTest, ShowAndHideAnimateOnlyWithATimeOfAStepOrMore) {
    const bool translucent = GetParam();
    int afterAnimation = 0;
    provider->OnAfterAnimation = [&] { ++afterAnimation; };
    // The main window's settings: Time 0, nothing animates.
    form.show();
    EXPECT_EQ(form.windowOpacity(), 1.0);
    EXPECT_EQ(afterAnimation, translucent ? 1 : 0);
    form.close();
    EXPECT_EQ(form.windowOpacity(), 1.0);

    // Three frames of 12 ms: the form starts transparent and ends opaque. Without translucent
    // windows there is nothing to fade.
    QMainWindow second;
    TsSkinProvider* secondProvider = new TsSkinProvider(second);
    secondProvider->OnAfterAnimation = [&] { ++afterAnimation; };
    manager.AnimEffects.FormShow.Time = 24;
    manager.AnimEffects.FormHide.Time = 24;
    second.show();
    EXPECT_EQ(second.windowOpacity(), translucent ? 0.0 : 1.0);
    if (translucent) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return afterAnimation == 2; }));
        EXPECT_EQ(second.windowOpacity(), 1.0);
    }
    // Closing fades out in the closing loop; shown again, the form is whole.
    second.close();
    EXPECT_EQ(second.windowOpacity(), translucent ? 0.0 : 1.0);
    second.show();
    EXPECT_EQ(second.windowOpacity(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(PlainAndExtended, FrameTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Extended" : "Plain"; });

TEST(Compositor, LayeredWindowsByPlatform) {
    using TsCompositor::Decide;
    using TsCompositor::Platform;
    EXPECT_TRUE(Decide(Platform::X11, true, nullptr));
    EXPECT_FALSE(Decide(Platform::X11, false, "on"));
    EXPECT_TRUE(Decide(Platform::Wayland, false, nullptr));
    EXPECT_FALSE(Decide(Platform::Offscreen, false, nullptr));
    EXPECT_TRUE(Decide(Platform::Offscreen, false, "on"));
    EXPECT_FALSE(Decide(Platform::Offscreen, false, "1"));
    EXPECT_FALSE(Decide(Platform::Other, true, "on"));
}

}  // namespace
