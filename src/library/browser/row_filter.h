#pragma once
// The search's row filter: rows whose column holds the text, ignoring letter case.
#include <string>
#include <string_view>
#include <vector>

#include "library/library_tables.h"

namespace kavrel::library::browser {

// "Start At": the column begins with the text; "Consist of": the text occurs within its first 10000
// characters.
enum class MatchMode { StartAt, ConsistOf };

// Whether a lower-cased column matches a lower-cased text; an empty text never matches.
bool matchesLowered(std::string_view loweredColumn, std::string_view loweredText, MatchMode mode);

// The matching rows (1-based, in table order).
std::vector<int> filterRows(const TrackTable& table, std::size_t column, std::string_view text,
                            MatchMode mode);

// Copies the given rows of `source` into a new table, in the given order.
TrackTable pickRows(const TrackTable& source, const std::vector<int>& rows);

// One column of a table lower-cased once, for tables that are searched at every keystroke.
class LoweredColumn {
public:
    LoweredColumn(const TrackTable& table, std::size_t column);
    std::vector<int> filter(std::string_view text, MatchMode mode) const;

private:
    std::vector<std::string> lowered_; // [row - 1]
};

} // namespace kavrel::library::browser
