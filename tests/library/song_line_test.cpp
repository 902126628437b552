#include "library/song_line.h"

#include <gtest/gtest.h>

namespace kavrel::library {
namespace {

SongColumns sample() {
    return {"Artist", "Album", "Title", "1999",         "Rock",         "7",
            "128",    "575",   "44100", "Joint Stereo", "/music/a.mp3", "9322"};
}

TEST(LibrarySongLine, JoinsEveryColumnWithItsTagAndSplitsBack) {
    const std::string line = joinSongLine(sample());
    EXPECT_EQ(
        line,
        "Artist endart Album endalb Title endtit 1999 endyer Rock endgen 7 endtrk 128 endbit 575 enddur "
        "44100 endsmr Joint Stereo endchm /music/a.mp3 endPth 9322 endfln ");
    EXPECT_EQ(splitSongLine(line), sample());
    SongColumns empty;
    EXPECT_EQ(splitSongLine(joinSongLine(empty)), empty);
}

TEST(LibrarySongLine, ColumnHoldingTheNextTagIsCutThereAndTheRestShift) {
    SongColumns columns = sample();
    columns[kArtistColumn] = "Odd endalb Name";
    const SongColumns split = splitSongLine(joinSongLine(columns));
    EXPECT_EQ(split[kArtistColumn], "Odd endalb Name");
    columns = sample();
    columns[kAlbumColumn] = "Odd endalb Album";
    const SongColumns shifted = splitSongLine(joinSongLine(columns));
    EXPECT_EQ(shifted[kAlbumColumn], "Odd");
    EXPECT_EQ(shifted[kTitleColumn], "Album endalb Title");
}

TEST(LibrarySongLine, MissingTagGivesAnEmptyColumnAndLaterColumnsStillRead) {
    const SongColumns split =
        splitSongLine("Artist endart Album endalb Title endtit  endgen 7 endtrk trailing");
    EXPECT_EQ(split[kArtistColumn], "Artist");
    EXPECT_EQ(split[kTitleColumn], "Title");
    EXPECT_EQ(split[kYearColumn], "");
    EXPECT_EQ(split[kGenreColumn], "");
    EXPECT_EQ(split[kTrackColumn], "7");
    EXPECT_EQ(split[kFileSizeColumn], "");
}

TEST(LibrarySongLine, OtherTagSetsSplitTheSameWay) {
    constexpr std::string_view kArtistLineTags[] = {" endart ", " endafn "};
    std::array<std::string, 2> columns;
    splitTaggedLine("AC DC endart Artist3.pft endafn ", kArtistLineTags, columns);
    EXPECT_EQ(columns[0], "AC DC");
    EXPECT_EQ(columns[1], "Artist3.pft");
}

} // namespace
} // namespace kavrel::library
