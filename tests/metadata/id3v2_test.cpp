#include "metadata/id3v2.h"

#include <gtest/gtest.h>

#include "byte_builders.h"
#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

using test::id3v2Frame;
using test::id3v2Tag;

const std::string kAudio = std::string(64, '\xAA');

TID3v2 readBytes(const std::string& bytes) {
    MemorySource source(bytes);
    TID3v2 tag;
    EXPECT_TRUE(tag.Load(source));
    return tag;
}

std::string latin1(std::string_view text) {
    return std::string(1, '\0') + std::string(text);
}
std::string utf16(std::string_view bom, std::u16string_view text, bool bigEndian = false) {
    std::string out;
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return std::string(bom) + out;
}

struct TextCase {
    const char* name;
    std::string tag;
    std::string title;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class MetadataId3v2Text : public testing::TestWithParam<TextCase> {};

TEST_P(MetadataId3v2Text, DecodesTheTitleToUtf8) {
    EXPECT_EQ(readBytes(GetParam().tag + kAudio).Title(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MetadataId3v2Text,
    testing::Values(
        TextCase{"Latin1Trimmed", id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("  Song  "))), "Song"},
        TextCase{"Windows1251", id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("\xCF\xE5\xF1\xED\xFF"))), "Песня"},
        TextCase{
            "Utf16LittleEndianMark",
            id3v2Tag(3, id3v2Frame(3, "TIT2", "\x01" + utf16("\xFF\xFE", u"Zoë ÿ") + std::string(2, '\0'))),
            "Zoë ÿ"},
        TextCase{"Utf16BigEndianMark",
                 id3v2Tag(3, id3v2Frame(3, "TIT2", "\x01" + utf16("\xFE\xFF", u"Кино", true))), "Кино"},
        TextCase{"Utf16BigEndianEncoding",
                 id3v2Tag(4, id3v2Frame(4, "TIT2", "\x02" + utf16("", u"Кино", true))), "Кино"},
        TextCase{"Utf8Encoding", id3v2Tag(4, id3v2Frame(4, "TIT2", "\x03Привет\0")), "Привет"},
        TextCase{"Utf8CutAt500Bytes",
                 id3v2Tag(4, id3v2Frame(4, "TIT2", "\x03" + std::string(498, 'x') + "Жж")),
                 std::string(498, 'x')},
        TextCase{"FallbackContentGroup", id3v2Tag(3, id3v2Frame(3, "TIT1", latin1("Group"))), "Group"},
        TextCase{
            "LaterFrameReplacesEarlier",
            id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("First")) + id3v2Frame(3, "TIT2", latin1("Second"))),
            "Second"},
        TextCase{"FlaggedFrameIgnored",
                 id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("Plain")) +
                                 id3v2Frame(3, "TIT2", latin1("Packed"), 0x80)),
                 "Plain"},
        TextCase{"Version2ShortHeaders",
                 id3v2Tag(2, id3v2Frame(2, "TP1", latin1("Artist")) + id3v2Frame(2, "TT2", latin1("Two"))),
                 "Two"},
        TextCase{
            "ExtendedHeaderStopsFrames",
            id3v2Tag(3, std::string("\0\0\0\x06\0\0", 6) + id3v2Frame(3, "TIT2", latin1("Hidden")), 0x40),
            ""},
        TextCase{"FrameOver500BytesCutAndNextFound",
                 id3v2Tag(3, id3v2Frame(3, "TCOM", latin1(std::string(700, 'c'))) +
                                 id3v2Frame(3, "TIT2", latin1("After"))),
                 "After"},
        TextCase{"PaddingEndsFrames",
                 id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("Pad")) + std::string(100, '\0')), "Pad"},
        TextCase{"Version4SyncsafeSize",
                 id3v2Tag(4, id3v2Frame(4, "TCOM", latin1(std::string(300, 'c'))) +
                                 id3v2Frame(4, "TIT2", latin1("Safe"))),
                 "Safe"},
        TextCase{"Version4PlainSizeWriterBug",
                 id3v2Tag(4, id3v2Frame(3, "TCOM", latin1(std::string(300, 'c'))) +
                                 id3v2Frame(3, "TIT2", latin1("Plain"))),
                 "Plain"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MetadataId3v2, FieldRules) {
    const std::string body =
        id3v2Frame(3, "TRCK", latin1("3/12")) + id3v2Frame(3, "TCON", latin1("(17)Rock")) +
        id3v2Frame(3, "TDRC", latin1("2003-05-01")) + id3v2Frame(3, "TOPE", latin1("Original")) +
        id3v2Frame(3, "TALB", latin1("Album")) + id3v2Frame(3, "TOAL", latin1("Old Album")) +
        id3v2Frame(3, "COMM", std::string("\0eng", 4) + "desc" + '\0' + "The comment") +
        id3v2Frame(3, "WXXX", std::string("\0", 1) + "home" + '\0' + "http://example.org") +
        id3v2Frame(3, "TCOM", latin1("Composer")) + id3v2Frame(3, "TENC", latin1("Encoder")) +
        id3v2Frame(3, "TCOP", latin1("Copyright")) + id3v2Frame(3, "TLAN", latin1("eng"));
    const TID3v2 tag = readBytes(id3v2Tag(3, body) + kAudio);
    EXPECT_TRUE(tag.Exists());
    EXPECT_EQ(tag.VersionId(), 3);
    EXPECT_EQ(tag.Size(), static_cast<std::int32_t>(body.size() + 10));
    EXPECT_EQ(tag.Track(), 3);
    EXPECT_EQ(tag.TrackText(), "3/12");
    EXPECT_EQ(tag.Genre(), "Rock");
    EXPECT_EQ(tag.Year(), "2003");
    EXPECT_EQ(tag.Artist(), "Original");
    EXPECT_EQ(tag.Album(), "Album");
    EXPECT_EQ(tag.Comment(), "The comment");
    EXPECT_EQ(tag.Link(), "http://example.org");
    EXPECT_EQ(tag.Composer(), "Composer");
    EXPECT_EQ(tag.Encoder(), "Encoder");
    EXPECT_EQ(tag.Copyright(), "Copyright");
    EXPECT_EQ(tag.Language(), "eng");
}

