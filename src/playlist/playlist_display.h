#pragma once
// The entries of the playlist boxes: each row's text, rewriting a range of rows, the scroller range and
// the size total.
#include "core/conf_record.h"
#include "playlist/playlist_record.h"
#include "playlist/playlist_view.h"

#include <string>

namespace kavrel::playlist {

class PlaylistDisplay {
public:
    // Numbering and the title form come from the settings (PlayList_Indexin, Name_PlayList_A_T).
    PlaylistDisplay(PlaylistView& view, const core::TConfRecord& settings)
        : view_(view), settings_(settings) {}

    // Row `row`'s text: "[n. ]Title" or "[n. ]Artist- Title"; the playing row is shown without its number.
    std::string rowText(const TPlist& list, std::int32_t row, bool numbered) const;
    std::string rowText(const TPlist& list, std::int32_t row) const {
        return rowText(list, row, settings_.PlayList_Indexin);
    }

    // Writes rows first..last: over the existing entries from row `first` on when oldCount >= first (rows
    // inserted or moved in the middle), else appended. Then the scroller range and the size total.
    void showRows(const TPlist& list, std::int32_t oldCount, std::int32_t first, std::int32_t last);
    // Empties both boxes and shows every row.
    void showAllRows(const TPlist& list);
    // The playing row loses its number and is highlighted with `word`; the row played before gets its
    // number back. row 0 only clears the highlight.
    void markPlayingRow(const TPlist& list, std::string_view word);
    // Rewrites `row` with its number and clears the highlight (the row stops playing).
    void unmarkPlayingRow(const TPlist& list, std::int32_t row);

    void updateScrollerRange();
    void updateSizeTotal(const TPlist& list);

    PlaylistView& view() { return view_; }

private:
    PlaylistView& view_;
    const core::TConfRecord& settings_;
};

// "123.45Mb": the sum of the size column in MiB, two decimals.
std::string sizeTotalText(const TPlist& list);

} // namespace kavrel::playlist
