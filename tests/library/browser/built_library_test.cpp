// The browser over a library written by the real build tool from the fixture tree.
#include <gtest/gtest.h>

#include <cstdlib>

#include "browser_fixture.h"

namespace kavrel::library::browser::test {
namespace {

using Items = std::vector<std::string>;

TEST(BuiltLibrary, BrowseAndSearch) {
    BrowserFixture f({});
    const auto tree = kavrel::test::fixture("library/tree");
    const std::string command = std::string(KAVREL_LIBRARY_TOOL) + " build --library '" +
                                (f.dir / "Library/LB1").string() + "' '" + (tree / "first").string() + "' '" +
                                (tree / "second").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    f.browser().readArtistList();
    EXPECT_EQ(f.items(Panel::Left), Items{"Кино"});
    EXPECT_EQ(f.items(Panel::Right), (Items{"ABBA", "AC DC", "Unknown"}));

    f.browser().selectArtistItem(Panel::Right, 0);
    EXPECT_EQ(f.items(Panel::Songs), (Items{"Dancing Queen", "Waterloo"}));
    EXPECT_EQ(f.items(Panel::Albums), (Items{"Gold", "Arrival"}));

    f.browser().selectArtistItem(Panel::Right, 1);
    f.browser().selectAlbumItem(0, SelectedBy::Mouse);
    EXPECT_EQ(f.items(Panel::Songs), (Items{"One", "Two", "Three"}));

    f.conf.mArtist = false;
    f.conf.mSongInAllLibrary = true;
    f.conf.mStartAt = false;
    f.browser().searchTextChanged("СЛОВ");
    EXPECT_EQ(f.items(Panel::Songs), Items{"1. Песня без слов"});
}

} // namespace
} // namespace kavrel::library::browser::test
