#pragma once
// Editing the active list in the playlist panel: adding library songs by an add mode, dragging songs in and
// rows around, deleting and sorting. Each edit takes the undo copy first and keeps the current index on
// the row that plays. Main thread.
#include "playlist/library_source.h"
#include "playlist/playback_control.h"
#include "playlist/song_sink.h"

#include <span>

namespace kavrel::playlist {

// Where a drag began: an artist list (1, 2), the album list (3), the song list (4) or the playlist (5).
enum class DragSource { None = 0, LeftArtists = 1, RightArtists = 2, Albums = 3, Songs = 4, Playlist = 5 };

enum class SortColumn { Title, Artist, Album, FileName };

class PlaylistEditor final : public SongSink {
public:
    PlaylistEditor(PlaybackControl& control, const LibrarySource& library)
        : control_(control), library_(library) {}

    // A double-click (or Enter) on a library list sends `rows` there by the list's add mode.
    void AddRows(std::span<const TrackRow> rows, AddMode mode) override;

    // A mouse press on a list that may start a drag: the song list's selected row or the playlist row under
    // the mouse (1-based; -1 below the last row).
    void BeginDrag(DragSource source, std::int32_t row);
    // The drop on the playlist; `itemAtPoint` is the 0-based entry under the drop point, -1 for none.
    void Drop(std::int32_t itemAtPoint);

    // Delete on the selected entry (0-based): refused for the current row. Selects the entry now standing
    // in its place (the new last one when the last was removed, none when the first was).
    void DeleteSelected(std::int32_t selected);
    void Sort(SortColumn column);

    // Inserts `rows` before row `at` (clamped to 1..count + 1) and recomputes the total time.
    void InsertRows(std::span<const TrackRow> rows, std::int32_t at);

private:
    TMasPLayList& list() { return control_.state().list(); }
    void startEdit(std::int32_t undoKind, std::int32_t first, std::int32_t extent);
    void moveRow(std::int32_t from, std::int32_t to);
    void deleteRow(std::int32_t row);
    void finishEdit();

    PlaybackControl& control_;
    const LibrarySource& library_;
    DragSource dragSource_ = DragSource::None;
    std::int32_t dragRow_ = -1;
};

} // namespace kavrel::playlist
