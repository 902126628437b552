#include "playlist/fake_library.h"
#include "playlist/playback_fixture.h"
#include "playlist/playlist_editor.h"
#include "playlist/row_hint.h"
#include "support/literal_exchange_order.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

class PlaylistEditorTest : public ::testing::Test, protected PlaybackFixture {
protected:
    FakeLibrary library;
    PlaylistEditor editor{control, library};
};

std::vector<TrackRow> newSongs(int first, int count) {
    std::vector<TrackRow> rows;
    for (int i = first; i < first + count; ++i)
        rows.push_back(songRow(i));
    return rows;
}

TEST_F(PlaylistEditorTest, AddModesInsertAndPlayWhereTheyShould) {
    struct Case {
        AddMode mode;
        int current;
        std::vector<std::string> expected;
        int expectedCurrent;
        bool plays;
    };
    const Case cases[] = {
        {AddMode::EndAndPlay, 1, {"Title 1", "Title 2", "Title 3", "Title 8", "Title 9"}, 4, true},
        {AddMode::End, 1, {"Title 1", "Title 2", "Title 3", "Title 8", "Title 9"}, 1, false},
        {AddMode::AfterPlayingAndPlay, 2, {"Title 1", "Title 2", "Title 8", "Title 9", "Title 3"}, 3, true},
        {AddMode::AfterPlaying, 2, {"Title 1", "Title 2", "Title 8", "Title 9", "Title 3"}, 2, false},
        {AddMode::AfterPlaying, 0, {"Title 8", "Title 9", "Title 1", "Title 2", "Title 3"}, 0, false},
    };
    for (const Case& c : cases) {
        PlaybackFixture f;
        PlaylistEditor e(f.control, library);
        f.load(3);
        f.list().CurrentIndex = c.current;
        e.AddRows(newSongs(8, 2), c.mode);
        EXPECT_EQ(titles(f.list()), c.expected) << static_cast<int>(c.mode);
        EXPECT_EQ(f.list().CurrentIndex, c.expectedCurrent) << static_cast<int>(c.mode);
        EXPECT_EQ(f.view.items, c.expected) << "both boxes rewritten from the insertion row";
        EXPECT_EQ(f.engine.calls.empty(), !c.plays);
        EXPECT_EQ(f.state.active.Undo->Count(), 3);
        EXPECT_EQ(f.list().TotalTime, 500000);
    }
}

TEST_F(PlaylistEditorTest, MovesKeepTheCurrentRowOnItsTrack) {
    // rows a b c d e, the current track is c (row 3)
    struct Case {
        int from;
        int dropItem; // 0-based entry under the drop point, -1 below the last
        std::string expected;
        int expectedCurrent;
    };
    const Case cases[] = {
        {1, 3, "bcdae", 2},  {3, 0, "cabde", 1}, {4, 1, "adbce", 4},  {5, 3, "abced", 3},
        {1, 1, "bacde", 3},  {2, 2, "acbde", 2}, {2, -1, "acdeb", 2}, {4, 9, "abced", 3},
        {3, -1, "abdec", 5}, {2, 1, "abcde", 3}, {-1, 2, "abcde", 3},
    };
    for (const Case& c : cases) {
        PlaybackFixture f;
        PlaylistEditor e(f.control, library);
        f.load(5);
        const std::string letters = "abcde";
        for (int i = 1; i <= 5; ++i)
            f.list().row(i)[2] = std::string(1, letters[static_cast<std::size_t>(i - 1)]);
        f.display.showAllRows(f.list());
        f.list().CurrentIndex = 3;
        e.BeginDrag(DragSource::Playlist, c.from);
        e.Drop(c.dropItem);
        std::string order;
        for (const auto& t : titles(f.list()))
            order += t;
        EXPECT_EQ(order, c.expected) << c.from << " onto item " << c.dropItem;
        EXPECT_EQ(f.list().CurrentIndex, c.expectedCurrent) << c.from << " onto item " << c.dropItem;
        EXPECT_EQ(f.list().row(f.list().CurrentIndex)[2], "c");
        EXPECT_EQ(f.view.markedRow, c.expectedCurrent);
        EXPECT_EQ(f.view.items.size(), 5u);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(f.view.items[static_cast<std::size_t>(i - 1)], f.list().row(i)[2]);
    }
}

