#include "playlist/playlist_display.h"

#include "platform/text/numbers.h"

#include <algorithm>
#include <cstdio>

namespace kavrel::playlist {

std::string PlaylistDisplay::rowText(const TPlist& list, std::int32_t row, bool numbered) const {
    const TrackRow& track = list.row(row);
    std::string text = numbered ? std::to_string(row) + ". " : std::string();
    if (settings_.Name_PlayList_A_T)
        text += track[library::kArtistColumn] + "- ";
    text += track[library::kTitleColumn];
    return text;
}

void PlaylistDisplay::showRows(const TPlist& list, std::int32_t oldCount, std::int32_t first,
                               std::int32_t last) {
    last = std::min(last, list.Count());
    for (std::int32_t row = std::max(first, 1); row <= last; ++row) {
        const std::string text = rowText(list, row);
        if (oldCount >= first && row - 1 <= view_.itemCount())
            view_.setItem(row - 1, text);
        else
            view_.appendItem(text);
    }
    updateScrollerRange();
    updateSizeTotal(list);
}

void PlaylistDisplay::showAllRows(const TPlist& list) {
    view_.clearItems();
    // In one step: a list of a hundred thousand rows is shown again after every sort.
    std::vector<std::string> texts;
    texts.reserve(std::size_t(std::max(list.Count(), 0)));
    for (std::int32_t row = 1; row <= list.Count(); ++row)
        texts.push_back(rowText(list, row));
    view_.appendItems(texts);
    updateScrollerRange();
    updateSizeTotal(list);
}

void PlaylistDisplay::markPlayingRow(const TPlist& list, std::string_view word) {
    if (settings_.PlayList_Indexin) {
        const std::int32_t previous = list.PreviousIndex;
        if (previous >= 1 && previous <= list.Count() && previous != list.CurrentIndex)
            view_.setItem(previous - 1, rowText(list, previous, true));
        if (list.HasCurrent())
            view_.setItem(list.CurrentIndex - 1, rowText(list, list.CurrentIndex, false));
    }
    view_.markPlayingRow(list.HasCurrent() ? list.CurrentIndex : 0, word);
}

void PlaylistDisplay::unmarkPlayingRow(const TPlist& list, std::int32_t row) {
    view_.markPlayingRow(0, {});
    if (row >= 1 && row <= list.Count() && row - 1 < view_.itemCount())
        view_.setItem(row - 1, rowText(list, row));
}

void PlaylistDisplay::updateScrollerRange() {
    // A list that fits has nothing to scroll.
    view_.setScrollerRange(std::max(0, view_.itemCount() - view_.visibleRows() + 1));
}

void PlaylistDisplay::updateSizeTotal(const TPlist& list) {
    view_.setSizeTotalText(sizeTotalText(list));
}

std::string sizeTotalText(const TPlist& list) {
    const std::int64_t hundredths =
        text::roundHalfEven(static_cast<double>(totalSize(list)) * 100.0 / 1048576.0);
    char text[48];
    std::snprintf(text, sizeof text, "%lld.%02lldMb", static_cast<long long>(hundredths / 100),
                  static_cast<long long>(hundredths % 100));
    return text;
}

} // namespace kavrel::playlist
