#include "library/browser/exchange_sort.h"

#include <cstdint>
#include <string_view>

#include "platform/text/numbers.h"

namespace kavrel::library::browser {

std::vector<int> exchangeOrderOfRows(int count, const std::function<const TrackRow&(int)>& row, RowKey key) {
    if (key.number) {
        std::vector<std::int64_t> numbers;
        for (int i = 1; i <= count; ++i)
            numbers.push_back(text::parseStrictInt(row(i)[key.column]).value_or(0));
        return exchangeOrder(numbers);
    }
    std::vector<std::string_view> texts;
    for (int i = 1; i <= count; ++i)
        texts.push_back(row(i)[key.column]);
    return exchangeOrder(texts);
}

void exchangeSort(TrackTable& table, RowKey key) {
    const std::vector<int> order = exchangeOrderOfRows(
        table.Count(), [&](int row) -> const TrackRow& { return table[row]; }, key);
    arrangeInOrder(order, [&](int row) -> TrackRow& { return table[row]; });
}

} // namespace kavrel::library::browser
