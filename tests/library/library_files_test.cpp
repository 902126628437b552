#include "library/library_files.h"

#include <gtest/gtest.h>

#include "library/artist_line.h"
#include "library/library_paths.h"
#include "support/temp_dir.h"

namespace kavrel::library {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(ArtistLine, JoinsAndSplitsWithItsTwoTags) {
    EXPECT_EQ(joinArtistLine("AC DC", artistFileName(12)), "AC DC endart Artist12.pft endafn ");
    const auto line = splitArtistLine("Кино endart Artist3.pft endafn trailing");
    EXPECT_EQ(line.artist, "Кино");
    EXPECT_EQ(line.artistFile, "Artist3.pft");
}

TEST(LibraryFiles, ReadsTheArtistListRowByRowWhateverTheLineEnds) {
    TempDir dir;
    writeFile(dir / "artname.pan", "A endart Artist1.pft endafn \r\nB endart Artist2.pft endafn \n\rC endart "
                                   "Artist3.pft endafn \r");
    TrackTable artists;
    ASSERT_TRUE(readArtistList(dir.path(), artists));
    ASSERT_EQ(artists.Count(), 4);
    EXPECT_EQ(artists[1][0], "A");
    EXPECT_EQ(artists[2][1], "Artist2.pft");
    EXPECT_EQ(artists[3][0], "") << "an empty line keeps its row";
    EXPECT_EQ(artists[4][1], "Artist3.pft");
    EXPECT_EQ(artists[0][0], "");
}

TEST(LibraryFiles, AMissingArtistListLeavesTheTableAsItWas) {
    TempDir dir;
    TrackTable artists;
    artists.append()[0] = "kept";
    EXPECT_FALSE(readArtistList(dir.path(), artists));
    EXPECT_EQ(artists.Count(), 1);
    EXPECT_EQ(artists[1][0], "kept");
}

TEST(LibraryFiles, FindsTheArtistFileByExactNameAndTheLastMatchWins) {
    TrackTable artists;
    for (const auto& [name, file] :
         {std::pair{"Abba", "Artist1.pft"}, {"ABBA", "Artist2.pft"}, {"Abba", "Artist3.pft"}}) {
        auto& row = artists.append();
        row[kArtistNameColumn] = name;
        row[kArtistFileColumn] = file;
    }
    EXPECT_EQ(findArtistFile(artists, "Abba"), "Artist3.pft");
    EXPECT_EQ(findArtistFile(artists, "ABBA"), "Artist2.pft");
    EXPECT_EQ(findArtistFile(artists, "abba"), "");
}

TEST(LibraryFiles, ReadsSongLinesAndShiftsAColumnHoldingTheNextTag) {
    TempDir dir;
    const std::string good =
        "Art endart Alb endalb Tit endtit 1999 endyer Rock endgen 1 endtrk 128 endbit 1000 "
        "enddur 44100 endsmr Stereo endchm /m/a.mp3 endPth 42 endfln ";
    // The album holds " endtit ", so reading cuts it there and every later column moves one place.
    const std::string shifted =
        "Art endart A endtit B endalb Tit endtit 1999 endyer  endgen 1 endtrk 128 endbit "
        "1000 enddur 44100 endsmr Stereo endchm /m/b.mp3 endPth 42 endfln ";
    // Windows-1251 "Кино" from an old library file.
    writeFile(dir / "Artist1.pft", good + "\r\n" + shifted + "\r\n\xCA\xE8\xED\xEE endart \r\n");
    TrackTable songs;
    ASSERT_EQ(readSongFile(dir / "Artist1.pft", songs), 3);
    EXPECT_EQ(songs[1][0], "Art");
    EXPECT_EQ(songs[1][10], "/m/a.mp3");
    EXPECT_EQ(songs[1][11], "42");
    EXPECT_EQ(songs[1][12], "");
    EXPECT_EQ(songs[2][1], "A endtit B");
    EXPECT_EQ(songs[2][2], "Tit");
    EXPECT_EQ(songs[3][0], "Кино");
    EXPECT_EQ(readSongFile(dir / "missing.pft", songs), 0);
    EXPECT_EQ(songs.Count(), 0);
}

TEST(LibraryPaths, LibraryFoldersTakeTheSpellingOnDiskAndUnknownNamesReadAsLB1) {
    TempDir dir;
    std::filesystem::create_directories(dir / "library" / "lb2");
    const fs::ProgramFolder program(dir.path());
    EXPECT_EQ(libraryFolder(program, "LB2"), dir / "library" / "lb2");
    EXPECT_EQ(libraryFolder(program, "../etc").filename(), "LB1");
}

} // namespace
} // namespace kavrel::library
