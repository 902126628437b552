#include "library/exchange_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "support/literal_exchange_order.h"

namespace kavrel::library {
namespace {

// Through a comparison; the same keys as numbers; as texts of one width, which order as the numbers do.
// All three entry points must agree.
std::vector<int> fastOrder(const std::vector<int>& keys) {
    const std::vector<int> compared = exchangeOrder(static_cast<int>(keys.size()), [&](int a, int b) {
        const int x = keys[static_cast<std::size_t>(a - 1)];
        const int y = keys[static_cast<std::size_t>(b - 1)];
        return x < y ? -1 : (x > y ? 1 : 0);
    });
    const std::vector<std::int64_t> numbers(keys.begin(), keys.end());
    EXPECT_EQ(exchangeOrder(numbers), compared);
    std::vector<std::string> texts;
    for (const int key : keys)
        texts.push_back(std::to_string(100000 + key));
    EXPECT_EQ(exchangeOrder(std::vector<std::string_view>(texts.begin(), texts.end())), compared);
    return compared;
}

std::vector<int> literalOrder(const std::vector<int>& keys) {
    return test::literalExchangeOrder(static_cast<int>(keys.size()), [&](int a, int b) {
        return keys[static_cast<std::size_t>(a - 1)] - keys[static_cast<std::size_t>(b - 1)];
    });
}

TEST(ExchangeOrder, EveryShortKeyListOfThreeKeys) {
    // All 3^n lists up to n = 8: every way equal keys can meet greater and smaller ones nearby.
    for (std::size_t n = 0; n <= 8; ++n) {
        std::vector<int> keys(n, 0);
        for (;;) {
            ASSERT_EQ(fastOrder(keys), literalOrder(keys)) << ::testing::PrintToString(keys);
            std::size_t digit = 0;
            while (digit < n && ++keys[digit] == 3)
                keys[digit++] = 0;
            if (digit == n)
                break;
        }
    }
}

TEST(ExchangeOrder, RandomListsOfEveryShape) {
    struct Shape {
        const char* name;
        std::function<int(std::mt19937&, int row, int rows)> key;
    };
    const std::vector<Shape> shapes = {
        {"few distinct keys", [](std::mt19937& r, int, int) { return static_cast<int>(r() % 4); }},
        {"many distinct keys",
         [](std::mt19937& r, int, int rows) { return static_cast<int>(r() % (rows + 1)); }},
        {"all equal", [](std::mt19937&, int, int) { return 5; }},
        {"sorted with runs", [](std::mt19937&, int row, int) { return row / 7; }},
        {"reversed with runs", [](std::mt19937&, int row, int rows) { return (rows - row) / 5; }},
        {"one key amid others",
         [](std::mt19937& r, int, int) { return r() % 3 == 0 ? 50 : static_cast<int>(r() % 100); }},
    };
    std::mt19937 random(20261210);
    for (const Shape& shape : shapes)
        for (const int rows : {1, 2, 3, 17, 64, 300, 1500}) {
            for (int round = 0; round < (rows < 300 ? 20 : 2); ++round) {
                std::vector<int> keys;
                for (int row = 0; row < rows; ++row)
                    keys.push_back(shape.key(random, row, rows));
                ASSERT_EQ(fastOrder(keys), literalOrder(keys)) << shape.name << ", " << rows << " rows";
            }
        }
}

TEST(ExchangeOrder, KnownOrdersOfEqualKeys) {
    struct Case {
        std::vector<int> keys;
        std::vector<int> order;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{7, 7, 7, 7}, {4, 3, 2, 1}}, // all equal: reversed
        {{0, 0, 1}, {1, 2, 3}},       // a greater key behind them exchanges the pair back
        {{2, 1, 2}, {2, 3, 1}},       // the greater ones reversed around the smaller
        {{3, 1, 2}, {2, 3, 1}},       // distinct keys: plain ascending
    };
    for (const Case& c : cases)
        EXPECT_EQ(fastOrder(c.keys), c.order) << ::testing::PrintToString(c.keys);
}

} // namespace
} // namespace kavrel::library
