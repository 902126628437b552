#pragma once
// The panels' row order: the exchange sort of library/exchange_order.h over table rows.
#include <cstddef>
#include <functional>
#include <vector>

#include "library/exchange_order.h"
#include "library/library_tables.h"

namespace kavrel::library::browser {

// What rows are ordered by: one column, as bytes or as a whole number (text that is not a clean number
// counts as 0).
struct RowKey {
    std::size_t column = 0;
    bool number = false;
};

inline RowKey byColumnText(std::size_t column) {
    return {column, false};
}
inline RowKey byColumnNumber(std::size_t column) {
    return {column, true};
}

// The 1-based rows 1..count in the exchange sort's order; `row(i)` is row i.
std::vector<int> exchangeOrderOfRows(int count, const std::function<const TrackRow&(int)>& row, RowKey key);

// Orders rows 1..Count() as the exchange sort does.
void exchangeSort(TrackTable& table, RowKey key);

} // namespace kavrel::library::browser
