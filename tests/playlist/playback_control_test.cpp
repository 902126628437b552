#include "playlist/playback_fixture.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

void setQuickPlay(core::TConfRecord& settings, std::array<const char*, 3> startPercents,
                  std::array<const char*, 3> lengthSeconds) {
    settings.Interval_Pos_1.text = startPercents[0];
    settings.Interval_Pos_2.text = startPercents[1];
    settings.Interval_Pos_3.text = startPercents[2];
    settings.Interval_Len_1.text = lengthSeconds[0];
    settings.Interval_Len_2.text = lengthSeconds[1];
    settings.Interval_Len_3.text = lengthSeconds[2];
}

class PlaybackControlTest : public ::testing::Test, protected PlaybackFixture {};

TEST_F(PlaybackControlTest, TrackEndDecidesByRepeatAndRow) {
    struct Case {
        const char* name;
        int repeatButton;
        bool oneSong, allPlayList;
        int current;
        int expectedCurrent;
        std::string expectedCall;
    };
    const Case cases[] = {
        {"repeat all at the last row", kButtonOn, false, true, 3, 1, "Play /music/1.mp3 0"},
        {"repeat one", kButtonOn, true, false, 2, 2, "Play /music/2.mp3 0"},
        {"repeat one wins over all before the last row", kButtonOn, true, true, 2, 2, "Play /music/2.mp3 0"},
        {"last row without repeat", kButtonOff, true, true, 3, 0, "Stop"},
        {"middle row", kButtonOff, false, false, 2, 3, "Play /music/3.mp3 0"},
        {"middle row, repeat all", kButtonOn, false, true, 1, 2, "Play /music/2.mp3 0"},
    };
    for (const Case& c : cases) {
        PlaybackFixture f;
        f.load(3);
        f.state.session.repeatButton = c.repeatButton;
        f.state.settings.mRepeatOneSong = c.oneSong;
        f.state.settings.mRepeatAllPlayList = c.allPlayList;
        f.list().CurrentIndex = c.current;
        f.list().Position = 99000;
        f.control.TrackEnd();
        EXPECT_EQ(f.list().CurrentIndex, c.expectedCurrent) << c.name;
        ASSERT_FALSE(f.engine.calls.empty()) << c.name;
        EXPECT_EQ(f.engine.calls.back(), c.expectedCall) << c.name;
        EXPECT_EQ(f.state.session.repeatButton, c.repeatButton) << c.name << ": the repeat button stays";
    }
}

TEST_F(PlaybackControlTest, TheEndOfTheListStopsAndSleepsOnlyWhenAsked) {
    load(2);
    control.PlayRow(2);
    engine.state = 0;
    poll();
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_EQ(list().PlayState, kStopped);
    EXPECT_EQ(view.ticker, kIdleTickerTitle);
    EXPECT_EQ(view.windowTitle, "Kavrel");
    EXPECT_EQ(view.slider, 0);
    EXPECT_EQ(view.markedRow, 0);
    EXPECT_EQ(view.items[1], "Title 2") << "the row is shown as before it played";
    EXPECT_EQ(sleeps, 0);
    EXPECT_EQ(shared.CurrentTrack, 0) << "the poller may suspend itself";

    state.session.sleepButton = kButtonOn;
    control.PlayRow(2);
    engine.state = 0;
    poll();
    EXPECT_EQ(sleeps, 1);
    poll();
    EXPECT_EQ(sleeps, 1) << "a stopped list does not end again";
}

TEST_F(PlaybackControlTest, AStaleEndNeverSkipsARowJustStarted) {
    load(3);
    control.PlayRow(1);
    // The poller saw the engine stopped; before its main-thread call ran, the user started row 3.
    shared.State = 0;
    control.PlayRow(3);
    control.OnTrackEnd();
    EXPECT_EQ(list().CurrentIndex, 3);
    EXPECT_EQ(engine.calls.back(), "Play /music/3.mp3 0");

    shared.Position = 73000;
    state.session.quickPlayChecked = true;
    setQuickPlay(settings, {"0", "33", "66"}, {"4", "7", "80"});
    control.OnPositionUpdate();
    EXPECT_EQ(list().Position, 0) << "the old track's position is not applied to the new one";
    EXPECT_EQ(engine.calls.back(), "Play /music/3.mp3 0");

    control.Stop(true);
    engine.state = 0;
    control.OnTrackEnd();
    EXPECT_EQ(list().CurrentIndex, 0) << "a stop is never followed by a restart";
    EXPECT_EQ(engine.calls.back(), "Stop");
}

