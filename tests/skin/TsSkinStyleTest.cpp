// The application-wide style: scroll bars, the drop-down lists of combo boxes and tooltips of a
// skinned window come from the skin, while unskinned windows and an inactive manager get the
// plain style's drawing, sizes and parts.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "skin/QtFace.h"
#include "skin/TsComboBox.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinStyle.h"
#include "skin/data/SkinLoading.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/ScrollBarFace.h"

namespace {

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

// The internal skin's colours the tests look for, as Qt reads them.
constexpr QRgb kSelection = 0xFF2868B4;  // SELECTION 11823144
constexpr QRgb kList = 0xFF1A1A1A;       // COMBOBOX 1710618
constexpr QRgb kHint = 0xFF181818;       // HINT 1579032
constexpr QRgb kHintFrame = 0xFF585858;  // the tooltip frame of the internal skin's artwork
constexpr QRgb kHintText = 0xFFDEDEDE;   // HINT's FONTCOLOR 14606046

// The style is the application's, as the program installs it: the windows Qt makes for
// drop-down lists and tooltips take no style from their widgets.
class SkinStyle : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinManager> manager = InternalManager();
    TsSkinStyle& style = *new TsSkinStyle(manager.get(), QStyleFactory::create("Fusion"));
    std::unique_ptr<QStyle> plain{QStyleFactory::create("Fusion")};

    void SetUp() override {
        QApplication::setStyle(&style);
        ASSERT_NE(manager->Content(), nullptr);
    }
    void TearDown() override { QApplication::setStyle(QStyleFactory::create("Fusion")); }
};

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

QImage PlainBar(QStyle* plain) {
    BarWindow w(plain);
    return w.Grab();
}

TEST_F(SkinStyle, SkinsScrollBarsOfSkinnedWindowsOnly) {
    const QImage plainImage = PlainBar(plain.get());

    BarWindow skinned(&style);
    TsSkinStyle::SetWindowSkinned(&skinned.window, true);
    EXPECT_TRUE(style.SkinsWidget(skinned.bar));
    const QImage image = skinned.Grab();
    EXPECT_NE(image, plainImage);

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
    state.ThumbMinimum = ScrollBarMetrics(*manager->Content(), true).ThumbMinimum;
    PaintScrollBar(owner, behind, *face, state);
    EXPECT_EQ(image, FaceImage(*face).convertToFormat(QImage::Format_RGB32));
    // The open parts of the arrow and thumb pieces never show the key colour.
    int keyed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) keyed += image.pixel(x, y) == 0xFFFF00FFu;
    EXPECT_EQ(keyed, 0);

    BarWindow unskinned(&style);
    EXPECT_FALSE(style.SkinsWidget(unskinned.bar));
    EXPECT_EQ(unskinned.Grab(), plainImage);

    manager->SetActive(false);
    EXPECT_FALSE(style.SkinsWidget(skinned.bar));
    EXPECT_EQ(skinned.Grab(), plainImage);
}

// The mouse meets the parts where the skin shows them, and the bar is as thick as the skin's
// arrows want; elsewhere the plain style's sizes and parts stand.
TEST_F(SkinStyle, ScrollBarSizesAndPartsFollowTheSkinInSkinnedWindowsOnly) {
    BarWindow skinned(&style);
    TsSkinStyle::SetWindowSkinned(&skinned.window, true);
    BarWindow unskinned(&style);
    const int plainExtent = plain->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, nullptr);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, skinned.bar), 17);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, skinned.bar), 17);
    EXPECT_EQ(skinned.bar->sizeHint().width(), 17);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, unskinned.bar), plainExtent);

    QStyleOptionSlider option;
    option.initFrom(skinned.bar);
    option.orientation = Qt::Vertical;
    option.minimum = 0;
    option.maximum = 100;
    option.pageStep = 10;
    option.sliderPosition = 50;
    option.rect = QRect(0, 0, 16, 120);
    const auto part = [&](QStyle::SubControl sc, const QWidget* w) {
        return style.subControlRect(QStyle::CC_ScrollBar, &option, sc, w);
    };
    EXPECT_EQ(part(QStyle::SC_ScrollBarSubLine, skinned.bar), QRect(0, 0, 16, 16));
    EXPECT_EQ(part(QStyle::SC_ScrollBarAddLine, skinned.bar), QRect(0, 104, 16, 16));
    EXPECT_EQ(part(QStyle::SC_ScrollBarGroove, skinned.bar), QRect(0, 16, 16, 88));
    // A thumb of 17 in a track of 88, halfway: (88 - 17) * 50 / 100 = 35 below the arrow.
    EXPECT_EQ(part(QStyle::SC_ScrollBarSlider, skinned.bar), QRect(0, 51, 16, 17));
    EXPECT_EQ(part(QStyle::SC_ScrollBarSubPage, skinned.bar), QRect(0, 16, 16, 35));
    EXPECT_EQ(part(QStyle::SC_ScrollBarAddPage, skinned.bar), QRect(0, 68, 16, 36));
    EXPECT_EQ(
        style.hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(8, 110), skinned.bar),
        QStyle::SC_ScrollBarAddLine);
    // The thumb's first and last rows and the rows beside them, where the plain style's thumb
    // lies elsewhere.
    const auto hit = [&](int y) {
        return style.hitTestComplexControl(QStyle::CC_ScrollBar, &option, QPoint(8, y),
                                           skinned.bar);
    };
    EXPECT_EQ(hit(50), QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(hit(51), QStyle::SC_ScrollBarSlider);
    EXPECT_EQ(hit(67), QStyle::SC_ScrollBarSlider);
    EXPECT_EQ(hit(68), QStyle::SC_ScrollBarAddPage);
    EXPECT_NE(plain->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                    unskinned.bar),
              QRect(0, 51, 16, 17));
    EXPECT_EQ(part(QStyle::SC_ScrollBarSubLine, unskinned.bar),
              plain->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine,
                                    unskinned.bar));

    // A click on the lower arrow steps the value down the page.
    skinned.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&skinned.window));
    QTest::mouseClick(skinned.bar, Qt::LeftButton, {}, QPoint(8, 112));
    EXPECT_EQ(skinned.bar->value(), 51);

    manager->SetActive(false);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, skinned.bar), plainExtent);
}

