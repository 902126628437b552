#include "tools/copy_plan.h"

#include <gtest/gtest.h>

namespace kavrel::tools {
namespace {

CopyEntry track(std::string artist, std::string album, std::string title, std::string year,
                std::string number, std::string path) {
    return {std::move(artist), std::move(album), std::move(title), std::move(year),
            std::move(number), std::move(path),  "1048576"};
}

struct PlanCase {
    const char* name;
    std::vector<CopyEntry> entries;
    CopyChoices choices;
    // folder + "|" + file name of each copy, in copy order.
    std::vector<std::string> expected;
};

std::vector<std::string> layout(const CopyPlan& plan) {
    std::vector<std::string> result;
    for (const auto& copy : plan.copies)
        result.push_back(copy.folder + "|" + copy.fileName);
    return result;
}

TEST(CopyPlan, ArrangesTracksByTheChoices) {
    using enum FileNames;
    const std::vector<PlanCase> cases = {
        {"artists differing in case share the first one's folder",
         {track("Queen", "A", "One", "1990", "1", "/m/1.mp3"),
          track("QUEEN", "A", "Two", "1990", "2", "/m/2.mp3"),
          track("Abba", "B", "Three", "1975", "1", "/m/3.mp3"),
          track("queen", "a", "Four", "", "", "/m/4.ogg")},
         {ArtistFolders::PerArtist, AlbumFolders::Album, Title},
         {"Queen/A|One.mp3", "Queen/A|Two.mp3", "Queen/A|Four.ogg", "Abba/B|Three.mp3"}},
        {"special characters become commas",
         {track("AC/DC", "Greatest Hits Vol. 1", "What? <Now>", "", "", "/m/x.mp3")},
         {ArtistFolders::PerArtist, AlbumFolders::Album, Title},
         {"AC,DC/Greatest Hits Vol, 1|What, ,Now,.mp3"}},
        {"a track number below ten gets a leading zero",
         {track("A", "B", "Song", "", "7", "/m/x.mp3"), track("A", "B", "Late", "", "12", "/m/y.flac")},
         {ArtistFolders::None, AlbumFolders::None, NumberTitle},
         {"|07 - Song.mp3", "|12 - Late.flac"}},
        {"an empty or unreadable number is 0",
         {track("A", "B", "Song", "", "", "/m/x.mp3"), track("A", "B", "Side", "", "3/12", "/m/y.mp3")},
         {ArtistFolders::None, AlbumFolders::None, ArtistNumberTitle},
         {"|A - 0 - Song.mp3", "|A - 0 - Side.mp3"}},
        {"an empty year reads 0000",
         {track("A", "Live", "Song", "", "1", "/m/x.mp3"), track("C", "Live", "Song",
                                                                 std::string("19\0"
                                                                             "9",
                                                                             4),
                                                                 "1", "/m/y.mp3")},
         {ArtistFolders::PerArtist, AlbumFolders::YearAndAlbum, ArtistTitle},
         {"A/0000 - Live|A - Song.mp3", "C/0000 - Live|C - Song.mp3"}},
        {"no artist and no album folders put every file in the destination",
         {track("A", "X", "One", "2000", "1", "/m/1.mp3"), track("B", "Y", "Two", "2001", "2", "/m/2.mp3")},
         {ArtistFolders::None, AlbumFolders::None, ArtistTitle},
         {"|A - One.mp3", "|B - Two.mp3"}},
        {"keeping the source name ignores the tags",
         {track("A", "X", "One", "2000", "1", "/m/My.Song?.mp3")},
         {ArtistFolders::None, AlbumFolders::Album, KeepSourceName},
         {"X|My.Song?.mp3"}},
        {"a name with nothing in it keeps the source's name",
         {track("A", "X", "  ", "", "", "/m/take 1.wav")},
         {ArtistFolders::None, AlbumFolders::None, Title},
         {"|take 1.wav"}},
        {"an untagged track, whose title the library made its path, is named after its file",
         {track("Unknown", "Unsorted", "/m/Live/take 2.mp3", "", "", "/m/Live/take 2.mp3")},
         {ArtistFolders::None, AlbumFolders::None, ArtistNumberTitle},
         {"|Unknown - 0 - take 2.mp3"}},
        {"a track without a file is left out",
         {track("A", "X", "One", "", "", ""), track("A", "X", "Two", "", "", "/m/2.mp3")},
         {ArtistFolders::PerArtist, AlbumFolders::None, Title},
         {"A|Two.mp3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout(planCopies(c.entries, c.choices)), c.expected) << c.name;
}

TEST(CopyPlan, CountsEveryEntryAndTheKnownSizes) {
    std::vector<CopyEntry> entries = {track("A", "B", "C", "", "", "/m/1.mp3"),
                                      track("A", "B", "D", "", "", "")};
    entries[1].sizeText = "3145728";
    entries.push_back(track("A", "B", "E", "", "", "/m/3.mp3"));
    entries[2].sizeText = "12 MB";
    const auto plan = planCopies(entries, {});
    EXPECT_EQ(plan.totalFiles, 3);
    EXPECT_DOUBLE_EQ(plan.totalMb, 1.0);
    EXPECT_EQ(plan.copies[1].bytes, 0);
}

TEST(CopyPlan, CleansEverySpecialCharacterAndTheBlanksAtTheEnds) {
    EXPECT_EQ(cleanName("\"#$%&*./:;<>?@[\\]^`{|}~"), std::string(23, ','));
    EXPECT_EQ(cleanName(" \t Don't (Stop) - 1+1=2!  "), "Don't (Stop) - 1+1=2!");
    EXPECT_EQ(cleanName("Ария «Ночь»"), "Ария «Ночь»");
}

TEST(CopyPlan, StoredChoicesOutOfRangeFallBackToTheDefaults) {
    const auto choices = copyChoicesFromIndexes(7, -1, 9);
    EXPECT_EQ(choices.artist, ArtistFolders::PerArtist);
    EXPECT_EQ(choices.album, AlbumFolders::YearAndAlbum);
    EXPECT_EQ(choices.fileName, FileNames::ArtistTitle);
    EXPECT_EQ(copyChoicesFromIndexes(1, 2, 4).fileName, FileNames::KeepSourceName);
}

} // namespace
} // namespace kavrel::tools
