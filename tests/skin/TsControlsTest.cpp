#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QTest>

#include "skin/TsBitBtn.h"
#include "skin/TsComboBox.h"
#include "skin/TsCommonData.h"
#include "skin/TsLabel.h"
#include "skin/TsMemo.h"
#include "skin/TsPanel.h"
#include "skin/TsStatusBar.h"

namespace {

QImage Rendered(QWidget& control) {
    QImage shot(control.size(), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    control.render(&shot);
    return shot;
}

TEST(SkinControls, PanelMeasuresChildrenInsideItsOnePixelBevel) {
    TsPanel panel;
    int resizes = 0;
    panel.OnResize = [&] { ++resizes; };
    panel.show();
    panel.resize(100, 50);
    EXPECT_EQ(panel.contentsRect(), QRect(1, 1, 98, 48));
    EXPECT_GE(resizes, 1);
}

TEST(SkinControls, ComboReportsOnlyTheUsersChoices) {
    QWidget window;
    auto* combo = new TsComboBox(&window);
    int changes = 0;
    combo->OnChange = [&] { ++changes; };
    combo->SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(0);
    EXPECT_EQ(changes, 0);

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(changes, 2);
    QTest::keyClick(combo, Qt::Key_Up);  // already at the first line
    EXPECT_EQ(changes, 2);
}

TEST(SkinControls, ComboLinesHaveTheItemHeight) {
    TsComboBox combo;
    combo.SetItems({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(combo.ItemHeight(), 15);
    QStyleOptionViewItem option;
    option.initFrom(combo.view());
    EXPECT_EQ(combo.itemDelegate()->sizeHint(option, combo.model()->index(0, 0)).height(), 15);
    combo.SetItemHeight(22);
    EXPECT_EQ(combo.itemDelegate()->sizeHint(option, combo.model()->index(1, 0)).height(), 22);
}

TEST(SkinControls, StatusBarPanelsRunLeftToRightAndTheLastReachesTheEdge) {
    TsStatusBar bar;
    bar.resize(490, 24);
    bar.SetPanelWidths({52, 65, 120, 50});
    EXPECT_EQ(bar.PanelRect(0), QRect(0, 0, 52, 24));
    EXPECT_EQ(bar.PanelRect(2), QRect(117, 0, 120, 24));
    EXPECT_EQ(bar.PanelRect(3), QRect(237, 0, 253, 24));
    bar.SetPanelWidth(2, 260);
    EXPECT_EQ(bar.PanelWidth(2), 260);
    EXPECT_EQ(bar.PanelRect(3), QRect(377, 0, 113, 24));
    bar.SetPanelWidth(2, -30);
    EXPECT_EQ(bar.PanelRect(2).width(), 0);
    EXPECT_NO_THROW(Rendered(bar));
}

TEST(SkinControls, LabelSizesItselfToItsTextAndReportsClicks) {
    TsLabel label(QStringLiteral("x"));
    const int narrow = label.width();
    label.SetCaption(QStringLiteral("a much longer status text"));
    EXPECT_GT(label.width(), narrow * 5);
    EXPECT_EQ(label.size(), label.sizeHint());
    QFont big = label.font();
    big.setPixelSize(30);
    const int before = label.height();
    label.setFont(big);
    EXPECT_GT(label.height(), before);

    int clicks = 0;
    label.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks, 1);
}

TEST(SkinControls, MemoWrapsWordsAndPassesTabOn) {
    TsMemo memo;
    EXPECT_TRUE(memo.tabChangesFocus());
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    int changes = 0;
    memo.OnChange = [&] { ++changes; };
    memo.SetText(QStringLiteral("a\nb"));
    EXPECT_EQ(memo.Text(), QStringLiteral("a\nb"));
    EXPECT_EQ(changes, 1);
}

}  // namespace
