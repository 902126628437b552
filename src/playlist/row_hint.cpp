#include "playlist/row_hint.h"

#include "platform/text/numbers.h"

namespace kavrel::playlist {

std::string rowHintText(const TrackRow& row) {
    using namespace library;
    if (isCdRow(row))
        return "CD - " + row[kTitleColumn];
    return row[kArtistColumn] + " - " + row[kAlbumColumn] + " - " + row[kTitleColumn] + " - " +
           text::formatDuration(std::string_view(row[kDurationColumn])) + " - " + row[kBitRateColumn] +
           " kbps";
}

void PlaylistRowHint::MouseOver(std::int32_t row) {
    rowUnderMouse_ = row;
    if (row == lastHinted_)
        return;
    lastHinted_ = row;
    const bool onRow = row >= 1 && row <= list_.Count();
    view_.showRowHint(onRow ? rowHintText(list_.row(row)) : std::string(), row);
}

void PlaylistRowHint::ShowFileLocation() {
    if (rowUnderMouse_ < 1 || rowUnderMouse_ > list_.Count())
        return;
    const TrackRow& row = list_.row(rowUnderMouse_);
    if (!isCdRow(row) && !row[library::kPathColumn].empty())
        shell_.showFileLocation(row[library::kPathColumn]);
}

} // namespace kavrel::playlist
