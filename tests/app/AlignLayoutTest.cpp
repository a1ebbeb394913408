#include <gtest/gtest.h>

#include <QWidget>

#include "app/TAlignLayout.h"

namespace {

using Align = TAlignLayout::Align;

struct Docked {
    QWidget host;
    TAlignLayout* layout = new TAlignLayout(&host);

    QWidget* Add(Align align, QSize size) {
        auto* widget = new QWidget(&host);
        widget->resize(size);
        layout->AddWidget(widget, align);
        return widget;
    }
    void Lay(QSize size) {
        host.resize(size);
        layout->setGeometry(QRect(QPoint(0, 0), size));
    }
};

TEST(AlignLayout, PlacesEachKindInTurnAndTheClientLast) {
    Docked d;
    QWidget* client = d.Add(Align::Client, {10, 10});
    QWidget* bottomLow = d.Add(Align::Bottom, {50, 20});
    QWidget* right = d.Add(Align::Right, {30, 50});
    QWidget* top = d.Add(Align::Top, {50, 15});
    QWidget* bottomHigh = d.Add(Align::Bottom, {50, 40});
    QWidget* left = d.Add(Align::Left, {25, 50});
    d.Lay({200, 300});

    EXPECT_EQ(top->geometry(), QRect(0, 0, 200, 15));
    EXPECT_EQ(bottomLow->geometry(), QRect(0, 280, 200, 20));
    EXPECT_EQ(bottomHigh->geometry(), QRect(0, 240, 200, 40));
    EXPECT_EQ(left->geometry(), QRect(0, 15, 25, 225));
    EXPECT_EQ(right->geometry(), QRect(170, 15, 30, 225));
    EXPECT_EQ(client->geometry(), QRect(25, 15, 145, 225));
}

TEST(AlignLayout, HonoursMinimumAndMaximumHeights) {
    Docked d;
    QWidget* bottom = d.Add(Align::Bottom, {10, 50});
    QWidget* client = d.Add(Align::Client, {10, 10});
    client->setMinimumHeight(100);
    QWidget* right = d.Add(Align::Right, {40, 10});
    right->setMaximumHeight(60);
    d.Lay({200, 300});
    EXPECT_EQ(right->geometry(), QRect(160, 0, 40, 60));
    EXPECT_EQ(client->geometry(), QRect(0, 0, 160, 250));

    EXPECT_EQ(d.layout->minimumSize(), QSize(40, 150));
    d.Lay({200, 120});
    EXPECT_EQ(client->height(), 100);
    EXPECT_EQ(bottom->geometry(), QRect(0, 70, 200, 50));
}

TEST(AlignLayout, HiddenControlsTakeNoRoom) {
    Docked d;
    QWidget* hidden = d.Add(Align::Top, {10, 40});
    hidden->hide();
    QWidget* client = d.Add(Align::Client, {10, 10});
    d.Lay({100, 100});
    EXPECT_EQ(client->geometry(), QRect(0, 0, 100, 100));
}

}  // namespace
