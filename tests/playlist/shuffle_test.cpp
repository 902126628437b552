#include "playlist/fake_library.h"
#include "playlist/playback_fixture.h"
#include "playlist/repeat_and_marks.h"
#include "playlist/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kavrel::test {
namespace {

using namespace playlist;

std::vector<TrackRow> songsBy(const std::vector<std::string>& artists) {
    std::vector<TrackRow> rows;
    for (std::size_t i = 0; i < artists.size(); ++i) {
        rows.push_back(songRow(static_cast<int>(i + 1)));
        rows.back()[0] = artists[i];
    }
    return rows;
}

class ShuffleTest : public ::testing::Test, protected PlaybackFixture {
protected:
    FakeLibrary library;
    Shuffler shuffler{control, library};
};

TEST(ShuffleCountTest, CeilingOfTheShareClampedToTheWhole) {
    EXPECT_EQ(shuffleCount(10, 0.25), 3);
    EXPECT_EQ(shuffleCount(10, 0.3), 3);
    EXPECT_EQ(shuffleCount(10, 1.5), 10);
    EXPECT_EQ(shuffleCount(10, 0.0), 0);
    EXPECT_EQ(shuffleCount(10, -1.0), 0);
    EXPECT_EQ(shuffleCount(0, 0.5), 0);
    EXPECT_EQ(shuffleCount(3, 0.01), 1);
    EXPECT_EQ(shuffleCount(100, 0.07), 7) << "7.000000000000001 in binary";
}

TEST(ShuffleSelectTest, AnyLetterOfTheGroupCounts) {
    const auto songs = songsBy({"Кино", "50 Cent", "123", "Ария & Kipelov", "Я"});
    const auto artistsOf = [](const std::vector<TrackRow>& rows) {
        std::vector<std::string> out;
        for (const auto& row : rows)
            out.push_back(row[0]);
        return out;
    };
    EXPECT_EQ(artistsOf(selectLibrarySongs(songs, LibraryPart::Russian)),
              (std::vector<std::string>{"Кино", "Ария & Kipelov", "Я"}));
    EXPECT_EQ(artistsOf(selectLibrarySongs(songs, LibraryPart::English)),
              (std::vector<std::string>{"50 Cent", "Ария & Kipelov"}));
    EXPECT_EQ(selectLibrarySongs(songs, LibraryPart::All).size(), 5u);
}

TEST(ShareCaptionTest, CutOnlyAtTheBracket) {
    EXPECT_EQ(shareCaption("From librury (25%)", "40"), "From librury (40%)");
    EXPECT_EQ(shareCaption("From librury", "40"), "From librury (40%)");
    EXPECT_EQ(shareCaption("(x)", "5"), "(x) (5%)");
}

TEST_F(ShuffleTest, ThePlayListSourceReordersTheSameRowsAndPlaysRowOne) {
    load(5);
    control.PlayRow(4);
    shuffler.Shuffle(ShuffleSource::PlayList, {});
    auto shuffled = titles(list());
    EXPECT_EQ(list().Count(), 5);
    std::sort(shuffled.begin(), shuffled.end());
    EXPECT_EQ(shuffled, titles(listOf(5)));
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(engine.calls.back(), "Play " + list().row(1)[10] + " 0");
    EXPECT_EQ(view.items, titles(list()));
    EXPECT_EQ(state.active.Undo->Count(), 5);
}

TEST_F(ShuffleTest, LibraryPartsDrawTheirShareOfDistinctSongs) {
    library.all = songsBy({"Кино", "Abba", "Ария", "Queen", "ДДТ", "Muse", "Сплин", "Blur", "Чайф", "Pulp"});
    shuffler.Shuffle(ShuffleSource::RussianArtists, {.russianArtists = 0.5});
    ASSERT_EQ(list().Count(), 3) << "ceil(5 x 0.5)";
    std::set<std::string> artists;
    for (int i = 1; i <= 3; ++i)
        artists.insert(list().row(i)[0]);
    EXPECT_EQ(artists.size(), 3u);
    for (const auto& artist : artists)
        EXPECT_TRUE(std::string("Кино Ария ДДТ Сплин Чайф").find(artist) != std::string::npos) << artist;

    shuffler.Shuffle(ShuffleSource::Library100, {});
    EXPECT_EQ(list().Count(), 10);
    shuffler.Shuffle(ShuffleSource::Library, {.library = 7.0});
    EXPECT_EQ(list().Count(), 10) << "a share above 100 % is 100 %";
}

TEST_F(ShuffleTest, NothingToDrawLeavesTheListAsItWas) {
    load(3);
    control.PlayRow(2);
    const auto before = engine.calls.size();
    shuffler.Shuffle(ShuffleSource::ActiveArtist, {.activeArtist = 1.0});
    shuffler.Shuffle(ShuffleSource::ActiveAlbum, {.activeAlbum = 1.0});
    library.all = songsBy({"Abba"});
    shuffler.Shuffle(ShuffleSource::RussianArtists100, {});
    shuffler.Shuffle(ShuffleSource::Library, {.library = 0.0});
    EXPECT_EQ(list().Count(), 3);
    EXPECT_EQ(list().CurrentIndex, 2);
    EXPECT_EQ(engine.calls.size(), before);
    EXPECT_TRUE(state.active.Undo) << "the undo copy was taken";

    library.selected = true;
    library.artist = songsBy({"A", "A", "A", "A"});
    shuffler.Shuffle(ShuffleSource::ActiveArtist, {.activeArtist = 0.5});
    EXPECT_EQ(list().Count(), 2);
}

TEST_F(ShuffleTest, RepeatButtonAndMenuPair) {
    RepeatControl repeat(control);
    repeat.RepeatButtonClick();
    EXPECT_EQ(view.repeatButton, kButtonOn);
    repeat.RepeatButtonClick();
    EXPECT_EQ(view.repeatButton, kButtonOff);
    EXPECT_TRUE(state.settings.mRepeatOneSong) << "the menu choice stays";

    repeat.RepeatMenuClick(Check::RepeatAllPlayList);
    EXPECT_TRUE(state.settings.mRepeatAllPlayList);
    EXPECT_FALSE(state.settings.mRepeatOneSong);
    repeat.RepeatMenuClick(Check::RepeatAllPlayList);
    EXPECT_FALSE(state.settings.mRepeatAllPlayList);
    EXPECT_FALSE(view.checks[Check::RepeatAllPlayList]);
}

TEST_F(ShuffleTest, MarksLoopBetweenTheEarlierAndTheLaterPoint) {
    MarkControl marks(control);
    load(1, 200000);
    control.PlayRow(1);
    const auto markAt = [&](int ms) {
        engine.position = ms;
        poll();
        marks.MarkClick();
    };
    markAt(100000);
    // slider 100 of 200 on a 468-wide slider at 100: round(100 x 400 / 200) + 100 + 17 = 317
    EXPECT_EQ(view.markLabels[MarkLabel::Left], 317 - 10);
    markAt(50000);
    EXPECT_EQ(list().MarkA, 50000);
    EXPECT_EQ(list().MarkB, 100000);
    EXPECT_EQ(view.markLabels[MarkLabel::Right], 307) << "MarkR takes MarkL's place";
    EXPECT_EQ(view.markLabels[MarkLabel::Left], 217 - 10);

    engine.position = 100200;
    poll();
    EXPECT_EQ(engine.calls.back(), "SetPosition 50000");
    EXPECT_EQ(view.slider, 50);

    marks.MarkClick();
    EXPECT_EQ(list().MarkB, 0);
    EXPECT_TRUE(view.markLabels.empty());
}

TEST_F(ShuffleTest, AMarkOnATrackOfNoLengthSitsAtTheStart) {
    MarkControl marks(control);
    load(1, 0);
    control.PlayRow(1);
    engine.position = 3000;
    poll();
    marks.MarkClick();
    EXPECT_EQ(view.markLabels[MarkLabel::Left], 100 + 17 - 10);
}

} // namespace
} // namespace kavrel::test
