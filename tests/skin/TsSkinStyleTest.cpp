// The application-wide style: scroll bars of a skinned window come from the skin's face
// painter, while unskinned windows and an inactive manager get the plain style's drawing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <memory>

#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinStyle.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/ScrollBarFace.h"

namespace {

std::unique_ptr<TsSkinManager> InternalManager() {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    TsStoredSkin internal;
    internal.Name = skin::kInternalSkinName;
    const auto package = skin::InternalSkinPackage();
    internal.Data.assign(package.begin(), package.end());
    manager->InternalSkins.push_back(internal);
    manager->SetSkinName(skin::kInternalSkinName);
    manager->EndLoading();
    return manager;
}

struct BarWindow {
    QWidget window;
    QScrollBar* bar = new QScrollBar(Qt::Vertical, &window);

    explicit BarWindow(QStyle* style) {
        bar->setStyle(style);
        bar->setGeometry(0, 0, 16, 120);
        bar->setRange(0, 100);
        bar->setPageStep(10);
        bar->setValue(50);
    }
    QImage Grab() { return bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QImage PlainBar() {
    std::unique_ptr<QStyle> plain(QStyleFactory::create("Fusion"));
    BarWindow w(plain.get());
    return w.Grab();
}

TEST(TsSkinStyle, SkinsScrollBarsOfSkinnedWindowsOnly) {
    auto manager = InternalManager();
    ASSERT_NE(manager->Content(), nullptr);
    TsSkinStyle style(manager.get(), QStyleFactory::create("Fusion"));
    const QImage plain = PlainBar();

    BarWindow skinned(&style);
    TsSkinStyle::SetWindowSkinned(&skinned.window, true);
    EXPECT_TRUE(style.SkinsWidget(skinned.bar));
    const QImage image = skinned.Grab();
    EXPECT_NE(image, plain);

    // The very pixels of the face painter, blitted.
    auto face = skinpaint::NewFacePicture(16, 120);
    TsFaceBinding owner;
    owner.Skin = manager->Content();
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::PlainColor;
    behind.Color = FromQColor(skinned.bar->palette().color(QPalette::Window));
    TsScrollBarState state;
    state.Maximum = 100;
    state.PageStep = 10;
    state.Value = 50;
    PaintScrollBar(owner, behind, *face, state);
    EXPECT_EQ(image, FaceImage(*face).convertToFormat(QImage::Format_RGB32));
    // The open parts of the arrow and thumb pieces never show the key colour.
    int keyed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) keyed += image.pixel(x, y) == 0xFFFF00FFu;
    EXPECT_EQ(keyed, 0);

    BarWindow unskinned(&style);
    EXPECT_FALSE(style.SkinsWidget(unskinned.bar));
    EXPECT_EQ(unskinned.Grab(), plain);

    manager->SetActive(false);
    EXPECT_FALSE(style.SkinsWidget(skinned.bar));
    EXPECT_EQ(skinned.Grab(), plain);
}

}  // namespace
