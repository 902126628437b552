#include "core/application.h"
#include "playlist/playback_fixture.h"
#include "playlist/ppl_file.h"
#include "recording_reporter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

using namespace playlist;

class NoTabView : public TabView {
public:
    void showTab(Tab) override {}
};

struct ApplicationPlaylists : ::testing::Test, test::PlaybackFixture {
    ApplicationPlaylists() {
        std::filesystem::create_directories(dir / "PlayLists");
        std::filesystem::create_directories(dir / "PlSysFile");
        TPlist pl2 = test::listOf(2);
        pl2.CurrentIndex = 2;
        pl2.PlayState = kPlaying;
        pl2.Position = 7000;
        writePlaylistFile(dir / "PlayLists/PlayListMainPL2.ppl", pl2);
        writePlaylistFile(dir / "PlayLists/PlayListMainCD.ppl", test::listOf(1));
        app.settings().Img2PL2Visible = true;
        app.addPlaylistSaveSteps(tabs, [this] {
            stopsAfterFiles.push_back(test::readFile(dir / "PlayLists/PlayListMainPL2.ppl"));
        });
    }
    test::TempDir dir;
    RecordingReporter errors;
    Application app{fs::ProgramFolder(dir.path()), "", errors};
    NoTabView tabView;
    PlaylistTabs tabs{control, tabView, nullptr};
    std::vector<std::string> stopsAfterFiles;
};

TEST_F(ApplicationPlaylists, StartsTheVisibleTabAndResumesItsTrack) {
    app.settings().O_Run_Playlist = 0;
    app.restorePlaylists(tabs, control);
    EXPECT_EQ(tabs.visible(), Tab::PL2);
    EXPECT_EQ(engine.calls, (std::vector<std::string>{"Play /music/2.mp3 7000"}));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ApplicationPlaylists, SavingWritesTheActiveListIntoTheVisibleTabThenStops) {
    app.settings().O_Run_Playlist = 2;
    app.restorePlaylists(tabs, control);
    EXPECT_TRUE(list().Empty());
    load(3);
    EXPECT_TRUE(app.saveState()) << (errors.messages.empty() ? "" : errors.messages[0]);
    ASSERT_EQ(stopsAfterFiles.size(), 1u);
    EXPECT_EQ(parsePlaylist(stopsAfterFiles[0])->Count(), 3)
        << "the files are written before the engine stops";
    EXPECT_EQ(readPlaylistFile(dir / "PlayLists/PlayListMainCD.ppl")->Count(), 1)
        << "mode 2 wiped no other tab";
}

TEST(VisibleTabSettings, RoundTrip) {
    TConfRecord settings;
    for (Tab tab : kAllTabs) {
        storeVisibleTab(settings, tab);
        EXPECT_EQ(visibleTabOf(settings), tab);
    }
}

} // namespace
} // namespace kavrel::core
