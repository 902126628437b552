#include "library/browser/exchange_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "library/browser/album_builder.h"
#include "library/song_line.h"

namespace kavrel::library::browser {
namespace {

// The exchange sort written out pass by pass: the order every faster sort must reproduce.
void literalExchangeSort(TrackTable& table, const RowCompare& compare) {
    const int n = table.Count();
    for (int pass = 1; pass <= n - 1; ++pass)
        for (int j = 1; j <= n - pass; ++j)
            if (compare(table[j], table[j + 1]) >= 0)
                std::swap(table[j], table[j + 1]);
}

TEST(ExchangeSort, MatchesThePassByPassSortWhereKeysRepeat) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        TrackTable table;
        const int rows = static_cast<int>(random() % 14);
        for (int row = 0; row < rows; ++row) {
            TrackRow& added = table.append();
            added[kTitleColumn] = std::string(1, static_cast<char>('a' + random() % 4));
            added[kTrackColumn] = std::to_string(random() % 12);
            added[kPathColumn] = std::to_string(row); // tells equal keys apart
        }
        for (const auto& compare : {byColumnText(kTitleColumn), byColumnNumber(kTrackColumn)}) {
            TrackTable expected = table;
            literalExchangeSort(expected, compare);
            TrackTable actual = table;
            exchangeSort(actual, compare);
            for (int row = 1; row <= rows; ++row)
                ASSERT_EQ(actual[row][kPathColumn], expected[row][kPathColumn]) << "round " << round;
        }
    }
}

TEST(ExchangeSort, OrdersBytesAndNumbers) {
    TrackTable table;
    for (const char* track : {"10", "2", "1", "x"})
        table.append()[kTrackColumn] = track;
    exchangeSort(table, byColumnText(kTrackColumn));
    EXPECT_EQ((std::vector<std::string>{table[1][kTrackColumn], table[2][kTrackColumn],
                                        table[3][kTrackColumn], table[4][kTrackColumn]}),
              (std::vector<std::string>{"1", "10", "2", "x"}));
    exchangeSort(table, byColumnNumber(kTrackColumn));
    EXPECT_EQ(table[1][kTrackColumn], "x"); // not a number: 0
    EXPECT_EQ(table[4][kTrackColumn], "10");
}

TEST(AlbumBuilder, GroupsIgnoringCaseAndFillsUnknownYears) {
    TrackTable songs;
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Best", "0000"}, {"Other", ""}, {"best", "1995"}, {"BEST", "1980"}, {"Other", "2001"}};
    for (const auto& [album, year] : rows) {
        TrackRow& row = songs.append();
        row[kAlbumColumn] = album;
        row[kYearColumn] = year;
    }
    const TrackTable albums = buildAlbums(songs, text::LocaleCollator("en_US"));
    ASSERT_EQ(albums.Count(), 2);
    EXPECT_EQ(albums[1][kAlbumNameColumn], "Best");
    EXPECT_EQ(albums[1][kAlbumYearColumn], "1995");
    EXPECT_EQ(albums[2][kAlbumNameColumn], "Other");
    EXPECT_EQ(albums[2][kAlbumYearColumn], "2001");
}

} // namespace
} // namespace kavrel::library::browser
