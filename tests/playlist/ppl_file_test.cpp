#include "playlist/playlist_fakes.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

const std::string kMagic = "KavrelPlayListFile&$$$!@@#!(&*&#^@%%@";

std::string songLine(const std::string& artist, const std::string& title, const std::string& path) {
    return artist + " endart Album endalb " + title +
           " endtit 1999 endyer Pop endgen 3 endtrk 128 endbit 215000"
           " enddur 44100 endsmr Joint Stereo endchm " +
           path + " endPth 3442000 endfln ";
}

TEST(PplFileTest, ReadsAFileWrittenFromTheFormat) {
    const std::string text = kMagic + "\r\nNoEmptyPlayList\r\n2\r\n1\r\n37\r\n" +
                             songLine("Abba", "SOS", "/m/a.mp3") + "\r\n" +
                             songLine("Кино", "Звезда", "/m/b.mp3") + "\r\n";
    const auto list = parsePlaylist(text);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->CurrentIndex, 2);
    EXPECT_EQ(list->PlayState, kPlaying);
    EXPECT_EQ(list->Position, 37000);
    const TrackRow& second = list->row(2);
    EXPECT_EQ(second[0], "Кино");
    EXPECT_EQ(second[2], "Звезда");
    EXPECT_EQ(second[7], "215000");
    EXPECT_EQ(second[9], "Joint Stereo");
    EXPECT_EQ(second[10], "/m/b.mp3");
    EXPECT_EQ(second[11], "3442000");
    EXPECT_EQ(second[12], "");
}

TEST(PplFileTest, AcceptsEveryLineEndDecimalPositionsAndLegacyText) {
    // Windows-1251 "Кино" as an old player wrote it, LF and CR line ends, a decimal position.
    const std::string text =
        kMagic + "\nNoEmptyPlayList\r1\n0\n2,5\n" + songLine("\xCA\xE8\xED\xEE", "T", "/x") + "\n";
    const auto list = parsePlaylist(text);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(list->Position, 2500);
    EXPECT_EQ(list->row(1)[0], "Кино");
}

TEST(PplFileTest, LeavesTheListAloneForMissingForeignAndEmptyFiles) {
    TempDir dir;
    EXPECT_FALSE(readPlaylistFile(dir / "missing.ppl"));
    EXPECT_FALSE(parsePlaylist(""));
    EXPECT_FALSE(parsePlaylist("SomeOtherFile\r\nNoEmptyPlayList\r\n1\r\n1\r\n0\r\n"));
    EXPECT_FALSE(parsePlaylist(kMagic + "\r\nEmptyPlayList\r\n"));
}

TEST(PplFileTest, OutOfRangeHeaderValuesAndBadColumnsReadSafely) {
    struct Case {
        std::string index, state;
        int expectedIndex, expectedState;
    };
    for (const Case& c :
         {Case{"3", "1", 0, 1}, Case{"-1", "2", 0, 2}, Case{"1", "7", 1, 0}, Case{"2", "-1", 2, 0}}) {
        const std::string text = kMagic + "\r\nNoEmptyPlayList\r\n" + c.index + "\r\n" + c.state +
                                 "\r\n0\r\n" + songLine("A", "1", "/1") + "\r\n" + songLine("B", "2", "/2") +
                                 "\r\n";
        const auto list = parsePlaylist(text);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->CurrentIndex, c.expectedIndex) << c.index;
        EXPECT_EQ(list->PlayState, c.expectedState) << c.state;
    }
    TrackRow row = songRow(1);
    row[7] = "3 min";
    row[11] = "";
    EXPECT_EQ(columnNumber(row, 7), 0);
    EXPECT_EQ(columnNumber(row, 11), 0);
}

TEST(PplFileTest, ANonNumericHeaderIsAnErrorNamingTheFile) {
    TempDir dir;
    writeFile(dir / "bad.ppl", kMagic + "\r\nNoEmptyPlayList\r\nfirst\r\n1\r\n0\r\n");
    try {
        readPlaylistFile(dir / "bad.ppl");
        FAIL() << "no error";
    } catch (const PlaylistFileError& error) {
        EXPECT_NE(std::string(error.what()).find("bad.ppl"), std::string::npos) << error.what();
    }
    EXPECT_THROW(parsePlaylist(kMagic + "\r\nNoEmptyPlayList\r\n1\r\n1\r\nnan\r\n"), PlaylistFileError);
    EXPECT_THROW(parsePlaylist(kMagic + "\r\nNoEmptyPlayList\r\n1\r\n"), PlaylistFileError);
}

TEST(PplFileTest, TextHoldingATagSplitsThere) {
    const std::string line =
        "Band endalb X endart Album endalb T endtit 1 endyer G endgen 1 endtrk 1 endbit 1"
        " enddur 1 endsmr S endchm /p endPth 1 endfln ";
    const auto list = parsePlaylist(kMagic + "\r\nNoEmptyPlayList\r\n0\r\n0\r\n0\r\n" + line + "\r\n");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->row(1)[0], "Band endalb X");
    EXPECT_EQ(list->row(1)[1], "Album");
}

TEST(PplFileTest, WritesTheFormatByteForByte) {
    EXPECT_EQ(formatPlaylist(TPlist{}), kMagic + "\r\nEmptyPlayList\r\n");

    TPlist list;
    list.Rows.push_back({"Abba", "Album", "SOS", "1999", "Pop", "3", "128", "215000", "44100", "Joint Stereo",
                         "/m/a.mp3", "3442000", "not written"});
    list.CurrentIndex = 1;
    list.PlayState = kPaused;
    for (const int ms : {1500, 2500}) {
        list.Position = ms;
        EXPECT_EQ(formatPlaylist(list), kMagic + "\r\nNoEmptyPlayList\r\n1\r\n2\r\n2\r\n" +
                                            songLine("Abba", "SOS", "/m/a.mp3") + "\r\n");
    }
}

TEST(PplFileTest, WhatIsWrittenReadsBackAndReplacesTheFileWhole) {
    TempDir dir;
    TPlist list = listOf(3);
    list.CurrentIndex = 3;
    list.PlayState = kPlaying;
    list.Position = 61000;
    writeFile(dir / "pl.ppl", "old content");
    writePlaylistFile(dir / "pl.ppl", list);
    const auto back = readPlaylistFile(dir / "pl.ppl");
    ASSERT_TRUE(back);
    EXPECT_EQ(titles(*back), titles(list));
    EXPECT_EQ(back->CurrentIndex, 3);
    EXPECT_EQ(back->Position, 61000);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(back->row(i), list.row(i));
}

TEST(PplFileTest, SaveNamesGetTheExtensionOnce) {
    EXPECT_EQ(playlistFileName("/home/u/mix"), "/home/u/mix.ppl");
    EXPECT_EQ(playlistFileName("/home/u/mix.ppl"), "/home/u/mix.ppl");
}

} // namespace
} // namespace kavrel::test
