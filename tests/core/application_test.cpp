// The whole player built by its application object on a program folder, with fake shell services and
// the capture sink.
#include "application_fixture.h"
#include "core/conf_record_codec.h"
#include "playlist/ppl_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;
using playlist::Tab;

// Records the rows each start played and ends the loop when playback stops.
class RowsPlayed final : public playlist::PlaybackListener {
public:
    explicit RowsPlayed(dispatch::TaskQueue& loop) : loop_(loop) {}
    void rowStarted(std::int32_t row, std::int32_t, const std::string&) override { rows.push_back(row); }
    void engineRead(std::uint8_t, std::int32_t) override {}
    void trackEnded(std::int32_t, std::int32_t next) override {
        if (next == 0)
            loop_.quit();
    }
    std::vector<int> rows;

private:
    dispatch::TaskQueue& loop_;
};

TEST_F(ApplicationTest, PlaysTheSavedListSwitchesTabsEditsAndSavesOnQuit) {
    playlist::TPlist pl1;
    for (const auto& [name, ms] :
         {std::pair{"tone_1k.mp3", 2038}, {"two_tones.mp3", 2038}, {"tone_1k.ogg", 2000}})
        pl1.Rows.push_back(fixtureRow(name, ms));
    pl1.CurrentIndex = 1;
    pl1.PlayState = playlist::kPlaying;
    playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);

    const auto player = makeApplication(audio::CapturePacing::AsFastAsPossible);
    RowsPlayed played(loop);
    player->playback().setListener(&played);
    // Start-up mode 0 resumes the saved track, which wakes the poller.
    player->startUp();
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    loop.run([&] { return std::chrono::steady_clock::now() > deadline; });
    EXPECT_EQ(played.rows, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(player->playbackState().list().CurrentIndex, 0);
    EXPECT_NEAR(static_cast<double>(player->audio().capture()->framesConsumed()) / test::AudioRig::kRate,
                6.08, 0.1)
        << "each track follows the last within a step of the poller";

    player->tabs().SwitchTab(Tab::PL2);
    EXPECT_TRUE(player->settings().Img2PL2Visible);
    EXPECT_TRUE(player->playbackState().list().Empty());
    const std::vector<playlist::TrackRow> added = {fixtureRow("tone_1k.ogg", 2000)};
    player->editor().AddRows(added, playlist::AddMode::End);

    player->quit();
    player->quit();
    EXPECT_EQ(quits, 1) << "one quit, however many paths ask";
    EXPECT_TRUE(errors.messages.empty()) << errors.messages.front();
    EXPECT_EQ(player->facade().GetState(), engine::kStopped);

    TConfRecord saved;
    ASSERT_TRUE(decodeConfRecord(test::readFile(dir / "PlSysFile/Conf.pcf"), saved));
    EXPECT_TRUE(saved.Img2PL2Visible);
    EXPECT_EQ(playlist::readPlaylistFile(dir / "PlayLists/PlayListMainPL2.ppl")->Count(), 1)
        << "the active list went into the visible tab";
    const auto pl1Saved = playlist::readPlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl");
    EXPECT_EQ(pl1Saved->Count(), 3);
    EXPECT_EQ(pl1Saved->PlayState, playlist::kStopped);
    EXPECT_TRUE(std::filesystem::exists(dir / "PlayLists/PlayListMainCD.ppl"));
}

TEST_F(ApplicationTest, AFailedSaveStepCostsNoOtherAndIsReportedOnce) {
    const auto player = makeApplication(audio::CapturePacing::Manual);
    player->startUp();
    // A folder where the PL1 file should go: that write fails.
    std::filesystem::create_directories(dir / "PlayLists/PlayListMainPL1.ppl");
    player->quit();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("PlayListMainPL1.ppl"), std::string::npos) << errors.messages[0];
    EXPECT_TRUE(std::filesystem::exists(dir / "PlSysFile/Conf.pcf"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "PlayLists/PlayListMainPL2.ppl"));
    EXPECT_EQ(quits, 1);
}

TEST_F(ApplicationTest, AWindowThatBindsLaterIsShownWhatTheLogicAlreadyDid) {
    const auto player = makeApplication(audio::CapturePacing::Manual);
    player->startUp();
    const std::vector<playlist::TrackRow> rows = {test::songRow(1), test::songRow(2)};
    player->editor().AddRows(rows, playlist::AddMode::End);
    player->repeat().RepeatMenuClick(playlist::Check::RepeatAllPlayList);

    test::RecordingView window;
    player->bindPlaylistView(&window);
    EXPECT_EQ(window.items.size(), 2u);
    EXPECT_TRUE(window.checks[playlist::Check::RepeatAllPlayList]);
    EXPECT_FALSE(window.checks[playlist::Check::RepeatOneSong]);
    player->bindPlaylistView(nullptr);
    player->editor().AddRows(rows, playlist::AddMode::End);
    EXPECT_EQ(window.items.size(), 2u) << "an unbound window hears nothing more";
}

