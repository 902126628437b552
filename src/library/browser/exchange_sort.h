#pragma once
// The panels' row order: an exchange sort that also swaps rows with equal keys. That swap decides where
// rows with equal keys end up, so any faster sort must reproduce it exactly.
#include <functional>
#include <vector>

#include "library/library_tables.h"

namespace kavrel::library::browser {

// <0, 0 or >0 as for the keys of two rows.
using RowCompare = std::function<int(const TrackRow&, const TrackRow&)>;

// Compares rows by their 1-based numbers.
using IndexCompare = std::function<int(int, int)>;

// The 1-based rows 1..count in the order the exchange sort leaves them.
std::vector<int> exchangeOrder(int count, const IndexCompare& compare);

// Orders rows 1..Count() as the pass-by-pass exchange sort (rows j and j + 1 exchanged when key(j) >=
// key(j + 1)) does, in O(n log n) when all keys differ.
void exchangeSort(TrackTable& table, const RowCompare& compare);

// Byte order of one column.
RowCompare byColumnText(std::size_t column);
// A column as a whole number (text that is not a clean number counts as 0).
RowCompare byColumnNumber(std::size_t column);

} // namespace kavrel::library::browser
