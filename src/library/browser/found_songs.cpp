#include "library/browser/found_songs.h"

namespace kavrel::library::browser {

void FoundSongs::sort(RowKey key) {
    const std::vector<int> order = exchangeOrderOfRows(
        Count(), [&](int row) -> const TrackRow& { return (*this)[row]; }, key);
    arrangeInOrder(order, [&](int row) -> int& { return rows_[static_cast<std::size_t>(row - 1)]; });
}

} // namespace kavrel::library::browser
