#include "ui/controls/scroller_math.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kavrel::ui::scroller {
namespace {

TEST(ScrollerMath, ClampsBelowZeroFirstThenMaxThenMin) {
    struct Case {
        int value, min, max, expected;
    };
    for (const Case& c : {Case{-5, -10, 10, 0}, Case{15, 0, 10, 10}, Case{-3, 2, 10, 2}, Case{5, 2, 10, 5},
                          Case{7, 10, 5, 10}, Case{3, 0, 0, 0}, Case{-1, -10, -5, -5}})
        EXPECT_EQ(clampPosition(c.value, c.min, c.max), c.expected)
            << c.value << " in " << c.min << ".." << c.max;
}

TEST(ScrollerMath, MapsValueToThumbAndBackWithHalvesToEven) {
    struct Case {
        int position, min, max, span, offset;
    };
    for (const Case& c : {Case{0, 0, 10, 100, 0}, Case{10, 0, 10, 100, 100}, Case{5, 0, 10, 100, 50},
                          Case{1, 0, 4, 10, 2}, Case{3, 0, 4, 10, 8}, Case{0, 0, 0, 100, 0},
                          Case{-10, -10, 10, 40, 0}, Case{0, -10, 10, 40, 20}, Case{7, 0, 10, 0, 0}})
        EXPECT_EQ(thumbOffset(c.position, c.min, c.max, c.span), c.offset) << c.position << " of " << c.max;

    struct Back {
        int offset, min, max, span;
        std::optional<int> position;
    };
    for (const Back& c : {Back{50, 0, 10, 100, 5}, Back{25, 0, 10, 100, 2}, Back{35, 0, 10, 100, 4},
                          Back{0, -10, 10, 40, -10}, Back{40, -10, 10, 40, 10},
                          Back{3, 0, 10, 0, std::nullopt}, Back{3, 0, 10, -5, std::nullopt}})
        EXPECT_EQ(positionAtOffset(c.offset, c.min, c.max, c.span), c.position) << c.offset;
}

TEST(ScrollerMath, TrackPressJumpsToThePointer) {
    EXPECT_EQ(trackJumpPosition(100, 200, 50), 25);
    EXPECT_EQ(trackJumpPosition(10, 4, 1), 2); // 2.5
    EXPECT_EQ(trackJumpPosition(10, 4, 3), 8); // 7.5
    EXPECT_EQ(trackJumpPosition(100, 0, 5), std::nullopt);
    EXPECT_EQ(trackJumpPosition(2'000'000'000, 10, 1000), 2'147'483'647);
    EXPECT_EQ(trackJumpPosition(2'000'000'000, 10, -1000), -2'147'483'647 - 1);
}

TEST(ScrollerMath, ThumbText) {
    struct Case {
        int position;
        double scale;
        bool round;
        std::string text;
    };
    for (const Case& c :
         {Case{59, 0, false, "00:59"}, Case{65, 0, false, "01:05"}, Case{0, 0, false, "00:00"},
          Case{3725, 0, false, "1:02:05"}, Case{3600, 0, false, "1:00:00"}, Case{86400, 0, false, "1:00:00"},
          Case{90061, 0, false, "1:1:01:01"}, Case{5, 0.5, true, "2"}, Case{7, 0.5, true, "4"},
          Case{1000, 0.1, true, "100"}, Case{3, 0.1, false, "0.3"}, Case{5, 0.5, false, "2.5"},
          Case{1000, 1.2, false, "1200"}, Case{-4, 0.25, false, "-1"}})
        EXPECT_EQ(thumbText(c.position, c.scale, c.round), c.text) << c.position << " x " << c.scale;
}

} // namespace
} // namespace kavrel::ui::scroller
