#pragma once
// The song searches' matches: rows of a table picked without copying them. The table stays alive as
// long as rows are picked from it, even when the browser has read a newer one.
#include <memory>
#include <vector>

#include "library/browser/exchange_sort.h"
#include "library/library_tables.h"

namespace kavrel::library::browser {

class FoundSongs {
public:
    FoundSongs() = default;
    FoundSongs(std::shared_ptr<const TrackTable> source, std::vector<int> rows)
        : source_(std::move(source)), rows_(std::move(rows)) {}

    int Count() const { return static_cast<int>(rows_.size()); }
    // 1-based.
    const TrackRow& operator[](int row) const {
        return (*source_)[rows_.at(static_cast<std::size_t>(row - 1))];
    }
    void sort(RowKey key);

private:
    std::shared_ptr<const TrackTable> source_;
    std::vector<int> rows_; // rows of source_
};

} // namespace kavrel::library::browser
