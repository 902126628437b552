#include <gtest/gtest.h>

#include "browser_fixture.h"

namespace kavrel::library::browser::test {
namespace {

using Items = std::vector<std::string>;

const std::vector<Song> kSongs = {
    {"2Pac", "Me Against", "Dear Mama", "1995", "1"},
    {"ABBA", "Arrival", "Dancing Queen", "1976", "2"},
    {"ABBA", "Arrival", "Money", "1976", "1"},
    {"ABBA", "Gold", "Waterloo", "1992", "1"},
    {"Black Sabbath", "Paranoid", "Iron Man", "1970", "4"},
    {"Кино", "Группа крови", "Кукушка", "1988", "1"},
    {"Кино", "Группа крови", "Группа крови", "1988", "2"},
};

struct SearchFixture : BrowserFixture {
    SearchFixture() : BrowserFixture(kSongs) { browser().readArtistList(); }
    void scope(bool core::TConfRecord::*item) {
        for (bool core::TConfRecord::*flag :
             {&core::TConfRecord::mArtist, &core::TConfRecord::mAlbomInAllLibrary,
              &core::TConfRecord::mAlbomInActivArtist, &core::TConfRecord::mSongInAllLibrary,
              &core::TConfRecord::mSongInActivArtist, &core::TConfRecord::mSongInActiveAlbum})
            conf.*flag = flag == item;
    }
};

TEST(ArtistSearch, MatchModesCaseAndPanelChoice) {
    struct Case {
        std::string text;
        bool startAt;
        Items left;  // Russian
        Items right; // English
    };
    const Items allRussian = {"Кино"};
    const Items allEnglish = {"2Pac", "ABBA", "Black Sabbath"};
    const Case cases[] = {
        {"ab", true, allRussian, {"ABBA"}},      {"ab", false, allRussian, {"ABBA", "Black Sabbath"}},
        {"кИ", true, {"Кино"}, allEnglish},      {"кИ", false, {"Кино"}, allEnglish},
        {"и", false, {"Кино"}, allEnglish},      {"2", true, allRussian, {"2Pac"}},
        {"к", true, {"Кино"}, allEnglish},       {"!", false, allRussian, allEnglish},
        {"zz", false, allRussian, {}},           {"/ab", false, allRussian, allEnglish},
        {"\\ab", false, allRussian, allEnglish},
    };
    for (const Case& c : cases) {
        SearchFixture f;
        f.conf.mStartAt = c.startAt;
        f.browser().searchTextChanged(c.text);
        EXPECT_EQ(f.items(Panel::Left), c.left) << c.text << c.startAt;
        EXPECT_EQ(f.items(Panel::Right), c.right) << c.text << c.startAt;
    }
}

TEST(ArtistSearch, IncorporatedLayoutAndClearingRestores) {
    SearchFixture f;
    f.conf.Art_Pnl_Distribution = 1;
    f.conf.Left.Indexin = true;
    f.browser().switchLayout();
    f.browser().searchTextChanged("к");
    EXPECT_EQ(f.items(Panel::Left), Items{"1. Кино"});
    f.browser().searchTextChanged("");
    EXPECT_EQ(f.items(Panel::Left).size(), 4u);
}

TEST(AlbumSearch, AllLibraryAndActiveArtistNarrow) {
    SearchFixture f;
    f.scope(&core::TConfRecord::mAlbomInAllLibrary);
    f.conf.mStartAt = false;
    f.browser().searchTextChanged("AR");
    EXPECT_EQ(f.items(Panel::Albums), (Items{"Paranoid", "Arrival"}));
    EXPECT_EQ(f.items(Panel::Songs), (Items{"Dancing Queen", "Money", "Iron Man"}));
    f.browser().selectAlbum("Arrival", SelectedBy::Mouse);
    EXPECT_EQ(f.items(Panel::Songs), (Items{"Money", "Dancing Queen"}));
    EXPECT_EQ(f.browser().artistSongs().size(), 3u);

    f.browser().selectArtist("ABBA");
    f.scope(&core::TConfRecord::mAlbomInActivArtist);
    f.browser().searchTextChanged("o");
    EXPECT_EQ(f.items(Panel::Albums), Items{"Gold"});
    f.browser().searchTextChanged("ar"); // narrows what is left
    EXPECT_TRUE(f.items(Panel::Albums).empty());
    f.browser().selectArtist("ABBA");
    EXPECT_EQ(f.items(Panel::Albums).size(), 2u);
}

TEST(SongSearch, MatchesHaveTheirOwnRows) {
    SearchFixture f;
    f.browser().selectArtist("ABBA");
    f.scope(&core::TConfRecord::mSongInAllLibrary);
    f.conf.mStartAt = false;
    f.browser().searchTextChanged("кУк");
    EXPECT_EQ(f.items(Panel::Songs), Items{"1. Кукушка"}) << "numbered always";
    EXPECT_TRUE(f.items(Panel::Albums).empty());
    f.browser().sendToPlaylist(Panel::Songs, 0);
    f.browser().sendToPlaylist(Panel::Left, 0);
    ASSERT_EQ(f.sent.size(), 2u);
    EXPECT_EQ(f.sent[0].titles, Items{"Кукушка"});
    EXPECT_EQ(f.sent[1].titles.size(), 3u) << "the artist's songs are untouched";

    f.scope(&core::TConfRecord::mSongInActivArtist);
    f.browser().searchTextChanged("m");
    EXPECT_EQ(f.items(Panel::Songs), (Items{"1. Money"}));
    f.browser().orderSongsByNumber(false);
    EXPECT_EQ(f.items(Panel::Songs), Items{"1. Money"});
    EXPECT_EQ(BrowserFixture::titles(f.browser().songPanelRows()), Items{"Money"});
    f.browser().sendToPlaylist(Panel::Songs, 1);
    EXPECT_EQ(f.sent.size(), 2u) << "no stale row past the matches";
}

TEST(SongSearch, ClearingTheTextPerScope) {
    struct Case {
        bool core::TConfRecord::*scope;
        std::size_t albums;
        Items songs;
    };
    const Case cases[] = {
        {&core::TConfRecord::mSongInAllLibrary, 0, {}},
        {&core::TConfRecord::mSongInActivArtist, 2, {}},
        {&core::TConfRecord::mAlbomInAllLibrary, 0, {}},
        {&core::TConfRecord::mAlbomInActivArtist, 0, {}},
        {&core::TConfRecord::mSongInActiveAlbum, 2, {"1. Dancing Queen", "2. Money"}},
    };
    for (const Case& c : cases) {
        SearchFixture f;
        f.browser().selectArtist("ABBA");
        f.browser().selectAlbum("Arrival", SelectedBy::Mouse);
        f.scope(c.scope);
        f.browser().searchTextChanged("");
        EXPECT_EQ(f.items(Panel::Albums).size(), c.albums);
        EXPECT_EQ(f.items(Panel::Songs), c.songs);
    }
}

TEST(SongSearch, InActiveAlbum) {
    SearchFixture f;
    f.browser().selectArtist("ABBA");
    f.browser().selectAlbum("Arrival", SelectedBy::Mouse);
    f.scope(&core::TConfRecord::mSongInActiveAlbum);
    f.browser().searchTextChanged("mo");
    EXPECT_EQ(f.items(Panel::Songs), Items{"1. Money"});
}

TEST(SongSearch, NoScopeDoesNothing) {
    SearchFixture f;
    f.scope(nullptr);
    f.browser().searchTextChanged("ab");
    EXPECT_EQ(f.items(Panel::Right).size(), 3u);
}

TEST(AllSongsTable, ReadAgainAfterTheArtistPanelsRefill) {
    SearchFixture f;
    f.scope(&core::TConfRecord::mSongInAllLibrary);
    f.browser().searchTextChanged("New");
    EXPECT_TRUE(f.items(Panel::Songs).empty());
    writeLibrary(f.dir.path(), "LB1", {{"Y", "B", "New Song"}});
    f.browser().searchTextChanged("New");
    EXPECT_TRUE(f.items(Panel::Songs).empty()) << "kept until the panels refill";
    f.browser().readArtistList();
    f.browser().searchTextChanged("New");
    EXPECT_EQ(f.items(Panel::Songs), Items{"1. New Song"});
}

} // namespace
} // namespace kavrel::library::browser::test
