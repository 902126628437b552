#include "engine/master_engine.h"
#include "platform/bass/audio_rig.h"
#include "playlist/master_engine_playback.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_fakes.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;
using namespace std::chrono_literals;

TrackRow fileRow(const std::string& name, std::int64_t durationMs) {
    TrackRow row = songRow(1, durationMs);
    row[2] = name;
    row[10] = engineFixture(name).string();
    return row;
}

// Three short tracks through the real engine into the capture sink, polled as the poller does.
TEST(PlaybackEndToEndTest, PlaysThreeTracksInOrderThenStops) {
    AudioRig rig;
    engine::TMasterEngine facade(rig.library, 0);
    facade.SelectEngine(engine::kEngineBass);
    MasterEnginePlayback playback(facade);
    core::TConfRecord settings;
    PlaybackState state(settings);
    RecordingView view;
    PlaylistDisplay display(view, settings);
    engine::SharedPlayback shared;
    PlaybackControl control(state, playback, display, shared);
    for (const auto& [name, ms] :
         {std::pair{"tone_1k.mp3", 2038}, {"two_tones.mp3", 2038}, {"tone_1k.ogg", 2000}})
        state.list().Rows.push_back(fileRow(name, ms));
    display.showAllRows(state.list());

    std::vector<int> rowsPlayed;
    control.Start();
    std::int64_t heardMs = 0;
    while (state.list().CurrentIndex != 0 && heardMs < 20000) {
        if (rowsPlayed.empty() || rowsPlayed.back() != state.list().CurrentIndex)
            rowsPlayed.push_back(state.list().CurrentIndex);
        rig.run(200ms);
        heardMs += 200;
        shared.State = playback.GetState();
        shared.Position = playback.GetPosition();
        control.OnPositionUpdate();
        if (shared.State == engine::kStopped)
            control.OnTrackEnd();
        control.OnTimeDisplay();
    }
    EXPECT_EQ(rowsPlayed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(state.list().PlayState, kStopped);
    EXPECT_EQ(view.ticker, kIdleTickerTitle);
    EXPECT_GE(heardMs, 6000);
    EXPECT_LE(heardMs, 7000) << "each track follows the last within a poll or two";
}

} // namespace
} // namespace kavrel::test
