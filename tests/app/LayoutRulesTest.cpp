#include <gtest/gtest.h>

#include "app/LayoutRules.h"

namespace {

using LayoutRules::HalfRoundedToEven;
using LayoutRules::PlacePicture;
using LayoutRules::PlaceStatusBar;

TEST(LayoutRules, HalvesGoToTheEvenNeighbour) {
    const std::pair<int, int> cases[] = {{0, 0},   {1, 0},   {2, 1},   {3, 2},      {5, 2},
                                         {7, 4},   {25, 12}, {27, 14}, {40, 20},    {-1, 0},
                                         {-3, -2}, {-5, -2}, {-4, -2}, {1079, 540}, {1081, 540}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(HalfRoundedToEven(value), expected) << value;
}

TEST(LayoutRules, StatusBarAtTheStartingWidth) {
    const auto placement = PlaceStatusBar(490, 52, 65, 75);
    EXPECT_EQ(placement.linkLeft, 385);
    EXPECT_EQ(placement.thirdPanelWidth, 260);
}

TEST(LayoutRules, StatusBarFollowsWidthAndLinkLabel) {
    struct Case {
        int width, link, left, panel;
    };
    const Case cases[] = {
        {600, 75, 495, 370}, {490, 120, 340, 215}, {490, 400, 60, -65}, {1920, 90, 1800, 1675}};
    for (const Case& c : cases) {
        const auto placement = PlaceStatusBar(c.width, 52, 65, c.link);
        EXPECT_EQ(placement.linkLeft, c.left);
        EXPECT_EQ(placement.thirdPanelWidth, c.panel);
    }
}

TEST(LayoutRules, PictureCentredOnlyWithTenPixelMargins) {
    struct Case {
        QSize panel, picture;
        QPoint expected;
    };
    const Case cases[] = {
        {{232, 228}, {160, 160}, {36, 34}}, {{559, 560}, {540, 540}, {10, 10}},
        {{560, 559}, {540, 540}, {10, 10}}, {{560, 560}, {540, 540}, {10, 10}},
        {{561, 563}, {540, 540}, {10, 12}}, {{565, 600}, {540, 540}, {12, 30}},
        {{232, 228}, {0, 0}, {116, 114}},   {{19, 19}, {0, 0}, {10, 10}},
        {{233, 229}, {100, 100}, {66, 64}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlacePicture(c.panel, c.picture), c.expected);
}

}  // namespace