struct ComboWindow {
    QWidget window;
    TsComboBox* combo = new TsComboBox(&window);

    ComboWindow() {
        combo->SetItems({"L", "M", "Q", "H"});
        combo->setGeometry(10, 10, 200, 21);
        combo->SetItemIndex(2);
        window.resize(240, 200);
    }
    // The dropped-down list's window, grabbed after it is shown.
    QImage DropDown() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        combo->showPopup();
        QWidget* list = combo->view()->window();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list));
        const QImage image = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        combo->hidePopup();
        return image;
    }
    // A pixel of a line, near the list's right edge: right of its one-letter text.
    QRgb LinePixel(const QImage& list, int line) {
        const QRect r = combo->view()->visualRect(combo->model()->index(line, 0));
        const QPoint centre = combo->view()->viewport()->mapTo(combo->view()->window(), r.center());
        return list.pixel(list.width() - 12, centre.y());
    }
};

TEST_F(SkinStyle, TheDropDownListOfASkinnedComboShowsTheListAndSelectionFaces) {
    ComboWindow skinned;
    TsSkinStyle::SetWindowSkinned(&skinned.window, true);
    const QImage list = skinned.DropDown();
    EXPECT_EQ(skinned.LinePixel(list, 2), kSelection);
    EXPECT_EQ(skinned.LinePixel(list, 0), kList);
    EXPECT_EQ(skinned.LinePixel(list, 3), kList);
    // The lines keep clear of the border's rounded corners; the plain list's frame is thinner.
    const auto inset = [](ComboWindow& w) {
        return w.combo->view()->mapTo(w.combo->view()->window(), QPoint(0, 0)).x();
    };
    EXPECT_EQ(inset(skinned), 2);
    // The face's border runs round the list.
    EXPECT_NE(list.pixel(0, list.height() / 2), kList);
    EXPECT_NE(list.pixel(list.width() / 2, list.height() - 1), kList);

    ComboWindow unskinned;
    const QImage plainList = unskinned.DropDown();
    EXPECT_NE(unskinned.LinePixel(plainList, 2), kSelection);
    EXPECT_NE(unskinned.LinePixel(plainList, 0), kList);
    EXPECT_LT(inset(unskinned), 2);

    manager->SetActive(false);
    const QImage off = skinned.DropDown();
    EXPECT_NE(skinned.LinePixel(off, 2), kSelection);
    EXPECT_NE(skinned.LinePixel(off, 0), kList);
}

// Shows the widget's tooltip as hovering does, and answers the tip's window.
// Qt reuses a tip that is still showing; each case here starts after the last one has gone.
QWidget* ShowTip(QWidget* widget) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel")) delete top;
    QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), widget->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(widget, &hover);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible()) return top;
    return nullptr;
}

TEST_F(SkinStyle, TooltipsOfSkinnedWindowsShowTheHintFace) {
    QWidget skinnedWindow, plainWindow;
    for (QWidget* window : {&skinnedWindow, &plainWindow}) {
        auto* label = new QLabel(QStringLiteral("Donate"), window);
        label->setToolTip(QStringLiteral("Donation"));
        window->resize(120, 60);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    TsSkinStyle::SetWindowSkinned(&skinnedWindow, true);

    QWidget* tip = ShowTip(skinnedWindow.findChild<QLabel*>());
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(style.SkinsWidget(tip));
    QImage image = tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), kHintFrame);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2), kHintFrame);
    EXPECT_EQ(image.pixel(1, image.height() - 2), kHint);
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipText).rgb(), kHintText);

    tip = ShowTip(plainWindow.findChild<QLabel*>());
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(style.SkinsWidget(tip));
    image = tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(image.pixel(1, image.height() - 2), kHint);
    EXPECT_NE(tip->palette().color(QPalette::ToolTipText).rgb(), kHintText);
    QToolTip::hideText();
}

}  // namespace