TEST(MetadataId3v2, TrackAndGenreEdgeCases) {
    auto read = [](std::string_view track, std::string_view genre) {
        return readBytes(
            id3v2Tag(3, id3v2Frame(3, "TRCK", latin1(track)) + id3v2Frame(3, "TCON", latin1(genre))) +
            kAudio);
    };
    EXPECT_EQ(read("A3", "Rock").Track(), 0);
    EXPECT_EQ(read("A3", "Rock").Genre(), "Rock");
    EXPECT_EQ(read("7", "(17)").Track(), 7);
    EXPECT_EQ(read("7", "(17)").Genre(), "");
    EXPECT_EQ(read("70000", "").Track(), 0); // does not fit the 16-bit field
}

TEST(MetadataId3v2, Utf16CommentWithDescriptorKeepsItsAlignment) {
    const std::string data = "\x01" + std::string("eng") + utf16("\xFF\xFE", u"A") + std::string(2, '\0') +
                             utf16("\xFF\xFE", u"Ünïcode") + std::string(2, '\0');
    EXPECT_EQ(readBytes(id3v2Tag(3, id3v2Frame(3, "COMM", data)) + kAudio).Comment(), "Ünïcode");
}

TEST(MetadataId3v2, SizeRules) {
    // Footer flag adds ten bytes; size bytes are taken with their top bits.
    const std::string body = id3v2Frame(4, "TIT2", latin1("x"));
    EXPECT_EQ(readBytes(id3v2Tag(4, body, 0x10) + std::string(10, '\0') + kAudio).Size(),
              static_cast<std::int32_t>(body.size() + 20));
    const std::string unmasked = std::string("ID3\x03\0\0\0\0\0\x84", 10) + std::string(200, '\0');
    EXPECT_EQ(readBytes(unmasked).Size(), 0x84 + 10);
    // A size beyond the file is no size, and no frame is read.
    const TID3v2 beyond =
        readBytes(id3v2Tag(3, id3v2Frame(3, "TIT2", latin1("Lost")) + std::string(500, '\0')).substr(0, 100));
    EXPECT_TRUE(beyond.Exists());
    EXPECT_EQ(beyond.Size(), 0);
    EXPECT_EQ(beyond.Title(), "");
    // Unknown major versions give the size but no frames.
    const TID3v2 v5 = readBytes(id3v2Tag(5, id3v2Frame(4, "TIT2", latin1("Five"))) + kAudio);
    EXPECT_EQ(v5.VersionId(), 5);
    EXPECT_EQ(v5.Title(), "");
}

TEST(MetadataId3v2, HugeFrameSizesEndTheWalk) {
    std::string frame = id3v2Frame(3, "TIT2", latin1("Title"));
    frame.replace(4, 4, "\xFF\xFF\xFF\xFF");
    const TID3v2 tag = readBytes(id3v2Tag(3, frame + id3v2Frame(3, "TALB", latin1("Album"))) + kAudio);
    EXPECT_EQ(tag.Album(), "");
}

TEST(MetadataId3v2, HeaderReadFailures) {
    EXPECT_FALSE([] {
        MemorySource source(std::string_view("ID3\x03\0\0\0\0", 9));
        return TID3v2().Load(source);
    }());
    const TID3v2 none = readBytes(std::string(20, 'x'));
    EXPECT_FALSE(none.Exists());
    EXPECT_EQ(none.Size(), 0);
    TID3v2 tag;
    EXPECT_FALSE(tag.LoadFromFile("/nonexistent/file.mp3"));
}

TEST(MetadataId3v2, RealTaggerOutput) {
    TID3v2 tag;
    ASSERT_TRUE(tag.LoadFromFile(test::fixture("metadata/id3v24_utf8.mp3")));
    EXPECT_EQ(tag.VersionId(), 4);
    EXPECT_EQ(tag.Title(), "Привет мир");
    EXPECT_EQ(tag.Artist(), "Кино");
    EXPECT_EQ(tag.Album(), "Группа крови");
    EXPECT_EQ(tag.Year(), "1988");
    ASSERT_TRUE(tag.LoadFromFile(test::fixture("metadata/id3v23_utf16.mp3")));
    EXPECT_EQ(tag.VersionId(), 3);
    EXPECT_EQ(tag.Title(), "Café Été");
    EXPECT_EQ(tag.Track(), 5);
    EXPECT_EQ(tag.TrackText(), "5/9");
    ASSERT_TRUE(tag.LoadFromFile(test::fixture("metadata/vbr_xing_id3v2.mp3")));
    EXPECT_EQ(tag.Genre(), "Rock");
    EXPECT_EQ(tag.Year(), "2003");
}

} // namespace
} // namespace kavrel::metadata
