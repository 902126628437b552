#include "metadata/wma_file.h"

#include <gtest/gtest.h>

#include "byte_builders.h"
#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

using namespace kavrel::test;

TWMAfile readBytes(const std::string& bytes, bool expected = true) {
    MemorySource source(bytes);
    TWMAfile wma;
    EXPECT_EQ(wma.Load(source), expected);
    return wma;
}

std::string padTo(std::string bytes, std::size_t size) {
    bytes.resize(std::max(bytes.size(), size), '\0');
    return bytes;
}

TEST(MetadataWmaFile, HeaderObjectsGiveStreamValuesAndTags) {
    const std::string bytes = asfHeader({
        asfFileProperties(128000),
        asfContentDescription(u"Title", u"Author", u"Description"),
        asfExtendedContentDescription({{u"WM/AlbumTitle", 0, asfText(u"Album")},
                                       {u"  wm/year ", 0, asfText(u"2005")},
                                       {u"WM/Genre", 0, asfText(u"Pop")},
                                       {u"WM/TRACK", 0, asfText(u"12")}}),
        asfStreamProperties(2, 44100, 16000),
    });
    const TWMAfile wma = readBytes(padTo(bytes, 1600000));
    ASSERT_TRUE(wma.Valid());
    EXPECT_EQ(wma.FileSize(), 1600000);
    EXPECT_DOUBLE_EQ(wma.Duration(), 100.0);
    EXPECT_EQ(wma.BitRate(), 128);
    EXPECT_EQ(wma.Channels(), 2);
    EXPECT_EQ(wma.ChannelMode(), "Stereo");
    EXPECT_EQ(wma.SampleRate(), 44100);
    EXPECT_EQ(wma.Title(), "Title");
    EXPECT_EQ(wma.Artist(), "Author");
    EXPECT_EQ(wma.Comment(), "Description");
    EXPECT_EQ(wma.Album(), "Album");
    EXPECT_EQ(wma.Year(), "2005");
    EXPECT_EQ(wma.Genre(), "Pop");
    EXPECT_EQ(wma.Track(), 12);
}

struct PlausibilityCase {
    const char* name;
    std::uint32_t maxBitRate;
    std::uint16_t channels;
    std::uint32_t sampleRate;
    std::uint32_t bytesPerSecond;
    bool valid;
    friend void PrintTo(const PlausibilityCase& c, std::ostream* os) { *os << c.name; }
};

class MetadataWmaFilePlausibility : public testing::TestWithParam<PlausibilityCase> {};