TEST_F(PlaybackControlTest, QuickPlayPlaysThreeFragmentsThenAdvances) {
    load(2, 100000);
    setQuickPlay(settings, {"0", "33", "66"}, {"4", "7", "7"});
    control.QuickPlayEnabledClick();
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_TRUE(view.checks[Check::QuickPlayEnabled]);

    const auto pollAt = [this](int ms) {
        engine.position = ms;
        poll();
    };
    pollAt(3800);
    EXPECT_EQ(engine.calls.back(), "Play /music/1.mp3 0");
    pollAt(4000);
    EXPECT_EQ(engine.calls.back(), "SetPosition 33000");
    EXPECT_EQ(view.slider, 33);
    pollAt(39900);
    EXPECT_EQ(engine.calls.back(), "SetPosition 33000");
    pollAt(40100);
    EXPECT_EQ(engine.calls.back(), "SetPosition 66000");
    pollAt(73000);
    EXPECT_EQ(engine.calls.back(), "Play /music/2.mp3 0");
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(list().QuickFragment, 1);
}

TEST_F(PlaybackControlTest, NextAndPreviousWrapAndSwitchRepeatOff) {
    load(3);
    control.PlayRow(3);
    state.session.repeatButton = kButtonOn;
    control.Next();
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(list().PreviousIndex, 3);
    EXPECT_EQ(view.repeatButton, kButtonOff);
    EXPECT_FALSE(state.settings.mRepeatOneSong);
    EXPECT_FALSE(view.checks[Check::RepeatOneSong]);
    control.Previous();
    EXPECT_EQ(list().CurrentIndex, 3);
    control.Previous();
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(engine.calls.back(), "Play /music/2.mp3 0");
}

TEST_F(PlaybackControlTest, PlayingARowShowsWhatPlays) {
    load(3, 215000);
    list().row(2)[3] = "0000";
    state.settings.PlayList_Indexin = true;
    display.showAllRows(list());
    control.PlayRow(2);
    EXPECT_EQ(view.ticker, "Artist 2 - Album 2 - Title 2 - 192 kbps - 03:35 - Stereo") << "no unknown year";
    EXPECT_EQ(view.sliderMaximum, 215);
    EXPECT_EQ(view.playPicture, 4);
    EXPECT_EQ(view.markedRow, 2);
    EXPECT_EQ(view.markWord, "Play");
    EXPECT_EQ(view.items, (std::vector<std::string>{"1. Title 1", "Title 2", "3. Title 3"}));
    EXPECT_EQ(pollerResumes, 1);
    EXPECT_EQ(shared.CurrentTrack, 2);

    engine.position = 61000;
    poll();
    EXPECT_EQ(view.trackTime, "01:01/03:35");
    EXPECT_EQ(view.playlistTime, "04:36/10:45");
    EXPECT_EQ(view.windowTitle, "Artist 2 - Title 2 - 01:01/03:35");
    EXPECT_EQ(view.slider, 61);

    control.Next();
    EXPECT_EQ(view.items, (std::vector<std::string>{"1. Title 1", "2. Title 2", "Title 3"}));
    list().row(1) = {"CD", "", "Track 1 - 03:00",      "0", "CD", "1", "0", "180000",
                     "0",  "", "/dev/sr0/Track01.cda", "0", ""};
    control.PlayRow(1);
    EXPECT_EQ(list().StatusText, "CD - Track 01");
    EXPECT_EQ(view.ticker, "CD - Track 1 - 03:00");
}

TEST_F(PlaybackControlTest, PauseResumeAndStop) {
    load(2);
    control.PlayButtonClick();
    EXPECT_EQ(engine.calls.back(), "Play /music/1.mp3 0");
    engine.position = 5000;
    poll();
    control.PlayButtonClick();
    EXPECT_EQ(engine.calls.back(), "Pause");
    EXPECT_EQ(view.markWord, "Pause");
    EXPECT_EQ(view.playPicture, 1);
    poll();
    EXPECT_EQ(list().PlayState, kPaused);
    control.PlayButtonClick();
    EXPECT_EQ(engine.calls.back(), "Resume");
    EXPECT_EQ(view.markWord, "Play");

    control.Stop(true);
    EXPECT_EQ(engine.calls.back(), "Stop");
    EXPECT_EQ(view.trackTime, "00:00/00:00");
    EXPECT_EQ(view.playlistTime, "00:00/03:20");
    EXPECT_EQ(view.playPicture, 1);
    EXPECT_EQ(list().CurrentIndex, 0);
    ASSERT_TRUE(state.active.Undo);
    EXPECT_EQ(state.active.Undo->CurrentIndex, 1);
}

TEST_F(PlaybackControlTest, ThePlayButtonOnAnEmptyListDoesNothing) {
    control.PlayButtonClick();
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_FALSE(state.active.Undo);
}

TEST_F(PlaybackControlTest, AnEditsUndoCopyFollowsThePlayingRowWithinItsRows) {
    load(3);
    list().CurrentIndex = 1;
    list().UndoKindValue = kUndoEdit;
    control.SaveUndoCopy();
    list().Rows.pop_back();
    state.active.Undo->CurrentIndex = 3;
    list().CurrentIndex = 2;
    control.PlayCurrent(false);
    EXPECT_EQ(state.active.Undo->CurrentIndex, 3) << "one more than 3 would be past its rows";
}

} // namespace
} // namespace kavrel::test
