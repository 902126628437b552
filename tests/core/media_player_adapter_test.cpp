// The desktop's media controls driving the real player through the adapter, and what the desktop is
// told as playback moves on by itself.
#include "application_fixture.h"
#include "playlist/media_player_adapter.h"
#include "playlist/ppl_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <vector>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;
using shell::PlaybackStatus;

// What the desktop would read back at each announcement: the status and the row of the track.
struct Seen {
    PlaybackStatus status;
    int row;
    bool operator==(const Seen&) const = default;
};

class DesktopLog final : public shell::MediaPlayerEvents {
public:
    explicit DesktopLog(const shell::MediaPlayer& player) : player_(player) {}
    void playerChanged() override {
        const auto track = player_.currentTrack();
        changes.push_back({player_.status(), track ? track->row : 0});
        volumes.push_back(player_.volume());
    }
    void positionJumped(std::int64_t positionUs) override { jumps.push_back(positionUs); }

    std::vector<Seen> changes;
    std::vector<int> volumes;
    std::vector<std::int64_t> jumps;

private:
    const shell::MediaPlayer& player_;
};

class MediaPlayerAdapterTest : public ApplicationTest {
protected:
    void startWith(audio::CapturePacing pacing, const std::vector<playlist::TrackRow>& rows) {
        playlist::TPlist pl1;
        pl1.Rows.insert(pl1.Rows.end(), rows.begin(), rows.end());
        playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
        player = makeApplication(pacing);
        player->startUp();
        adapter = std::make_unique<playlist::MediaPlayerAdapter>(
            player->playback(), loop,
            playlist::MediaPlayerAdapter::Actions{[this] { ++raised; }, [this] { player->quit(); }});
        log = std::make_unique<DesktopLog>(*adapter);
        adapter->setEvents(log.get());
        player->watchPlayback(adapter.get());
    }

    ~MediaPlayerAdapterTest() override {
        if (player)
            player->watchPlayback(nullptr);
    }

    std::unique_ptr<Application> player;
    std::unique_ptr<playlist::MediaPlayerAdapter> adapter;
    std::unique_ptr<DesktopLog> log;
    int raised = 0;
};

const std::vector<playlist::TrackRow> kThreeTracks = {
    fixtureRow("tone_1k.mp3", 2038), fixtureRow("two_tones.mp3", 2038), fixtureRow("tone_1k.ogg", 2000)};

TEST_F(MediaPlayerAdapterTest, EachRequestReachesPlaybackAndTheDesktopSeesTheOutcome) {
    startWith(audio::CapturePacing::Manual, kThreeTracks);
    ASSERT_EQ(adapter->status(), PlaybackStatus::Stopped);
    ASSERT_FALSE(adapter->currentTrack());
    struct Step {
        const char* what;
        std::function<void(shell::MediaPlayer&)> act;
        PlaybackStatus status;
        int row;
        std::uint8_t engineState;
    };
    using P = shell::MediaPlayer;
    const Step steps[] = {
        {"play", [](P& p) { p.play(); }, PlaybackStatus::Playing, 1, engine::kPlaying},
        {"play again", [](P& p) { p.play(); }, PlaybackStatus::Playing, 1, engine::kPlaying},
        {"next", [](P& p) { p.next(); }, PlaybackStatus::Playing, 2, engine::kPlaying},
        {"pause", [](P& p) { p.pause(); }, PlaybackStatus::Paused, 2, engine::kPaused},
        {"play-pause", [](P& p) { p.playPause(); }, PlaybackStatus::Playing, 2, engine::kPlaying},
        {"play-pause", [](P& p) { p.playPause(); }, PlaybackStatus::Paused, 2, engine::kPaused},
        {"play", [](P& p) { p.play(); }, PlaybackStatus::Playing, 2, engine::kPlaying},
        {"previous", [](P& p) { p.previous(); }, PlaybackStatus::Playing, 1, engine::kPlaying},
        {"previous wraps", [](P& p) { p.previous(); }, PlaybackStatus::Playing, 3, engine::kPlaying},
        {"stop", [](P& p) { p.stop(); }, PlaybackStatus::Stopped, 0, engine::kStopped},
        {"play-pause", [](P& p) { p.playPause(); }, PlaybackStatus::Playing, 1, engine::kPlaying},
    };
    for (const Step& step : steps) {
        step.act(*adapter);
        loop.runDue();
        const auto track = adapter->currentTrack();
        EXPECT_EQ(adapter->status(), step.status) << step.what;
        EXPECT_EQ(track ? track->row : 0, step.row) << step.what;
        EXPECT_EQ(player->facade().GetState(), step.engineState) << step.what;
        ASSERT_FALSE(log->changes.empty()) << step.what;
        EXPECT_EQ(log->changes.back(), (Seen{step.status, step.row}))
            << step.what << ": the desktop was told";
    }
    // Nothing half-way was ever announced: every announcement is the outcome of some step.
    for (const Seen& seen : log->changes)
        EXPECT_TRUE(std::any_of(std::begin(steps), std::end(steps),
                                [&](const Step& s) {
                                    return Seen{s.status, s.row} == seen;
                                }))
            << int(seen.status) << " row " << seen.row;

    const auto track = adapter->currentTrack();
    ASSERT_TRUE(track);
    EXPECT_EQ(track->title, "tone_1k.mp3");
    EXPECT_EQ(track->path, test::engineFixture("tone_1k.mp3").string());
    EXPECT_EQ(track->lengthUs, 2'038'000);

    adapter->setPositionUs(1'200'000);
    EXPECT_EQ(player->facade().GetPosition(), 1000) << "whole seconds, as the time slider seeks";
    EXPECT_EQ(adapter->positionUs(), 1'000'000);

    adapter->setVolume(250);
    loop.runDue();
    EXPECT_EQ(player->settings().VolumePosition, 250);
    EXPECT_EQ(player->facade().Volume, 250);
    EXPECT_EQ(log->volumes.back(), 250);

    adapter->raise();
    EXPECT_EQ(raised, 1);
    adapter->quit();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "PlSysFile/Conf.pcf")) << "quit ran save-state";
}

