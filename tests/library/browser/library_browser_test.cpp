#include <gtest/gtest.h>

#include "browser_fixture.h"
#include "library/song_line.h"

namespace kavrel::library::browser::test {
namespace {

using Items = std::vector<std::string>;

const std::vector<Song> kPanelSongs = {{"123", "A", "t1"},  {"2Pac", "A", "t2"}, {"50 Cent", "A", "t3"},
                                       {"Abba", "A", "t4"}, {"Кино", "A", "t5"}, {"Я", "A", "t6"}};

TEST(ArtistPanels, SplitByFirstLetterAndOrientation) {
    struct Case {
        int distribution;
        int orientation;
        Items left;
        Items right;
    };
    const Case cases[] = {
        {0, 0, {"Кино", "Я"}, {"123", "2Pac", "50 Cent", "Abba"}},
        {0, 1, {"123", "2Pac", "50 Cent", "Abba"}, {"Кино", "Я"}},
        {1, 0, {"123", "2Pac", "50 Cent", "Abba", "Кино", "Я"}, {}},
    };
    for (const Case& c : cases) {
        BrowserFixture f(kPanelSongs);
        f.conf.Art_Pnl_Distribution = c.distribution;
        f.conf.Art_Pnl_Orientation = c.orientation;
        f.browser().readArtistList();
        EXPECT_EQ(f.items(Panel::Left), c.left) << c.distribution << c.orientation;
        EXPECT_EQ(f.items(Panel::Right), c.right) << c.distribution << c.orientation;
        EXPECT_EQ(f.view.layout.separate, c.distribution == 0);
        // Range: items - visible (2) + 1, never below 0.
        EXPECT_EQ(f.view.scrollers[Panel::Left].second,
                  std::max<int>(0, static_cast<int>(c.left.size()) - 1));
    }
}

TEST(ArtistPanels, LayoutHeadersFollowOrientation) {
    BrowserFixture f(kPanelSongs);
    f.conf.Art_Pnl_Orientation = 1;
    f.browser().switchLayout();
    EXPECT_EQ(f.view.layout.leftHeader.filename(), "eng_art.jpg");
    EXPECT_EQ(f.view.layout.rightHeader.filename(), "rus_art.jpg");
    EXPECT_FALSE(f.view.layout.russianLeft);
    f.conf.Art_Pnl_Distribution = 1;
    f.browser().switchLayout();
    EXPECT_EQ(f.view.layout.leftHeader.filename(), "art.jpg");
    EXPECT_TRUE(f.view.layout.rightHeader.empty());
}

TEST(SelectArtist, NumberedItemSelectsTheNameAndClearsTheOtherPanel) {
    BrowserFixture f(kPanelSongs);
    f.conf.Right.Indexin = true;
    f.browser().readArtistList();
    ASSERT_EQ(f.items(Panel::Right)[3], "4. Abba");
    f.view.tops[Panel::Right] = 1;
    f.browser().selectArtistItem(Panel::Right, 3);
    EXPECT_EQ(f.browser().activeArtist(), "Abba");
    EXPECT_EQ(f.items(Panel::Songs), Items{"t4"});
    EXPECT_EQ(f.view.selected[Panel::Left], -1);
    EXPECT_EQ(f.view.scrollers[Panel::Right].first, 1);
}

TEST(SelectArtist, ArrowKeysMoveAndCtrlClears) {
    BrowserFixture f(kPanelSongs);
    f.browser().readArtistList();
    f.browser().artistKey(Panel::Right, 0, ArrowKey::Down, false);
    EXPECT_EQ(f.browser().activeArtist(), "2Pac");
    EXPECT_EQ(f.view.selected[Panel::Right], 1);
    f.browser().artistKey(Panel::Right, 0, ArrowKey::Up, false); // nothing above the first
    EXPECT_EQ(f.browser().activeArtist(), "2Pac");
    f.browser().artistKey(Panel::Right, 1, ArrowKey::Down, true);
    EXPECT_EQ(f.view.selected[Panel::Right], -1);
    EXPECT_EQ(f.browser().activeArtist(), "2Pac");
}

TEST(SelectArtist, MissingArtistFileShowsNothing) {
    BrowserFixture f(kPanelSongs);
    f.browser().readArtistList();
    std::filesystem::remove(f.dir / "Library/LB1/Artist4.pft");
    f.browser().selectArtist("Abba");
    EXPECT_TRUE(f.items(Panel::Albums).empty());
    EXPECT_TRUE(f.items(Panel::Songs).empty());
}

const std::vector<Song> kAlbumSongs = {{"X", "Zeta", "b-song", "2001", "2"},
                                       {"X", "alpha", "c-song", "1999", "1"},
                                       {"X", "Zeta", "a-song", "2001", "10"},
                                       {"X", "Zeta", "d-song", "2001", "1"},
                                       {"X", "zeta", "e-song", "0000", "3"}};

TEST(SelectArtist, SongsByTitleAndAlbumsInTheCheckedOrder) {
    BrowserFixture f(kAlbumSongs);
    f.browser().readArtistList();
    f.browser().selectArtist("X");
    EXPECT_EQ(f.items(Panel::Songs), (Items{"a-song", "b-song", "c-song", "d-song", "e-song"}));
    EXPECT_EQ(f.items(Panel::Albums), (Items{"alpha", "Zeta"}));
    f.browser().orderAlbumsByYear(false);
    EXPECT_EQ(f.items(Panel::Albums), (Items{"Zeta", "alpha"}));
    EXPECT_TRUE(f.conf.mByAz && !f.conf.mByyear);
    f.browser().orderAlbumsByYear(true);
    EXPECT_EQ(f.items(Panel::Albums), (Items{"alpha", "Zeta"}));
}

TEST(SelectAlbum, TrackOrderByMouseAndByKeysAndCaseInsensitiveMatch) {
    BrowserFixture f(kAlbumSongs);
    f.browser().readArtistList();
    f.browser().selectArtist("X");
    f.browser().selectAlbum("Zeta", SelectedBy::Mouse);
    // 'zeta' was grouped with 'Zeta', so it is selected with it.
    EXPECT_EQ(f.items(Panel::Songs), (Items{"d-song", "b-song", "e-song", "a-song"}));
    f.browser().albumKey(0, ArrowKey::Down, false);
    EXPECT_EQ(f.browser().activeAlbum(), "Zeta");
    EXPECT_EQ(f.items(Panel::Songs), (Items{"d-song", "a-song", "b-song", "e-song"}));

    f.browser().orderSongsByNumber(false);
    EXPECT_EQ(f.items(Panel::Songs), (Items{"a-song", "b-song", "d-song", "e-song"}));
    f.browser().orderSongsByNumber(true);
    EXPECT_EQ(f.items(Panel::Songs), (Items{"d-song", "b-song", "e-song", "a-song"}));
}

TEST(SendToPlaylist, RowsAndAddModePerPanel) {
    BrowserFixture f(kAlbumSongs);
    f.conf.Left.OnDb_E_P = true;
    f.conf.Albom.OnDb_A = true;
    f.conf.Song.OnDb_A_P = true;
    f.browser().readArtistList();
    f.browser().selectArtist("X");
    f.browser().selectAlbum("alpha", SelectedBy::Mouse);
    f.browser().sendToPlaylist(Panel::Left, 0);
    f.browser().sendToPlaylist(Panel::Albums, 0);
    f.browser().sendToPlaylist(Panel::Songs, 0);
    f.browser().sendToPlaylist(Panel::Songs, 5); // past the last row: nothing
    ASSERT_EQ(f.sent.size(), 3u);
    EXPECT_EQ(f.sent[0].titles.size(), 5u);
    EXPECT_EQ(f.sent[0].mode, playlist::AddMode::EndAndPlay);
    EXPECT_EQ(f.sent[1].titles, Items{"c-song"});
    EXPECT_EQ(f.sent[1].mode, playlist::AddMode::AfterPlaying);
    EXPECT_EQ(f.sent[2].titles, Items{"c-song"});
    EXPECT_EQ(f.sent[2].mode, playlist::AddMode::AfterPlayingAndPlay);
    EXPECT_EQ(f.browser().albumSongs().size(), 1u);
    EXPECT_EQ(f.browser().artistSongs().size(), 5u);
}

TEST(SwitchLibrary, StripsPickLibrariesAndTheCdBuildStartsOrQueues) {
    BrowserFixture f(kPanelSongs);
    writeLibrary(f.dir.path(), "LB2", {{"Other", "A", "t"}});
    f.browser().switchLibrary(299, 300);
    EXPECT_EQ(f.conf.ActiveLibrary.text, "LB2");
    EXPECT_EQ(f.view.selectorState, 3);
    EXPECT_EQ(f.items(Panel::Right), Items{"Other"});
    f.browser().switchLibrary(0, 300);
    EXPECT_EQ(f.view.selectorState, 1);
    EXPECT_EQ(f.items(Panel::Left), (Items{"Кино", "Я"}));

    f.cdBuilds.running = true;
    f.browser().switchLibrary(100, 300);
    EXPECT_EQ(f.view.selectorState, 2);
    EXPECT_EQ(f.cdBuilds.queued, 1);
    EXPECT_EQ(f.cdBuilds.started, 0);
    f.cdBuilds.running = false;
    f.browser().switchLibrary(199, 300);
    EXPECT_EQ(f.cdBuilds.started, 1);
    EXPECT_TRUE(f.items(Panel::Left).empty());
    EXPECT_TRUE(f.items(Panel::Right).empty());
}

TEST(SwitchLibrary, ReadingTheArtistListShowsTheActiveLibraryOnTheSelector) {
    BrowserFixture f(kPanelSongs);
    for (const auto& [library, state] : {std::pair{"LB2", 3}, {"LBCD", 2}, {"LB1", 1}, {"../LB2", 1}}) {
        f.conf.ActiveLibrary.text = library;
        f.browser().readArtistList();
        EXPECT_EQ(f.view.selectorState, state) << library;
    }
}

TEST(SwitchLibrary, LibraryWithoutArtistListHasNoArtists) {
    BrowserFixture f(kPanelSongs);
    f.browser().readArtistList();
    f.browser().switchLibrary(299, 300); // LB2 has no files
    EXPECT_EQ(f.browser().artists().Count(), 0);
    f.browser().searchTextChanged("a");
    EXPECT_TRUE(f.items(Panel::Right).empty());
}

TEST(LibrarySongs, AllSongsAreTheActiveLibrarysAndNoneWithoutItsFile) {
    BrowserFixture f({{"Кино", "A", "t1"}, {"ДДТ Band", "A", "t2"}, {"Abba", "A", "t3"}, {"123", "A", "t4"}});
    EXPECT_EQ(f.browser().allSongs().size(), 4u);
    std::filesystem::remove(f.dir / "Library/LB1/allsong.pft");
    EXPECT_TRUE(f.browser().allSongs().empty());
}

TEST(SearchMenu, KeepsOneScopeAndOneMatchModeInTheSettings) {
    BrowserFixture f(kPanelSongs);
    f.browser().setSearchScope(SearchScope::SongInActiveArtist);
    f.browser().setMatchMode(MatchMode::ConsistOf);
    EXPECT_TRUE(f.conf.mSong && f.conf.mSongInActivArtist && f.conf.mConsistof);
    EXPECT_FALSE(f.conf.mArtist || f.conf.mAlbum || f.conf.mSongInAllLibrary || f.conf.mStartAt);
    f.browser().setSearchScope(SearchScope::Artist);
    EXPECT_TRUE(f.conf.mArtist);
    EXPECT_FALSE(f.conf.mSong || f.conf.mSongInActivArtist);
}

TEST(SongHint, DescribesTheRowUnderThePointerOnce) {
    BrowserFixture f(kAlbumSongs);
    f.browser().readArtistList();
    f.browser().selectArtist("X");
    f.browser().hoverSong(0);
    f.browser().hoverSong(0);
    EXPECT_EQ(f.browser().hintedSongFile(), "/music/a-song.mp3");
    f.browser().hoverSong(9);
    EXPECT_EQ(f.browser().hintedSongFile(), "");
    EXPECT_EQ(f.view.hints, (Items{"X - Zeta - a-song - 01:01 - 192 kbps", ""}));
    EXPECT_EQ(f.browser().hintedSongRow(), -1);
}

} // namespace
} // namespace kavrel::library::browser::test
