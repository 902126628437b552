#include "playlist/playlist_editor.h"

#include "platform/text/collation.h"

#include <algorithm>

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
    const std::size_t key = sortColumnIndex(column);
    auto& rows = list().Rows;
    std::int32_t& current = list().CurrentIndex;
    const std::int32_t n = list().Count();
    // Equal neighbours are exchanged too, which decides the order of equal texts; kept as users know it.
    for (std::int32_t pass = 1; pass < n; ++pass) {
        for (std::int32_t i = 1; i <= n - pass; ++i) {
            if (text::compareOrdinal(rows[i][key], rows[i + 1][key]) < 0)
                continue;
            std::swap(rows[i], rows[i + 1]);
            if (current == i)
                current = i + 1;
            else if (current == i + 1)
                current = i;
        }
    }
    control_.display().showAllRows(list());
    finishEdit();
}

} // namespace kavrel::playlist
