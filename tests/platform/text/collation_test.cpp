#include "platform/text/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kavrel::text {
namespace {

TEST(Collation, LocaleOrderIgnoresCase) {
    const LocaleCollator collator("en_US.UTF-8");
    EXPECT_LT(collator.compare("apple", "Banana"), 0);
    EXPECT_TRUE(collator.equal("ABBA", "abba"));
    EXPECT_FALSE(collator.equal("Café", "Cafe")); // accents still count
    // Ordinal order is byte order: upper case first, Latin before Cyrillic.
    EXPECT_LT(compareOrdinal("B", "a"), 0);
    EXPECT_LT(compareOrdinal("z", "а"), 0);
}

TEST(Collation, SortKeysGiveTheSameOrderAsCompare) {
    const LocaleCollator collator("ru_RU");
    std::vector<std::string> names{"яблоко", "Ёж", "ель", "Apple", "абв", "apple", "Zebra", "ёлка", "Ель"};
    auto byCompare = names;
    std::stable_sort(byCompare.begin(), byCompare.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a, b) < 0; });
    auto byKey = names;
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](const auto& a, const auto& b) { return collator.sortKey(a) < collator.sortKey(b); });
    EXPECT_EQ(byCompare, byKey);
    EXPECT_EQ(collator.sortKey("ЕЛЬ"), collator.sortKey("ель"));
}

TEST(Collation, PosixLocaleUsesRootOrderNotCaseFirst) {
    const LocaleCollator collator("C");
    EXPECT_LT(collator.compare("apple", "Banana"), 0);
    EXPECT_TRUE(collator.equal("Q", "q"));
}

TEST(CaseMapping, FullUnicode) {
    EXPECT_EQ(toLowerCase("ПРИВЕТ ÉTÉ"), "привет été");
    EXPECT_EQ(toUpperCase("lb1 ёж"), "LB1 ЁЖ");
    EXPECT_TRUE(equalsIgnoreCase("Conf.pcf", "conf.PCF"));
    EXPECT_TRUE(equalsIgnoreCase("Ёлка", "ёЛКА"));
    EXPECT_FALSE(equalsIgnoreCase("Ёлка", "Елка"));
}

} // namespace
} // namespace kavrel::text
