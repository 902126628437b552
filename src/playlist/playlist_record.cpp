#include "playlist/playlist_record.h"

#include "platform/text/numbers.h"

#include <algorithm>
#include <charconv>

namespace kavrel::playlist {

std::int64_t columnNumber(const TrackRow& row, std::size_t column) {
    const std::string& text = row[column];
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0)
        return 0;
    // Far above any real duration or size, and low enough that sums over any list cannot overflow.
    constexpr std::int64_t kLargest = std::int64_t{1} << 48;
    return std::min(value, kLargest);
}

bool isCdRow(const TrackRow& row) {
    return row[library::kGenreColumn] == "CD";
}

std::int64_t playTimeBefore(const TPlist& list, std::int32_t row) {
    std::int64_t sum = 0;
    for (std::int32_t i = 1; i < row && i <= list.Count(); ++i)
        sum += columnNumber(list.row(i), library::kDurationColumn);
    return sum;
}

std::int64_t totalPlayTime(const TPlist& list) {
    return playTimeBefore(list, list.Count() + 1);
}

std::int64_t totalSize(const TPlist& list) {
    std::int64_t sum = 0;
    for (std::int32_t i = 1; i <= list.Count(); ++i)
        sum += columnNumber(list.row(i), library::kFileSizeColumn);
    return sum;
}

void refreshTimes(TPlist& list) {
    list.TotalTime = totalPlayTime(list);
    list.TotalTimeText = list.Empty() ? kEmptyTimeText : text::formatDuration(list.TotalTime);
    list.TimeBefore = playTimeBefore(list, list.CurrentIndex);
}

} // namespace kavrel::playlist
