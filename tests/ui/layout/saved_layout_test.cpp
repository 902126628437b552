// The layout fields of the configuration record survive a start and a quit unchanged.
#include "core/conf_record_codec.h"
#include "ui/layout/main_window_layout.h"
#include "ui/layout/saved_layout_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace kavrel::ui::layout {
namespace {

using C = Control;

constexpr Rect Primary{0, 0, 1920, 1080};
const std::vector<Rect> Screens{Primary};

// One start of the player: a fresh window in the record's artist mode takes the saved layout.
MainWindowLayout startWith(const core::TConfRecord& record) {
    MainWindowLayout layout;
    layout.setSeparateArtists(record.Art_Pnl_Distribution == 0);
    layout.restore(savedLayoutOf(record), StartSize(record.O_Run_Size), StartPosition(record.O_Run_Position),
                   Primary, Screens);
    return layout;
}

core::TConfRecord recordWith(int extraWidth, int extraHeight, int distribution) {
    core::TConfRecord record;
    record.ExtraWidth = extraWidth;
    record.ExtraHeight = extraHeight;
    record.WindowLeft = 210;
    record.WindowTop = 95;
    record.Art_Pnl_Distribution = distribution;
    return record;
}

TEST(SavedLayout, RoundTripsThroughTheRecordBytes) {
    for (const int distribution : {0, 1}) {
        for (const auto& [w, h] :
             {std::pair{0, 0}, std::pair{37, 21}, std::pair{-41, -17}, std::pair{1101, 555}}) {
            SCOPED_TRACE(testing::Message()
                         << "extra " << w << " x " << h << ", distribution " << distribution);
            const core::TConfRecord written = recordWith(w, h, distribution);
            core::TConfRecord read;
            ASSERT_TRUE(core::decodeConfRecord(core::encodeConfRecord(written), read));

            const MainWindowLayout layout = startWith(read);
            core::TConfRecord saved = read;
            storeSavedLayout(layout.saved(), saved);
            EXPECT_EQ(core::encodeConfRecord(saved), core::encodeConfRecord(written));
            // A second start and quit keeps it too.
            core::TConfRecord again = saved;
            storeSavedLayout(startWith(saved).saved(), again);
            EXPECT_EQ(core::encodeConfRecord(again), core::encodeConfRecord(written));
        }
    }
}

TEST(SavedLayout, FullScreenStateAndItsNormalBoundsSurviveARestart) {
    MainWindowLayout running;
    running.setWindowPosition({300, 200});
    running.toggleFullScreen(Primary);
    core::TConfRecord record = recordWith(0, 0, 0);
    storeSavedLayout(running.saved(), record);

    MainWindowLayout restarted = startWith(record);
    EXPECT_TRUE(restarted.fullScreen());
    EXPECT_EQ(restarted.window(), running.window());
    restarted.toggleFullScreen(Primary);
    EXPECT_EQ(restarted.window(), (Rect{300, 200, 692, 513}));
}

TEST(SavedLayout, StartPreferencesOverrideTheSavedSizeAndPlace) {
    core::TConfRecord record = recordWith(80, 40, 0);
    record.O_Run_Size = 1;
    record.O_Run_Position = 1;
    const MainWindowLayout layout = startWith(record);
    EXPECT_EQ(layout.window(), (Rect{614, 284, 692, 513}));

    record.WindowLeft = 5000; // a monitor unplugged since
    record.O_Run_Size = 0;
    record.O_Run_Position = 0;
    EXPECT_EQ(startWith(record).window(), (Rect{574, 264, 772, 553}));
}

} // namespace
} // namespace kavrel::ui::layout
