#pragma once
// The active list's playback wired to a recording view and a fake engine.
#include "core/conf_record.h"
#include "engine/engine_sync.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_fakes.h"

namespace kavrel::test {

struct PlaybackFixture {
    PlaybackFixture() {
        control.setPollResumer([this] { ++pollerResumes; });
        control.setSleepAction([this] { ++sleeps; });
    }

    // Fills the active list and its boxes with `count` rows.
    void load(int count, std::int64_t durationMs = 100000) {
        static_cast<playlist::TPlist&>(state.list()) = listOf(count, durationMs);
        display.showAllRows(state.list());
    }
    // One poll as the engine poller runs it: the engine's state and position, the tick, and the track end
    // when the engine has stopped.
    void poll() {
        shared.State = engine.GetState();
        shared.Position = engine.GetPosition();
        control.OnPositionUpdate();
        if (shared.State == 0)
            control.OnTrackEnd();
        control.OnTimeDisplay();
    }
    playlist::TMasPLayList& list() { return state.list(); }

    // A first start's settings, as the playlist tests expect them: no numbering, the title alone, no
    // quick-play fragments, "One song" checked.
    core::TConfRecord settings = [] {
        core::TConfRecord s;
        s.mRepeatOneSong = true;
        return s;
    }();
    playlist::PlaybackState state{settings};
    RecordingView view;
    FakeEngine engine;
    playlist::PlaylistDisplay display{view, settings};
    engine::SharedPlayback shared;
    playlist::PlaybackControl control{state, engine, display, shared};
    int pollerResumes = 0;
    int sleeps = 0;
};

} // namespace kavrel::test
