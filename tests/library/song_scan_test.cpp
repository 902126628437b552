#include "library/song_scan.h"

#include <gtest/gtest.h>

#include "../metadata/byte_builders.h"
#include "support/temp_dir.h"

namespace kavrel::library {
namespace {

using namespace kavrel::test;

std::string latin1(std::string_view text) {
    return std::string(1, '\0') + std::string(text);
}

std::string mp3Frames(std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += mpegFrame(kMpeg1Layer3Stereo128, 417);
    return out;
}

SongColumns scanBytes(const std::filesystem::path& name, const std::string& bytes) {
    TempDir dir;
    writeFile(dir / name.string(), bytes);
    SongReaders readers;
    const auto song = scanSongFile(dir / name.string(), readers);
    EXPECT_TRUE(song && song->opened);
    SongColumns columns = splitSongLine(song ? song->songLine : "");
    columns[kPathColumn] = std::filesystem::path(columns[kPathColumn]).filename().string();
    return columns;
}

struct FixtureCase {
    const char* fixture;
    SongColumns expected; // the path column holds the file name
    friend void PrintTo(const FixtureCase& c, std::ostream* os) { *os << c.fixture; }
};

class LibrarySongScanFixtures : public testing::TestWithParam<FixtureCase> {};

TEST_P(LibrarySongScanFixtures, RealFilesGiveTheirSongLines) {
    const auto path = fixture(std::string("metadata/") + GetParam().fixture);
    SongReaders readers;
    const auto song = scanSongFile(path, readers);
    ASSERT_TRUE(song && song->opened);
    SongColumns expected = GetParam().expected;
    expected[kPathColumn] = path.string();
    if (expected[kTitleColumn] == "path")
        expected[kTitleColumn] = path.string();
    expected[kFileSizeColumn] = std::to_string(std::filesystem::file_size(path));
    EXPECT_EQ(splitSongLine(song->songLine), expected);
    EXPECT_EQ(song->songLine, joinSongLine(expected));
    EXPECT_EQ(song->fileSize, std::filesystem::file_size(path));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibrarySongScanFixtures,
    testing::Values(FixtureCase{"cbr128_id3v1.mp3",
                                {"Cbr Artist", "Cbr Album", "Cbr Title", "1999", "", "7", "128", "575",
                                 "44100", "Joint Stereo"}},
                    FixtureCase{"cbr64_both_tags.mp3",
                                {"Both Artist", "Unsorted", "Both Title", "", "", "4", "64", "576", "24000",
                                 "Joint Stereo"}},
                    FixtureCase{"id3v24_utf8.mp3",
                                {"Кино", "Группа крови", "Привет мир", "1988", "Rock", "2", "96", "549",
                                 "44100", "Joint Stereo"}},
                    FixtureCase{"vbr_xing_id3v2.mp3",
                                {"Vbr Artist", "Vbr Album", "Vbr Title", "2003", "Rock", "3", "40", "1045",
                                 "44100", "Joint Stereo"}},
                    FixtureCase{"mpeg2_mono.mp3",
                                {"Unknown", "Unsorted", "path", "", "", "0", "32", "575", "22050", "Mono"}},
                    FixtureCase{"vorbis_stereo.ogg",
                                {"Ogg Artist", "Ogg Album", "Ogg Title", "2001", "Jazz", "7", "52", "1000",
                                 "44100", "Stereo"}},
                    FixtureCase{"vorbis_mono.ogg",
                                {"Артист", "Unsorted", "Моно", "", "", "0", "65", "500", "22050", "Mono"}},
                    FixtureCase{"wmav2_tagged.wma",
                                {"Wma Artist", "Wma Album", "Wma Title", "2005", "Pop", "6", "64", "1314",
                                 "44100", "Stereo"}}),
    [](const auto& info) {
        std::string name = info.param.fixture;
        for (char& c : name)
            if (c == '.')
                c = '_';
        return name;
    });

TEST(LibrarySongScan, Id3v2ValuesWinAndId3v1FillsTheGaps) {
    const std::string v2 =
        id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("V2 Title")) + id3v2Frame(3, "TCON", latin1("Pop")));
    const SongColumns c = scanBytes("song.mp3", v2 + mp3Frames(20) +
                                                    id3v1Tag("V1 Title", "V1 Artist", "V1 Album", "1999",
                                                             std::string(28, ' ') + '\0' + '\x05', 17));
    EXPECT_EQ(c[kTitleColumn], "V2 Title");
    EXPECT_EQ(c[kArtistColumn], "V1 Artist");
    EXPECT_EQ(c[kAlbumColumn], "V1 Album");
    EXPECT_EQ(c[kYearColumn], "1999");
    EXPECT_EQ(c[kGenreColumn], "Pop");
    EXPECT_EQ(c[kTrackColumn], "5"); // no track frame: the ID3v1.1 track stays
}

