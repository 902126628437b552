#include "library/browser/exchange_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "library/browser/album_builder.h"
#include "library/song_line.h"
#include "platform/text/collation.h"
#include "support/literal_exchange_order.h"

namespace kavrel::library::browser {
namespace {

TEST(ExchangeSort, MovesTheRowsInTheLiteralOrderWhereKeysRepeat) {
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
        const auto byTitle = [&](int a, int b) {
            return text::compareOrdinal(table[a][kTitleColumn], table[b][kTitleColumn]);
        };
        const auto byTrack = [&](int a, int b) {
            return std::stoi(table[a][kTrackColumn]) - std::stoi(table[b][kTrackColumn]);
        };
        const std::vector<std::pair<RowKey, std::vector<int>>> orders = {
            {byColumnText(kTitleColumn), test::literalExchangeOrder(rows, byTitle)},
            {byColumnNumber(kTrackColumn), test::literalExchangeOrder(rows, byTrack)},
        };
        for (const auto& [key, expected] : orders) {
            TrackTable actual = table;
            exchangeSort(actual, key);
            for (int row = 1; row <= rows; ++row)
                ASSERT_EQ(actual[row][kPathColumn],
                          table[expected[static_cast<std::size_t>(row - 1)]][kPathColumn])
                    << "round " << round;
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
