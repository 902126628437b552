#include "metadata/id3v1.h"

#include <gtest/gtest.h>

#include "byte_builders.h"
#include "metadata/id3v1_genres.h"
#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

using test::id3v1Tag;

TID3v1 readBytes(const std::string& bytes) {
    MemorySource source(bytes);
    TID3v1 tag;
    EXPECT_TRUE(tag.Load(source));
    return tag;
}

struct VersionCase {
    const char* name;
    std::string comment; // the 30 comment bytes, 125 and 126 included
    std::uint8_t versionId;
    std::uint8_t track;
    std::string commentText;
    friend void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }
};

class MetadataId3v1Version : public testing::TestWithParam<VersionCase> {};

TEST_P(MetadataId3v1Version, DecidesVersionTrackAndCommentFromBytes125And126) {
    const auto& c = GetParam();
    const TID3v1 tag = readBytes(std::string(300, '\x11') + id3v1Tag("t", "a", "b", "2000", c.comment, 17));
    EXPECT_TRUE(tag.Exists());
    EXPECT_EQ(tag.VersionId(), c.versionId);
    EXPECT_EQ(tag.Track(), c.track);
    EXPECT_EQ(tag.Comment(), c.commentText);
    EXPECT_EQ(tag.GenreId(), 17);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MetadataId3v1Version,
    testing::Values(VersionCase{"ZeroThenTrack", std::string("Twenty-eight characters here") + '\0' + '\x07',
                                2, 7, "Twenty-eight characters here"},
                    VersionCase{"ZeroThenZero", std::string("comment") + std::string(23, '\0'), 1, 0,
                                "comment"},
                    VersionCase{"SpaceThenDigit", std::string(28, 'c') + " 5", 2, 0x35, std::string(28, 'c')},
                    VersionCase{"SpaceThenSpace", std::string(28, 'c') + "  ", 1, 0, std::string(28, 'c')},
                    VersionCase{"ThirtyCharacterComment", std::string(30, 'x'), 1, 0, std::string(30, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MetadataId3v1, FieldsLoseTrailingPaddingButKeepInnerZeroBytes) {
    const TID3v1 tag = readBytes(id3v1Tag("Title   ", std::string("Art\0ist", 7), "Album", "1999", "", 0));
    EXPECT_EQ(tag.Title(), "Title");
    EXPECT_EQ(tag.Artist(), std::string("Art\0ist", 7));
    EXPECT_EQ(tag.Album(), "Album");
    EXPECT_EQ(tag.Year(), "1999");
}

TEST(MetadataId3v1, LegacyEightBitTextBecomesUtf8) {
    // "Кино" in Windows-1251; "Café" in Windows-1252; UTF-8 stays as it is.
    const TID3v1 tag = readBytes(id3v1Tag("\xCA\xE8\xED\xEE", "Caf\xE9", "\xC3\xA9t\xC3\xA9", "", "", 0));
    EXPECT_EQ(tag.Title(), "Кино");
    EXPECT_EQ(tag.Artist(), "Café");
    EXPECT_EQ(tag.Album(), "été");
}

TEST(MetadataId3v1, Utf8CutByTheFieldWidthLosesOnlyTheCutCharacter) {
    // 14 Cyrillic letters (28 bytes), "a", and the first byte of a 15th letter.
    const std::string cut = std::string("ПриветМирВсемД") + "a" + "\xD0";
    ASSERT_EQ(cut.size(), 30u);
    EXPECT_EQ(readBytes(id3v1Tag(cut, "Caf\xE9", "", "", "", 0)).Title(), "ПриветМирВсемДa");
    // A lone lead byte after plain ASCII is legacy text, not cut UTF-8.
    EXPECT_EQ(readBytes(id3v1Tag("Caf\xE9", "", "", "", "", 0)).Title(), "Café");
}

TEST(MetadataId3v1, BytesThatBeginNoCharacterMakeTheFieldLegacyText) {
    // E0 80 can only begin an overlong form and F8 begins nothing: neither is a character cut short.
    EXPECT_EQ(readBytes(id3v1Tag("a\xC3\xA9\xE0\x80", "", "", "", "", 0)).Title(), "aÃ©à€");
    EXPECT_EQ(readBytes(id3v1Tag("x\xC3\xA9\xF8", "", "", "", "", 0)).Title(), "xÃ©ø");
}

TEST(MetadataId3v1, FileWithoutTagReadsWithNothingFound) {
    const TID3v1 tag = readBytes(std::string(200, 'x'));
    EXPECT_FALSE(tag.Exists());
    EXPECT_EQ(tag.VersionId(), 1);
    EXPECT_EQ(tag.GenreId(), 255);
    EXPECT_EQ(tag.Title(), "");
}

TEST(MetadataId3v1, ShortOrMissingFileFailsAndLeavesTheFieldsReset) {
    test::TempDir dir;
    test::writeFile(dir / "short.mp3", id3v1Tag("t", "a", "b", "2000", "", 1).substr(1));
    TID3v1 tag;
    EXPECT_FALSE(tag.LoadFromFile(dir / "short.mp3"));
    EXPECT_FALSE(tag.Exists());
    EXPECT_FALSE(tag.LoadFromFile(dir / "missing.mp3"));
    EXPECT_FALSE(tag.LoadFromFile(dir.path()));

    test::writeFile(dir / "tag.mp3", id3v1Tag("t", "a", "b", "2000", "", 1));
    EXPECT_TRUE(tag.LoadFromFile(dir / "tag.mp3"));
    EXPECT_EQ(tag.Title(), "t");
    // A failed load after a good one forgets the old tag.
    EXPECT_FALSE(tag.LoadFromFile(dir / "missing.mp3"));
    EXPECT_EQ(tag.Title(), "");
}

TEST(MetadataId3v1, RealEncoderTag) {
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadFromFile(test::fixture("metadata/cbr128_id3v1.mp3")));
    EXPECT_TRUE(tag.Exists());
    EXPECT_EQ(tag.VersionId(), 2);
    EXPECT_EQ(tag.Title(), "Cbr Title");
    EXPECT_EQ(tag.Artist(), "Cbr Artist");
    EXPECT_EQ(tag.Album(), "Cbr Album");
    EXPECT_EQ(tag.Year(), "1999");
    EXPECT_EQ(tag.Track(), 7);
    EXPECT_EQ(tag.GenreId(), 17);
}

TEST(MetadataId3v1Genres, TableRunsFromBluesToSynthpop) {
    EXPECT_EQ(id3v1GenreName(0), "Blues");
    EXPECT_EQ(id3v1GenreName(17), "Rock");
    EXPECT_EQ(id3v1GenreName(79), "Hard Rock");
    EXPECT_EQ(id3v1GenreName(80), "Folk");
    EXPECT_EQ(id3v1GenreName(147), "Synthpop");
    EXPECT_EQ(id3v1GenreName(148), std::nullopt);
    EXPECT_EQ(id3v1GenreName(255), std::nullopt);
}

} // namespace
} // namespace kavrel::metadata
