#include "playlist/playback_fixture.h"
#include "playlist/playlist_commands.h"
#include "playlist/playlist_tabs.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

class RecordingTabView : public TabView {
public:
    void showTab(Tab tab) override { shown = tab; }
    Tab shown = Tab::PL1;
};

// A drive whose disc is swapped by the test.
class FakeCd : public CdTrackSource {
public:
    bool RefreshTracks(TPlist& list) override {
        ++reads;
        if (discTracks == tracksRead)
            return false;
        list = TPlist{};
        for (int i = 1; i <= discTracks; ++i)
            list.Rows.push_back({"CD", "", "Track " + std::to_string(i), "0", "CD", std::to_string(i), "0",
                                 "60000", "0", "", "/dev/sr0/Track0" + std::to_string(i) + ".cda", "0", ""});
        tracksRead = discTracks;
        return true;
    }
    int discTracks = 0;
    int tracksRead = 0;
    int reads = 0;
};

class PlaylistCommandsTest : public ::testing::Test, protected PlaybackFixture {
protected:
    PlaylistCommands commands{control};
    RecordingTabView tabView;
    FakeCd cd;
    PlaylistTabs tabs{control, tabView, &cd};
};

TEST_F(PlaylistCommandsTest, UndoSwapsSoASecondUndoRedoes) {
    commands.Undo();
    EXPECT_TRUE(list().Empty()) << "nothing to undo yet";

    load(3);
    control.PlayRow(2);
    list().UndoKindValue = kUndoEdit;
    control.SaveUndoCopy();
    list().Rows.erase(list().Rows.begin() + 1);
    list().CurrentIndex = 1;
    display.showAllRows(list());

    commands.Undo();
    EXPECT_EQ(titles(list()), (std::vector<std::string>{"Title 1", "Title 2", "Title 3"}));
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(view.items.size(), 3u);
    EXPECT_EQ(view.markedRow, 2) << "an edit's undo marks the row again without touching the engine";
    EXPECT_EQ(engine.calls.size(), 1u);

    commands.Undo();
    EXPECT_EQ(titles(list()), (std::vector<std::string>{"Title 2", "Title 3"}));
    EXPECT_EQ(list().CurrentIndex, 1);
}

TEST_F(PlaylistCommandsTest, UndoOfAPlaybackChangePlaysWhatWasPlaying) {
    load(3);
    control.PlayRow(1);
    control.PlayRow(3);
    commands.Undo();
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(engine.calls.back(), "Play /music/1.mp3 0");
}

TEST_F(PlaylistCommandsTest, ClearEmptiesTheListAndKeepsAnUndo) {
    load(3);
    control.PlayRow(2);
    control.QuickPlayEnabledClick();
    commands.Clear();
    EXPECT_TRUE(list().Empty());
    EXPECT_TRUE(view.items.empty());
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_EQ(list().TotalTimeText, "00:00");
    EXPECT_EQ(view.sizeTotal, "0.00Mb");
    EXPECT_FALSE(view.checks[Check::QuickPlayEnabled]);
    EXPECT_FALSE(state.settings.mRepeatOneSong);
    commands.Undo();
    EXPECT_EQ(list().Count(), 3);
}

TEST_F(PlaylistCommandsTest, SaveAndLoadThroughFiles) {
    TempDir dir;
    load(3);
    control.PlayRow(2);
    list().Position = 42000;
    EXPECT_EQ(commands.Save((dir / "mix").string()), dir / "mix.ppl");

    commands.Clear();
    int loads = 0;
    commands.setLoadedAction([&] { ++loads; });
    commands.Load(dir / "mix.ppl");
    EXPECT_EQ(list().Count(), 3);
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(engine.calls.back(), "Play /music/2.mp3 42000")
        << "start-up mode 0 plays from the stored place";
    EXPECT_EQ(loads, 1);

    writeFile(dir / "bad.ppl", std::string(kPlaylistMagic) + "\r\nNoEmptyPlayList\r\nx\r\n");
    EXPECT_THROW(commands.Load(dir / "bad.ppl"), PlaylistFileError);
    EXPECT_EQ(list().Count(), 3) << "nothing visible changed";
    commands.Load(dir / "missing.ppl");
    EXPECT_EQ(list().Count(), 3);
}

TEST_F(PlaylistCommandsTest, EachTabKeepsItsListAndCurrentRow) {
    load(3);
    control.PlayRow(2);
    tabs.SwitchTab(Tab::PL2);
    EXPECT_EQ(tabView.shown, Tab::PL2);
    EXPECT_TRUE(list().Empty());
    EXPECT_EQ(engine.calls.back(), "Stop");

    load(2);
    control.PlayRow(1);
    control.TogglePause();
    tabs.SwitchTab(Tab::PL1);
    EXPECT_EQ(titles(list()).size(), 3u);
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(engine.calls.back(), "Play /music/2.mp3 0");

    tabs.SwitchTab(Tab::PL2);
    EXPECT_EQ(list().Count(), 2);
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(engine.calls.back(), "Play /music/1.mp3 0 paused");
    EXPECT_EQ(view.items, (std::vector<std::string>{"Title 1", "Title 2"}));
}

TEST_F(PlaylistCommandsTest, TheCdTabRefreshesFromTheDrive) {
    cd.discTracks = 2;
    tabs.SwitchTab(Tab::CD);
    EXPECT_EQ(list().Count(), 2);
    control.PlayRow(1);

    tabs.SwitchTab(Tab::CD);
    EXPECT_EQ(cd.reads, 2);
    EXPECT_EQ(list().CurrentIndex, 1) << "the same disc keeps playing";

    cd.discTracks = 4;
    tabs.SwitchTab(Tab::CD);
    EXPECT_EQ(list().Count(), 4);
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_EQ(view.items.size(), 4u);
    EXPECT_EQ(engine.calls.back(), "Stop");
    EXPECT_EQ(view.ticker, kIdleTickerTitle) << "stopped through the normal stop";
}

TEST_F(PlaylistCommandsTest, TabFilesReadSkipAndWrite) {
    TempDir dir;
    const fs::ProgramFolder folder(dir.path());
    tabs.record(Tab::PL1).List = {};
    static_cast<TPlist&>(tabs.record(Tab::PL2).List) = listOf(2);
    for (Tab tab : kAllTabs)
        tabs.writeTabFile(folder, tab);
    EXPECT_EQ(readFile(dir / "PlayLists/PlayListMainCD.ppl"),
              std::string(kPlaylistMagic) + "\r\nEmptyPlayList\r\n");
    writeFile(dir / "PlayLists/PlayListMainPL1.ppl",
              std::string(kPlaylistMagic) + "\r\nNoEmptyPlayList\r\nx\r\n");

    const auto failures = tabs.readTabFiles(folder, Tab::CD);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("PlayListMainPL1.ppl"), std::string::npos);
    EXPECT_TRUE(tabs.record(Tab::PL1).List.Empty());
    EXPECT_EQ(tabs.record(Tab::PL2).List.Count(), 2);
}

TEST(TabClickTest, ThirdsOfThePicture) {
    EXPECT_EQ(tabAt(0, 90), Tab::PL1);
    EXPECT_EQ(tabAt(30, 90), Tab::PL1);
    EXPECT_EQ(tabAt(31, 90), Tab::CD);
    EXPECT_EQ(tabAt(60, 90), Tab::CD);
    EXPECT_EQ(tabAt(61, 90), Tab::PL2);
}

} // namespace
} // namespace kavrel::test