TEST_F(MediaPlayerAdapterTest, AnEditThatMovesThePlayingRowAnnouncesItsNewPlace) {
    startWith(audio::CapturePacing::Manual, kThreeTracks);
    adapter->play();
    loop.runDue();
    // The last row dragged to the top of the playlist.
    player->editor().BeginDrag(playlist::DragSource::Playlist, 3);
    player->editor().Drop(0);
    loop.runDue();
    EXPECT_EQ(log->changes.back(), (Seen{PlaybackStatus::Playing, 2}));
    EXPECT_EQ(adapter->currentTrack()->title, "tone_1k.mp3") << "the same track plays on";
}

TEST_F(MediaPlayerAdapterTest, ATrackEndingAnnouncesTheNextTrackAndTheEndOfTheList) {
    startWith(audio::CapturePacing::AsFastAsPossible, {kThreeTracks[0], kThreeTracks[1]});
    adapter->play();
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    loop.run([&] {
        return std::chrono::steady_clock::now() > deadline ||
               (!log->changes.empty() && log->changes.back().status == PlaybackStatus::Stopped);
    });
    EXPECT_NE(std::find(log->changes.begin(), log->changes.end(), Seen{PlaybackStatus::Playing, 2}),
              log->changes.end())
        << "the second track was announced";
    EXPECT_EQ(log->changes.back(), (Seen{PlaybackStatus::Stopped, 0}));
    EXPECT_TRUE(log->jumps.empty()) << "playing on is no jump";
}

TEST_F(MediaPlayerAdapterTest, AJumpOfThePositionIsAnnouncedOnceWhoeverMadeIt) {
    startWith(audio::CapturePacing::Manual, kThreeTracks);
    adapter->play();
    // Polls while the track plays on: no jump.
    for (int poll = 0; poll < 8; ++poll) {
        player->audio().capture()->advance(200ms);
        player->playback().OnPositionUpdate();
        loop.runDue();
    }
    EXPECT_TRUE(log->jumps.empty());
    ASSERT_GE(player->facade().GetPosition(), 1000);

    // The window's time slider let go at the start.
    player->playback().TimeSliderReleased(0);
    player->playback().OnPositionUpdate();
    loop.runDue();
    EXPECT_EQ(log->jumps, (std::vector<std::int64_t>{0}));

    // The desktop's own seek is announced by the desktop's side; the slider following it is no new jump.
    adapter->setPositionUs(1'000'000);
    player->playback().OnPositionUpdate();
    loop.runDue();
    EXPECT_EQ(log->jumps.size(), 1u);

    // A jump of a stopped player is none.
    adapter->stop();
    loop.runDue();
    EXPECT_EQ(log->jumps.size(), 1u);
}

} // namespace
} // namespace kavrel::core
