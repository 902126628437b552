#include "library/browser/found_songs.h"

namespace kavrel::library::browser {

void FoundSongs::sort(const RowCompare& compare) {
    const std::vector<int> order =
        exchangeOrder(Count(), [&](int a, int b) { return compare((*this)[a], (*this)[b]); });
    std::vector<int> sorted;
    sorted.reserve(order.size());
    for (const int row : order)
        sorted.push_back(rows_[static_cast<std::size_t>(row - 1)]);
    rows_ = std::move(sorted);
}

} // namespace kavrel::library::browser