// The build window's side: reports until the build ends.
class BuildEnd final : public library::BuildProgress {
public:
    explicit BuildEnd(dispatch::TaskQueue& loop) : loop_(loop) {}
    void noFilesFound() override { end("no files"); }
    void librarySaved() override { end("saved"); }
    void buildFailed(const std::string& reason) override { end("failed: " + reason); }
    std::string how;

private:
    void end(std::string text) {
        how = std::move(text);
        loop_.quit();
    }
    dispatch::TaskQueue& loop_;
};

TEST_F(ApplicationTest, ABuildOfTheActiveLibraryIsReadIntoThePanels) {
    const auto player = makeApplication(audio::CapturePacing::Manual);
    player->startUp();
    EXPECT_EQ(player->browser().artists().Count(), 0);
    BuildEnd progress(loop);
    player->bindBuildProgress(&progress);
    player->libraryBuilds().start({{test::fixture("library/tree").string()}});
    EXPECT_TRUE(player->libraryBuilds().buildRunning());
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    loop.run([&] { return std::chrono::steady_clock::now() > deadline; });
    EXPECT_EQ(progress.how, "saved");
    EXPECT_FALSE(player->libraryBuilds().buildRunning());
    EXPECT_GT(player->browser().artists().Count(), 0) << "the panels show the new library";
}

// Every setting a user changes is in the settings model when save-state writes it, and the next start
// brings it back.
TEST_F(ApplicationTest, EverySettingAUserChangesSurvivesARestart) {
    {
        const auto player = makeApplication(audio::CapturePacing::Manual);
        player->startUp();
        player->repeat().RepeatMenuClick(playlist::Check::RepeatAllPlayList);
        player->settings().Interval_Len_2.text = "9"; // the preferences' quick-play texts
        player->shuffler().SelectSource(playlist::ShuffleSource::EnglishArtists);
        player->browser().orderAlbumsByYear(false);
        player->browser().orderSongsByNumber(false);
        player->browser().setSearchScope(library::browser::SearchScope::SongInActiveAlbum);
        player->browser().setMatchMode(library::browser::MatchMode::ConsistOf);
        player->tabs().SwitchTab(Tab::PL2);
        player->playback().VolumeChanged(345);
        player->engineSettings().SetEqualizerEnabled(true);
        player->engineSettings().SetBandGain(3, 7);
        player->settings().Art_Pnl_Distribution = 1; // the preferences' layout
        player->browser().switchLayout();
        player->browser().switchLibrary(299, 300); // the selector's right third: LB2
        player->settings().ePath_Copy.text = "/music/copies";
        player->settings().S_Copy_Albom = 2;
        player->engineSettings().SetApolloPath("/opt/apollo/apollo");
        player->engineSettings().SelectEngine(engine::kEngineFmod);
        player->quit();
    }
    const auto player = makeApplication(audio::CapturePacing::Manual);
    player->startUp();
    const TConfRecord& s = player->settings();
    EXPECT_TRUE(s.mRepeatAllPlayList && !s.mRepeatOneSong);
    EXPECT_EQ(s.Interval_Len_2.text, "9");
    EXPECT_EQ(player->shuffler().CheckedSource(), playlist::ShuffleSource::EnglishArtists);
    EXPECT_TRUE(s.mByAz && !s.mByyear && s.mByAZsong && !s.mByNomSong);
    EXPECT_TRUE(s.mSong && s.mSongInActiveAlbum && s.mConsistof && !s.mArtist && !s.mStartAt);
    EXPECT_EQ(player->tabs().visible(), Tab::PL2);
    EXPECT_EQ(s.VolumePosition, 345);
    EXPECT_EQ(player->facade().Volume, 345);
    EXPECT_TRUE(player->facade().EqualizerEnabled());
    EXPECT_EQ(player->equalizer()[2], 7);
    EXPECT_EQ(player->facade().Bass->StoredBandGain(3), 7);
    EXPECT_EQ(s.Art_Pnl_Distribution, 1);
    EXPECT_EQ(s.ActiveLibrary.text, "LB2");
    EXPECT_EQ(s.ePath_Copy.text, "/music/copies");
    EXPECT_EQ(s.S_Copy_Albom, 2);
    EXPECT_EQ(s.gPath_Apollo.text, "/opt/apollo/apollo");
    EXPECT_EQ(player->facade().ApolloPath, (dir / "kavrel-apollo").string())
        << "a stored path that names no file gives way to the shipped stand-in, asking nothing";
    EXPECT_TRUE(s.En_Fmod && !s.En_Bass);
    EXPECT_EQ(player->facade().EngineName(), engine::kEngineFmod);
}

} // namespace
} // namespace kavrel::core