TEST_F(PlaylistEditorTest, DroppedLibrarySongsGoBeforeTheTargetRow) {
    load(3);
    control.PlayRow(2);
    library.artist = newSongs(10, 3);
    library.album = newSongs(20, 2);
    editor.BeginDrag(DragSource::LeftArtists, 1);
    editor.Drop(0);
    EXPECT_EQ(titles(list()), (std::vector<std::string>{"Title 10", "Title 11", "Title 12", "Title 1",
                                                        "Title 2", "Title 3"}));
    EXPECT_EQ(list().CurrentIndex, 5);
    EXPECT_EQ(view.markedRow, 5);

    editor.BeginDrag(DragSource::Songs, 2);
    editor.Drop(-1);
    EXPECT_EQ(list().row(7)[2], "Title 21") << "the song list shows the album's songs";
    EXPECT_EQ(list().CurrentIndex, 5);
    EXPECT_EQ(list().TimeBefore, 400000);
}

TEST_F(PlaylistEditorTest, DeletingRows) {
    load(4);
    control.PlayRow(3);
    editor.DeleteSelected(2);
    EXPECT_EQ(list().Count(), 4) << "the playing row is never deleted";

    editor.DeleteSelected(0);
    EXPECT_EQ(titles(list()), (std::vector<std::string>{"Title 2", "Title 3", "Title 4"}));
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(view.items, titles(list()));
    EXPECT_EQ(view.selected, -1);
    editor.DeleteSelected(2);
    EXPECT_EQ(view.selected, 1) << "the new last entry";
    EXPECT_EQ(view.sizeTotal, "2.00Mb");

    PlaybackFixture single;
    PlaylistEditor e(single.control, library);
    single.load(1);
    e.DeleteSelected(0);
    EXPECT_TRUE(single.list().Empty());
    EXPECT_TRUE(single.view.items.empty());
}

TEST_F(PlaylistEditorTest, SortingKeepsTheCurrentTrack) {
    const std::vector<std::string> names = {"b", "B", "a", "Я", "b", "a", "c", "b", "a"};
    const auto count = static_cast<int>(names.size());
    const std::vector<int> expected = test::literalExchangeOrder(count, [&](int a, int b) {
        return names[static_cast<std::size_t>(a - 1)].compare(names[static_cast<std::size_t>(b - 1)]);
    });
    for (const int playing : {1, 3, 5, 9}) {
        load(count);
        for (int i = 1; i <= count; ++i) {
            list().row(i)[0] = names[static_cast<std::size_t>(i - 1)];
            list().row(i)[2] = std::to_string(i); // tells equal names apart
        }
        control.PlayRow(playing);
        editor.Sort(SortColumn::Artist);
        std::vector<int> order;
        for (int i = 1; i <= count; ++i)
            order.push_back(std::stoi(list().row(i)[2]));
        EXPECT_EQ(order, expected);
        EXPECT_EQ(list().row(list().CurrentIndex)[2], std::to_string(playing));
        EXPECT_EQ(view.markedRow, list().CurrentIndex);
    }
    EXPECT_EQ(list().row(1)[0], "B") << "ordinal order: upper case first";
    EXPECT_EQ(list().row(count)[0], "Я");
}

TEST_F(PlaylistEditorTest, RowHintsAndFileLocation) {
    load(2, 215000);
    RecordingShell shell;
    PlaylistRowHint hint(list(), view, shell);
    hint.MouseOver(2);
    EXPECT_EQ(view.hint, "Artist 2 - Album 2 - Title 2 - 03:35 - 192 kbps");
    view.hint = "unchanged";
    hint.MouseOver(2);
    EXPECT_EQ(view.hint, "unchanged") << "the same row keeps its hint";
    hint.ShowFileLocation();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"show /music/2.mp3"}));

    hint.MouseOver(-1);
    EXPECT_EQ(view.hint, "");
    hint.ShowFileLocation();
    EXPECT_EQ(shell.calls.size(), 1u) << "nothing under the mouse";

    list().row(1)[4] = "CD";
    list().row(1)[2] = "Track 1 - 03:00";
    hint.MouseOver(1);
    EXPECT_EQ(view.hint, "CD - Track 1 - 03:00");
}

} // namespace
} // namespace kavrel::test
