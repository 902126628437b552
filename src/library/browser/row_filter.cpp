#include "library/browser/row_filter.h"

#include <algorithm>

#include "platform/text/collation.h"

namespace kavrel::library::browser {

namespace {

constexpr std::size_t kConsistOfLimit = 10000;

std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

bool matchesLowered(std::string_view loweredColumn, std::string_view loweredText, MatchMode mode) {
    if (loweredText.empty())
        return false;
    if (mode == MatchMode::StartAt)
        return loweredColumn.starts_with(loweredText);
    const std::size_t at = loweredColumn.find(loweredText);
    if (at == std::string_view::npos)
        return false;
    // Bytes never undercount characters, so only long columns need counting.
    return at < kConsistOfLimit || characterCount(loweredColumn.substr(0, at)) < kConsistOfLimit;
}

std::vector<int> filterRows(const TrackTable& table, std::size_t column, std::string_view text,
                            MatchMode mode) {
    std::vector<int> rows;
    const std::string loweredText = text::toLowerCase(text);
    if (loweredText.empty())
        return rows;
    for (int row = 1; row <= table.Count(); ++row)
        if (matchesLowered(text::toLowerCase(table[row][column]), loweredText, mode))
            rows.push_back(row);
    return rows;
}

TrackTable pickRows(const TrackTable& source, const std::vector<int>& rows) {
    TrackTable picked;
    for (const int row : rows)
        picked.append() = source[row];
    return picked;
}

LoweredColumn::LoweredColumn(const TrackTable& table, std::size_t column) {
    lowered_.reserve(static_cast<std::size_t>(table.Count()));
    for (int row = 1; row <= table.Count(); ++row)
        lowered_.push_back(text::toLowerCase(table[row][column]));
}

std::vector<int> LoweredColumn::filter(std::string_view text, MatchMode mode) const {
    std::vector<int> rows;
    const std::string loweredText = text::toLowerCase(text);
    if (loweredText.empty())
        return rows;
    for (std::size_t i = 0; i < lowered_.size(); ++i)
        if (matchesLowered(lowered_[i], loweredText, mode))
            rows.push_back(static_cast<int>(i) + 1);
    return rows;
}

} // namespace kavrel::library::browser
