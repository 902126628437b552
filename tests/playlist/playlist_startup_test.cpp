#include "playlist/playback_fixture.h"
#include "playlist/playlist_startup.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

class NoTabView : public TabView {
public:
    void showTab(Tab) override {}
};

struct StartupFixture : PlaybackFixture {
    StartupFixture() {
        std::filesystem::create_directories(dir / "PlayLists");
        TPlist pl1 = listOf(3);
        pl1.CurrentIndex = 2;
        pl1.PlayState = kPaused;
        pl1.Position = 42000;
        writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
        TPlist pl2 = listOf(2);
        pl2.CurrentIndex = 1;
        writePlaylistFile(dir / "PlayLists/PlayListMainPL2.ppl", pl2);
    }
    TempDir dir;
    fs::ProgramFolder folder{dir.path()};
    NoTabView tabView;
    PlaylistTabs tabs{control, tabView, nullptr};
};

TEST(PlaylistStartupTest, ModeZeroResumesTheSavedTrackPlaying) {
    StartupFixture f;
    EXPECT_TRUE(restorePlaylists(f.tabs, f.control, f.folder, kStartResume).empty());
    EXPECT_EQ(f.list().Count(), 3);
    EXPECT_EQ(f.engine.calls, (std::vector<std::string>{"Play /music/2.mp3 42000"})) << "never paused";
    EXPECT_EQ(f.list().PlayState, kPlaying);
    EXPECT_EQ(f.view.items.size(), 3u);
    EXPECT_EQ(f.pollerResumes, 1);
    EXPECT_EQ(f.tabs.record(Tab::PL2).List.PlayState, kPlaying)
        << "a tab with a current row is marked playing";
}

TEST(PlaylistStartupTest, ModeOneLoadsWithoutPlaying) {
    StartupFixture f;
    restorePlaylists(f.tabs, f.control, f.folder, kStartLoad);
    EXPECT_EQ(f.list().Count(), 3);
    EXPECT_EQ(f.list().CurrentIndex, 0);
    EXPECT_EQ(f.tabs.record(Tab::PL1).List.CurrentIndex, 0);
    EXPECT_TRUE(f.engine.calls.empty());
    EXPECT_EQ(f.shared.CurrentTrack, 0);
}

TEST(PlaylistStartupTest, ModeTwoStartsTheVisibleTabEmptyButKeepsTheOthers) {
    StartupFixture f;
    restorePlaylists(f.tabs, f.control, f.folder, kStartEmpty);
    EXPECT_TRUE(f.list().Empty());
    EXPECT_EQ(f.tabs.record(Tab::PL2).List.Count(), 2);
    f.tabs.copyActiveIntoVisible();
    for (Tab tab : kAllTabs)
        f.tabs.writeTabFile(f.folder, tab);
    EXPECT_EQ(readPlaylistFile(f.dir / "PlayLists/PlayListMainPL2.ppl")->Count(), 2)
        << "quitting wipes nothing";
    EXPECT_FALSE(readPlaylistFile(f.dir / "PlayLists/PlayListMainPL1.ppl"))
        << "the empty visible list is saved";
}

TEST(PlaylistStartupTest, AnUnreadableTabFileStartsEmptyAndIsReported) {
    StartupFixture f;
    writeFile(f.dir / "PlayLists/PlayListMainPL1.ppl",
              std::string(kPlaylistMagic) + "\r\nNoEmptyPlayList\r\n?\r\n");
    const auto failures = restorePlaylists(f.tabs, f.control, f.folder, kStartResume);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(f.list().Empty());
    EXPECT_TRUE(f.engine.calls.empty());
}

} // namespace
} // namespace kavrel::test