TEST(LibrarySongScan, GenreComesOnlyFromId3v2) {
    const SongColumns c = scanBytes("song.mp3", mp3Frames(20) + id3v1Tag("T", "A", "B", "1999", "", 17));
    EXPECT_EQ(c[kGenreColumn], "");
    EXPECT_EQ(c[kTrackColumn], "0");
}

TEST(LibrarySongScan, LineBreaksAndZeroBytesInTagsBecomeBlanks) {
    const std::string v2 = id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("Two\r\nLines")) +
                                           id3v2Frame(3, "TPE1", latin1(std::string("Zero\0Byte", 9))));
    const SongColumns c = scanBytes("song.mp3", v2 + mp3Frames(20));
    EXPECT_EQ(c[kTitleColumn], "Two  Lines");
    EXPECT_EQ(c[kArtistColumn], "Zero Byte");
}

TEST(LibrarySongScan, YearMustBeDigitsOnly) {
    auto year = [](std::string_view text) {
        return scanBytes("song.mp3",
                         id3v2Tag(3, id3v2Frame(3, "TYER", latin1(text))) + mp3Frames(20))[kYearColumn];
    };
    EXPECT_EQ(year("2003"), "2003");
    EXPECT_EQ(year("2003/1"), "");
    EXPECT_EQ(year("ca. 1970"), "");
    EXPECT_EQ(year("1999a"), "");
    EXPECT_EQ(year(std::string("19\0"
                               "99",
                               5)),
              "");
}

TEST(LibrarySongScan, UntaggedUnreadableFileGetsTheDefaults) {
    const SongColumns c = scanBytes("noise.MP3", std::string(5000, '\x01'));
    EXPECT_EQ(c[kArtistColumn], "Unknown");
    EXPECT_EQ(c[kAlbumColumn], "Unsorted");
    EXPECT_NE(c[kTitleColumn].find("noise.MP3"), std::string::npos);
    EXPECT_EQ(c[kTrackColumn], "0");
    EXPECT_EQ(c[kBitRateColumn], "0");
    EXPECT_EQ(c[kDurationColumn], "0");
    EXPECT_EQ(c[kSampleRateColumn], "");
    EXPECT_EQ(c[kChannelModeColumn], "");
    EXPECT_EQ(c[kFileSizeColumn], "5000");
}

TEST(LibrarySongScan, OnlyTheThreeExtensionsAreScanned) {
    EXPECT_EQ(songKindOf("a/b.Mp3"), SongKind::Mpeg);
    EXPECT_EQ(songKindOf("a/b.OGG"), SongKind::OggVorbis);
    EXPECT_EQ(songKindOf("a/b.wma"), SongKind::Wma);
    EXPECT_EQ(songKindOf("a/b.flac"), std::nullopt);
    EXPECT_EQ(songKindOf("a/mp3"), std::nullopt);
    SongReaders readers;
    EXPECT_EQ(scanSongFile(fixture("metadata/make_fixtures.sh"), readers), std::nullopt);
    const auto missing = scanSongFile("/nonexistent/song.mp3", readers);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->opened);
}

TEST(LibrarySongScan, TagLargerThanTheCachedHeadIsReadThroughTheFile) {
    const std::string picture = id3v2Frame(3, "APIC", std::string(100000, '\x77'));
    const std::string tag = id3v2Tag(3, picture + id3v2Frame(3, "TIT2", latin1("After The Picture")));
    const SongColumns c = scanBytes("big.mp3", tag + mp3Frames(20));
    EXPECT_EQ(c[kTitleColumn], "After The Picture");
    EXPECT_EQ(c[kBitRateColumn], "128");
    EXPECT_EQ(c[kSampleRateColumn], "44100");
}

TEST(LibrarySongScan, SharedFileGivesTheSameLinesAsOneOpenPerReader) {
    for (const auto& entry : std::filesystem::directory_iterator(fixture("metadata"))) {
        const auto kind = songKindOf(entry.path());
        if (!kind)
            continue;
        SongReaders shared, separate;
        const auto song = scanSongFile(entry.path(), shared);
        const std::string path = entry.path().string();
        const auto columns = scanSongColumns(*kind, path, std::filesystem::file_size(entry.path()), separate,
                                             [&](auto& reader) { return reader.LoadFromFile(entry.path()); });
        EXPECT_EQ(song->songLine, joinSongLine(columns)) << path;
    }
}

} // namespace
} // namespace kavrel::library