TEST_P(MetadataWmaFilePlausibility, OnlyPlausibleStreamsAreValid) {
    const auto& c = GetParam();
    const TWMAfile wma =
        readBytes(padTo(asfHeader({asfFileProperties(c.maxBitRate),
                                   asfStreamProperties(c.channels, c.sampleRate, c.bytesPerSecond)}),
                        4000));
    EXPECT_EQ(wma.Valid(), c.valid);
    if (!c.valid) {
        EXPECT_EQ(wma.SampleRate(), 0);
        EXPECT_EQ(wma.Duration(), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MetadataWmaFilePlausibility,
                         testing::Values(PlausibilityCase{"Plain", 64000, 1, 22050, 8000, true},
                                         PlausibilityCase{"ZeroByteRate", 64000, 2, 11025, 0, false},
                                         PlausibilityCase{"ByteRateTooHigh", 64000, 2, 44100, 40000, false},
                                         PlausibilityCase{"MaxRateTooHigh", 320000, 2, 44100, 8000, false},
                                         PlausibilityCase{"ThreeChannels", 64000, 3, 44100, 8000, false},
                                         PlausibilityCase{"RateTooLow", 64000, 2, 7999, 8000, false},
                                         PlausibilityCase{"Rate96000", 64000, 2, 96000, 8000, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MetadataWmaFile, NonTextTrackLeavesTrackZeroAndTheNextDescriptorsAlone) {
    const TWMAfile wma = readBytes(
        padTo(asfHeader({asfFileProperties(64000), asfStreamProperties(2, 44100, 8000),
                         asfExtendedContentDescription({{u"WM/TRACK", 3, littleEndian32(9)},
                                                        {u"WM/AlbumTitle", 0, asfText(u"Album")}})}),
              4000));
    EXPECT_EQ(wma.Track(), 0);
    EXPECT_EQ(wma.Album(), "Album");
}

TEST(MetadataWmaFile, TrackNumberFillsTheTrackOnlyWhenTrackIsAbsent) {
    auto track = [](std::vector<AsfDescriptor> descriptors) {
        return readBytes(padTo(asfHeader({asfFileProperties(64000), asfStreamProperties(2, 44100, 8000),
                                          asfExtendedContentDescription(descriptors)}),
                               4000))
            .Track();
    };
    EXPECT_EQ(track({{u"WM/TrackNumber", 0, asfText(u"4")}}), 4);
    EXPECT_EQ(track({{u"WM/TrackNumber", 0, asfText(u"4")}, {u"WM/Track", 0, asfText(u"3")}}), 3);
    EXPECT_EQ(track({{u"WM/Track", 0, asfText(u"3/9")}}), 0);
}

TEST(MetadataWmaFile, DamagedObjectSizesEndTheWalk) {
    // An object of size zero would otherwise be read forever; one past the end is not read at all.
    std::string zeroSized = asfFileProperties(64000);
    zeroSized.replace(16, 8, std::string(8, '\0'));
    EXPECT_FALSE(readBytes(padTo(asfHeader({zeroSized, asfStreamProperties(2, 44100, 8000)}), 4000)).Valid());
    std::string header = asfHeader({asfFileProperties(64000), asfStreamProperties(2, 44100, 8000)});
    header.replace(24, 4, littleEndian32(0xFFFFFFFF)); // object count
    EXPECT_TRUE(readBytes(padTo(header, 4000)).Valid());
    const std::string cut = asfHeader({asfFileProperties(64000), asfStreamProperties(2, 44100, 8000)});
    EXPECT_FALSE(readBytes(cut.substr(0, cut.size() - 10)).Valid());
}

TEST(MetadataWmaFile, ReadErrorsFailAndOtherFilesContributeNothing) {
    const TWMAfile other = readBytes(std::string(100, 'x'));
    EXPECT_FALSE(other.Valid());
    readBytes(std::string(10, 'x'), false);
    // A descriptor that claims more bytes than the file holds is a read error.
    std::string truncated = asfHeader({asfExtendedContentDescription({{u"WM/Genre", 0, asfText(u"Pop")}})});
    truncated.replace(30 + 16, 8, std::string("\x20\0\0\0\0\0\0\0", 8));
    readBytes(truncated.substr(0, 30 + 32), false);
    TWMAfile wma;
    EXPECT_FALSE(wma.LoadFromFile("/nonexistent/file.wma"));
}

TEST(MetadataWmaFile, RealEncoderOutput) {
    TWMAfile wma;
    ASSERT_TRUE(wma.LoadFromFile(fixture("metadata/wmav2_tagged.wma")));
    ASSERT_TRUE(wma.Valid());
    EXPECT_EQ(wma.Channels(), 2);
    EXPECT_EQ(wma.SampleRate(), 44100);
    EXPECT_EQ(wma.BitRate(), 64);
    EXPECT_EQ(wma.Title(), "Wma Title");
    EXPECT_EQ(wma.Artist(), "Wma Artist");
    EXPECT_EQ(wma.Album(), "Wma Album");
    EXPECT_EQ(wma.Year(), "2005");
    EXPECT_EQ(wma.Genre(), "Pop");
    EXPECT_EQ(wma.Track(), 6);
}

} // namespace
} // namespace kavrel::metadata
