#include "ui/layout/screen_placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kavrel::ui::layout {
namespace {

TEST(ScreenPlacement, SavedPositionsOffEveryScreenCentreOnThePrimary) {
    const Rect primary{0, 0, 1920, 1080};
    const std::vector<Rect> twoScreens{primary, {1920, 0, 1280, 1024}};
    const std::vector<Rect> oneScreen{primary};
    struct Case {
        std::string name;
        Point saved;
        const std::vector<Rect>& screens;
        Point expected;
    };
    const std::vector<Case> cases{
        {"on the primary screen", {100, 80}, twoScreens, {100, 80}},
        {"on the second screen", {2500, 300}, twoScreens, {2500, 300}},
        {"on a screen unplugged since", {2500, 300}, oneScreen, {614, 284}},
        {"far above every screen", {100, -5000}, twoScreens, {614, 284}},
        {"only a sliver left on screen", {1900, 1070}, oneScreen, {614, 284}},
        {"full screen with the margin off the screen", {-7, -7}, oneScreen, {-7, -7}},
        {"partly off the left edge but grabbable", {-600, 10}, oneScreen, {-600, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reachablePosition(c.saved, 692, 513, c.screens, primary), c.expected) << c.name;
    EXPECT_EQ(reachablePosition({-9000, 0}, 692, 513, {}, primary), (Point{-9000, 0})) << "no screens known";
}

TEST(ScreenPlacement, CentringRoundsHalvesToEven) {
    EXPECT_EQ(centredOn({0, 0, 1025, 769}, 692, 513), (Point{166, 128})); // 166.5 -> 166, 128 exactly
    EXPECT_EQ(centredOn({0, 0, 1027, 770}, 692, 513), (Point{168, 128})); // 167.5 -> 168, 128.5 -> 128
    EXPECT_EQ(centredOn({1920, 100, 1280, 1024}, 692, 513), (Point{1920 + 294, 100 + 256}));
}

} // namespace
} // namespace kavrel::ui::layout
