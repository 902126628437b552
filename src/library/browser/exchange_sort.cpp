#include "library/browser/exchange_sort.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/text/collation.h"
#include "platform/text/numbers.h"

namespace kavrel::library::browser {

namespace {

// The permutation the exchange sort makes, run on integer ranks so each step is cheap.
std::vector<int> exchangeOrderOfRanks(const std::vector<int>& ranks) {
    std::vector<int> order(ranks.size());
    std::iota(order.begin(), order.end(), 0);
    const std::size_t n = order.size();
    for (std::size_t pass = 1; pass < n; ++pass)
        for (std::size_t j = 0; j + pass < n; ++j)
            if (ranks[static_cast<std::size_t>(order[j])] >= ranks[static_cast<std::size_t>(order[j + 1])])
                std::swap(order[j], order[j + 1]);
    return order;
}

} // namespace

std::vector<int> exchangeOrder(int count, const IndexCompare& compare) {
    std::vector<int> sorted(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(sorted.begin(), sorted.end(), 1);
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return compare(a, b) < 0; });

    bool equalKeys = false;
    for (std::size_t i = 1; i < sorted.size() && !equalKeys; ++i)
        equalKeys = compare(sorted[i - 1], sorted[i]) == 0;
    if (!equalKeys)
        return sorted;
    std::vector<int> ranks(sorted.size());
    int rank = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && compare(sorted[i - 1], sorted[i]) != 0)
            ++rank;
        ranks[static_cast<std::size_t>(sorted[i] - 1)] = rank;
    }
    sorted = exchangeOrderOfRanks(ranks);
    for (int& row : sorted)
        ++row;
    return sorted;
}

void exchangeSort(TrackTable& table, const RowCompare& compare) {
    const int count = table.Count();
    const std::vector<int> order =
        exchangeOrder(count, [&](int a, int b) { return compare(table[a], table[b]); });
    std::vector<TrackRow> rows;
    rows.reserve(order.size());
    for (const int row : order)
        rows.push_back(std::move(table[row]));
    for (int row = 1; row <= count; ++row)
        table[row] = std::move(rows[static_cast<std::size_t>(row - 1)]);
}

RowCompare byColumnText(std::size_t column) {
    return
        [column](const TrackRow& a, const TrackRow& b) { return text::compareOrdinal(a[column], b[column]); };
}

RowCompare byColumnNumber(std::size_t column) {
    return [column](const TrackRow& a, const TrackRow& b) {
        const auto x = text::parseStrictInt(a[column]).value_or(0);
        const auto y = text::parseStrictInt(b[column]).value_or(0);
        return x < y ? -1 : (x > y ? 1 : 0);
    };
}

} // namespace kavrel::library::browser
