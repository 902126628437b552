#include "playlist/playlist_editor.h"

#include "library/exchange_order.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kavrel::playlist {

namespace {

bool playsAfterAdding(AddMode mode) {
    return mode == AddMode::EndAndPlay || mode == AddMode::AfterPlayingAndPlay;
}

std::size_t sortColumnIndex(SortColumn column) {
    switch (column) {
    case SortColumn::Title:
        return library::kTitleColumn;
    case SortColumn::Artist:
        return library::kArtistColumn;
    case SortColumn::Album:
        return library::kAlbumColumn;
    case SortColumn::FileName:
        break;
    }
    return library::kPathColumn;
}

} // namespace

void PlaylistEditor::startEdit(std::int32_t undoKind, std::int32_t first, std::int32_t extent) {
    list().UndoKindValue = undoKind;
    list().EditFirst = first;
    list().EditExtent = extent;
    control_.SaveUndoCopy();
}

void PlaylistEditor::finishEdit() {
    control_.RemarkPlayingRow();
    refreshTimes(list());
    control_.PublishCurrentRow();
    control_.TimeDisplay();
}

void PlaylistEditor::InsertRows(std::span<const TrackRow> rows, std::int32_t at) {
    at = std::clamp(at, 1, list().Count() + 1);
    list().Rows.insert(list().Rows.begin() + at, rows.begin(), rows.end());
    refreshTimes(list());
}

void PlaylistEditor::AddRows(std::span<const TrackRow> rows, AddMode mode) {
    if (rows.empty())
        return;
    const bool play = playsAfterAdding(mode);
    startEdit(play ? kUndoPlayback : kUndoEdit, list().EditFirst, list().EditExtent);
    control_.ResetPosition();
    const std::int32_t oldCount = list().Count();
    const std::int32_t current = list().HasCurrent() ? list().CurrentIndex : 0;
    const bool atEnd = mode == AddMode::EndAndPlay || mode == AddMode::End;
    const std::int32_t at = atEnd ? oldCount + 1 : current + 1;
    InsertRows(rows, at);
    control_.display().showRows(list(), oldCount, at, list().Count());
    if (!play)
        return;
    list().PreviousIndex = list().CurrentIndex;
    list().CurrentIndex = at;
    control_.PlayCurrent(false);
}

void PlaylistEditor::BeginDrag(DragSource source, std::int32_t row) {
    dragSource_ = source;
    dragRow_ = row;
}

void PlaylistEditor::Drop(std::int32_t itemAtPoint) {
    const std::int32_t count = list().Count();
    const std::int32_t target = itemAtPoint < 0 ? count + 1 : std::min(itemAtPoint + 1, count + 1);
    if (dragSource_ == DragSource::None)
        return;
    const bool move = dragSource_ == DragSource::Playlist;
    startEdit(kUndoEdit, target, move ? dragRow_ : 0);
    if (move) {
        moveRow(dragRow_, target);
        finishEdit();
        return;
    }
    std::span<const TrackRow> rows;
    switch (dragSource_) {
    case DragSource::LeftArtists:
    case DragSource::RightArtists:
        rows = library_.artistSongs();
        break;
    case DragSource::Albums:
        rows = library_.albumSongs();
        break;
    default:
        if (const TrackRow* song = library_.songListRow(dragRow_))
            rows = std::span(song, 1);
        break;
    }
    InsertRows(rows, target);
    control_.display().showRows(list(), count, target, list().Count());
    if (target <= list().CurrentIndex)
        list().CurrentIndex += static_cast<std::int32_t>(rows.size());
    finishEdit();
}

void PlaylistEditor::moveRow(std::int32_t from, std::int32_t to) {
    const std::int32_t count = list().Count();
    if (from < 1 || from > count)
        return;
    // A drop past the last row puts the row last.
    const std::int32_t final = std::min(to, count);
    auto& rows = list().Rows;
    if (from < final)
        std::rotate(rows.begin() + from, rows.begin() + from + 1, rows.begin() + final + 1);
    else if (from > final)
        std::rotate(rows.begin() + final, rows.begin() + from, rows.begin() + from + 1);
    control_.display().showRows(list(), count, std::min(from, final), std::max(from, final));

    std::int32_t& current = list().CurrentIndex;
    if (from == current)
        current = final;
    else if (from < final && from < current && final >= current)
        --current;
    else if (from > final && from > current && final <= current)
        ++current;
}

void PlaylistEditor::DeleteSelected(std::int32_t selected) {
    const std::int32_t row = selected + 1;
    if (row < 1 || row > list().Count() || row == list().CurrentIndex)
        return;
    const std::int32_t oldCount = list().Count();
    deleteRow(row);
    PlaylistView& view = control_.display().view();
    if (row == 1)
        view.selectItem(-1);
    else
        view.selectItem(std::min(selected, oldCount - 2));
}

void PlaylistEditor::deleteRow(std::int32_t row) {
    startEdit(kUndoEdit, row, list().EditExtent);
    PlaylistView& view = control_.display().view();
    const std::int32_t oldCount = list().Count();
    list().Rows.erase(list().Rows.begin() + row);
    if (oldCount > 1) {
        control_.display().showRows(list(), oldCount, row, oldCount - 1);
        view.removeLastItem();
        if (row < list().CurrentIndex) {
            list().PreviousIndex = list().CurrentIndex;
            --list().CurrentIndex;
        }
    } else {
        view.clearItems();
    }
    control_.display().updateScrollerRange();
    control_.display().updateSizeTotal(list());
    finishEdit();
}

void PlaylistEditor::Sort(SortColumn column) {
    startEdit(kUndoEdit, 1, 1);
    TMasPLayList& sorting = list();
    const std::size_t key = sortColumnIndex(column);
    std::vector<std::string_view> keys;
    keys.reserve(static_cast<std::size_t>(sorting.Count()));
    for (std::int32_t row = 1; row <= sorting.Count(); ++row)
        keys.push_back(sorting.row(row)[key]);
    const std::vector<int> order = library::exchangeOrder(keys);
    // The current index follows its track.
    if (const auto found = std::find(order.begin(), order.end(), sorting.CurrentIndex); found != order.end())
        sorting.CurrentIndex = static_cast<std::int32_t>(found - order.begin()) + 1;
    library::arrangeInOrder(order, [&](int row) -> TrackRow& { return sorting.row(row); });
    control_.display().showAllRows(list());
    finishEdit();
}

} // namespace kavrel::playlist
