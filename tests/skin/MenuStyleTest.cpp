// Menus through the application-wide style, as real widgets on the offscreen platform: pop-ups
// and the menu bar of skinned windows come from the skin (background, icon strip, hot and
// disabled items, separators, the shaped window), everything else keeps the plain style.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <memory>

#include "skin/TsSkinManager.h"
#include "skin/TsSkinStyle.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/MenuFace.h"

namespace {

const QRgb kMenu = qRgb(38, 38, 38), kStrip = qRgb(32, 32, 32), kHot = qRgb(40, 104, 180);

std::unique_ptr<TsSkinManager> InternalManager() {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    // The tests mark their windows themselves: the window hook leaves every window alone.
    manager->SkinningRules = 0;
    TsStoredSkin internal;
    internal.Name = skin::kInternalSkinName;
    const auto package = skin::InternalSkinPackage();
    internal.Data.assign(package.begin(), package.end());
    manager->InternalSkins.push_back(internal);
    manager->SetSkinName(skin::kInternalSkinName);
    manager->EndLoading();
    return manager;
}

QIcon RedIcon() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgb(255, 0, 0));
    return QIcon(QPixmap::fromImage(image));
}

// A window with a File-like pop-up: an item with an icon, one without, a separator, a
// disabled item with an icon.
struct MenuWindow {
    QMainWindow window;
    QMenu* menu;
    QAction* save;
    QAction* plain;
    QAction* separator;
    QAction* off;

    MenuWindow(QStyle* style, bool skinned) {
        TsSkinStyle::SetWindowSkinned(&window, skinned);
        window.menuBar()->setStyle(style);
        menu = window.menuBar()->addMenu(QStringLiteral("File"));
        menu->setStyle(style);
        save = menu->addAction(RedIcon(), QStringLiteral("Save image"));
        plain = menu->addAction(QStringLiteral("Generate QR image"));
        separator = menu->addSeparator();
        off = menu->addAction(RedIcon(), QStringLiteral("Exit"));
        off->setEnabled(false);
        window.resize(300, 200);
    }
    QImage Grab() {
        menu->popup(QPoint(10, 10));
        const QImage image = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
        menu->hide();
        return image;
    }
    QPoint RightOf(QAction* action, int dx = 8) const {
        const QRect r = menu->actionGeometry(action);
        return QPoint(r.right() - dx, r.center().y());
    }
};

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

class MenuStyleTest : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinManager> manager = InternalManager();
    TsSkinStyle style{manager.get(), QStyleFactory::create("Fusion")};
    std::unique_ptr<QStyle> fusion{QStyleFactory::create("Fusion")};
};

TEST_F(MenuStyleTest, SkinnedPopupHasTheSkinsBackgroundStripBorderAndShape) {
    ASSERT_NE(manager->Content(), nullptr);
    MenuWindow w(&style, true);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, w.menu), 1);
    const QImage image = w.Grab();
    const QRect plain = w.menu->actionGeometry(w.plain);
    EXPECT_EQ(image.pixel(w.RightOf(w.plain)), kMenu);
    EXPECT_EQ(image.pixel(8, plain.center().y()), kStrip);
    // The border line differs from the inside; the corners are cut from the window.
    EXPECT_NE(image.pixel(0, image.height() / 2), kMenu);
    w.menu->popup(QPoint(10, 10));
    const QRegion shape = w.menu->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w.menu->width() - 1, w.menu->height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(5, 5)));
    EXPECT_TRUE(shape.contains(QPoint(w.menu->width() / 2, 0)));
    w.menu->hide();
}

TEST_F(MenuStyleTest, SelectedItemIsHotDisabledItemIsBlendedSeparatorIsTheDividerLine) {
    MenuWindow w(&style, true);
    w.menu->popup(QPoint(10, 10));
    w.menu->setActiveAction(w.save);
    const QImage image = w.menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(w.RightOf(w.save)), kHot);
    EXPECT_EQ(image.pixel(w.RightOf(w.plain)), kMenu);
    // The icons: full red when enabled, 0.4 red over 0.6 strip when disabled.
    const QRect save = w.menu->actionGeometry(w.save), off = w.menu->actionGeometry(w.off);
    const int iconX = 1 + kMenuIconMargin + 8;
    EXPECT_EQ(image.pixel(iconX, save.center().y()), qRgb(255, 0, 0));
    EXPECT_LE(Distance(image.pixel(iconX, off.center().y()), qRgb(121, 19, 19)), 2);
    // Two rows of the separator carry the etched line; the icon strip does not.
    const QRect line = w.menu->actionGeometry(w.separator);
    int dark = 0, light = 0;
    for (int y = line.top(); y <= line.bottom(); ++y) {
        dark += image.pixel(line.center().x(), y) == qRgb(24, 24, 24);
        light += image.pixel(line.center().x(), y) == qRgb(62, 62, 62);
        EXPECT_EQ(image.pixel(8, y), kStrip);
    }
    EXPECT_EQ(dark, 1);
    EXPECT_EQ(light, 1);
    w.menu->hide();
}

TEST_F(MenuStyleTest, MenuBarStripComesFromTheSkin) {
    MenuWindow w(&style, true);
    w.window.show();
    const QImage bar = w.window.menuBar()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(bar.pixel(bar.width() - 5, bar.height() / 2), kMenu);
    w.window.hide();
}

TEST_F(MenuStyleTest, PlainStyleForUnskinnedWindowsAnInactiveManagerOrWithoutSkinnedPopups) {
    MenuWindow reference(fusion.get(), false);
    const QImage plain = reference.Grab();

    MenuWindow unskinned(&style, false);
    EXPECT_EQ(unskinned.Grab(), plain);
    EXPECT_TRUE(unskinned.menu->mask().isEmpty());

    MenuWindow skinned(&style, true);
    EXPECT_NE(skinned.Grab(), plain);
    // Whoever turns skinned pop-ups off tells the windows, as a skin change does.
    manager->SkinnedPopups = false;
    manager->UpdateSkin(false);
    EXPECT_EQ(skinned.Grab(), plain);
    EXPECT_TRUE(skinned.menu->mask().isEmpty());
    manager->SkinnedPopups = true;
    manager->SetActive(false);
    EXPECT_EQ(skinned.Grab(), plain);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, skinned.menu),
              fusion->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, reference.menu));
}

TEST_F(MenuStyleTest, OwnerlessPopupFollowsTheWindowItIsOpenedFrom) {
    QWidget skinned, unskinned;
    TsSkinStyle::SetWindowSkinned(&skinned, true);
    QMenu orphan;
    orphan.setStyle(&style);
    const int plainMargin = fusion->pixelMetric(QStyle::PM_MenuVMargin, nullptr, &orphan);
    ASSERT_NE(plainMargin, 3);
    for (QWidget* window : {&skinned, &unskinned}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(style.pixelMetric(QStyle::PM_MenuVMargin, nullptr, &orphan),
                  window == &skinned ? 3 : plainMargin);
        window->hide();
    }
}

}  // namespace
