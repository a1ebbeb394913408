// The system menu on the offscreen platform: which commands each window state allows, what
// they do to the window, the seam for moving where the window system cannot, and one menu per
// window.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QWidget>

#include "skin/TsSystemMenu.h"

namespace {

struct Enabled {
    bool Restore, Move, Size, Minimize, Maximize, Close;
    bool operator==(const Enabled&) const = default;
};

Enabled Commands(TsSystemMenu& menu) {
    menu.UpdateCommands();
    return Enabled{menu.Restore->isEnabled(),  menu.Move->isEnabled(),     menu.Size->isEnabled(),
                   menu.Minimize->isEnabled(), menu.Maximize->isEnabled(), menu.Close->isEnabled()};
}

std::ostream& operator<<(std::ostream& out, const Enabled& e) {
    return out << e.Restore << e.Move << e.Size << e.Minimize << e.Maximize << e.Close;
}

TEST(TsSystemMenu, CommandsFollowTheWindowState) {
    QWidget window;
    window.resize(200, 100);
    window.show();
    TsSystemMenu menu(&window);
    EXPECT_EQ(Commands(menu), (Enabled{false, true, true, true, true, true}));
    window.setWindowState(Qt::WindowMaximized);
    EXPECT_EQ(Commands(menu), (Enabled{true, false, false, true, false, true}));
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(Commands(menu), (Enabled{true, false, false, false, true, true}));
    window.setWindowState(Qt::WindowNoState);
    // A window of one fixed size can be neither sized nor maximised.
    window.setFixedSize(200, 100);
    EXPECT_EQ(Commands(menu), (Enabled{false, true, false, true, false, true}));
}

TEST(TsSystemMenu, TextsShortcutAndGlyphs) {
    QWidget window;
    TsSystemMenu menu(&window);
    menu.UpdateCommands();
    EXPECT_EQ(menu.Close->text(), QStringLiteral("Close"));
    EXPECT_EQ(menu.Close->shortcut().toString(QKeySequence::PortableText),
              QStringLiteral("Alt+F4"));
    EXPECT_EQ(menu.Restore->text(), QStringLiteral("Restore"));
    for (QAction* drawn : {menu.Minimize, menu.Maximize, menu.Close, menu.Restore})
        EXPECT_FALSE(drawn->icon().isNull()) << drawn->text().toStdString();
    EXPECT_TRUE(menu.Move->icon().isNull());
}

TEST(TsSystemMenu, CommandsActOnTheWindowAndCloseClosesIt) {
    QWidget window;
    window.resize(200, 100);
    window.show();
    TsSystemMenu menu(&window);
    // Each opening enables the commands anew; a disabled one does nothing.
    menu.UpdateCommands();
    menu.Restore->trigger();
    menu.Maximize->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }));
    menu.UpdateCommands();
    menu.Restore->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowState() == Qt::WindowNoState; }));
    menu.UpdateCommands();
    menu.Minimize->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isMinimized(); }));
    window.showNormal();
    menu.UpdateCommands();
    menu.Close->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
}

TEST(TsSystemMenu, MoveAndSizeFallBackToTheFramesOwnLoop) {
    QWidget window;
    window.show();
    TsSystemMenu menu(&window);
    QWidget* moved = nullptr;
    QWidget* sized = nullptr;
    TsSystemMenu::MoveFallback() = [&](QWidget* w) { moved = w; };
    TsSystemMenu::SizeFallback() = [&](QWidget* w) { sized = w; };
    // The offscreen platform starts no system move or resize, as a bare X server would not.
    menu.Move->trigger();
    menu.Size->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return moved != nullptr && sized != nullptr; }));
    EXPECT_EQ(moved, &window);
    EXPECT_EQ(sized, &window);
    TsSystemMenu::MoveFallback() = nullptr;
    TsSystemMenu::SizeFallback() = nullptr;
}

TEST(TsSystemMenu, PopupOpensOneMenuPerWindowWhereAsked) {
    QWidget window;
    window.show();
    TsSystemMenu* first = TsSystemMenu::Popup(&window, QPoint(30, 40));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), QPoint(30, 40));
    first->hide();
    EXPECT_EQ(TsSystemMenu::Popup(&window, QPoint(30, 40)), first);
    first->hide();
    EXPECT_EQ(TsSystemMenu::Popup(nullptr, QPoint()), nullptr);
}

}  // namespace
