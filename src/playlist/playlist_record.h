#pragma once
// The playlist records: TPlist (the rows and where playback stands), TMasPLayList (with the play extras
// and what the last change was) and TPlayMasiv (a list and its one-step undo copy). All are values:
// copying one copies every row.
#include "library/library_tables.h"
#include "library/song_line.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavrel::playlist {

using library::TrackRow;

enum ListPlayState : std::int32_t { kStopped = 0, kPlaying = 1, kPaused = 2 };

inline constexpr const char* kEmptyTimeText = "00:00";

struct TPlist {
    std::int32_t CurrentIndex = 0; // 1-based; 0 = none
    std::int32_t PreviousIndex = 0;
    std::int32_t Position = 0; // ms, where the current track resumes
    double Duration = 0;       // ms, of the current track
    std::int32_t PlayState = kStopped;
    std::vector<TrackRow> Rows = std::vector<TrackRow>(1); // row 0 is never used

    std::string StatusText;      // "Artist - Title" of the current track
    std::string GenreMarker;     // "CD" while an audio-CD track is current
    std::int64_t TimeBefore = 0; // ms of the rows before the current one
    std::int64_t TotalTime = 0;  // ms of all rows
    std::string TotalTimeText = kEmptyTimeText;

    std::int32_t Count() const { return static_cast<std::int32_t>(Rows.size()) - 1; }
    bool Empty() const { return Rows.size() <= 1; }
    TrackRow& row(std::int32_t index) { return Rows[static_cast<std::size_t>(index)]; }
    const TrackRow& row(std::int32_t index) const { return Rows[static_cast<std::size_t>(index)]; }
    bool HasCurrent() const { return CurrentIndex >= 1 && CurrentIndex <= Count(); }
};

// What the last change to a list was, so that undoing it knows whether to touch playback.
enum UndoKind : std::int32_t { kUndoEdit = 0, kUndoPlayback = 1 };

struct TMasPLayList : TPlist {
    bool QuickPlayEnabled = false;
    std::int32_t QuickFragment = 1; // 1..3
    std::int32_t MarkA = 0;         // ms; 0 = not set
    std::int32_t MarkB = 0;
    std::string Text;
    std::int32_t UndoKindValue = kUndoEdit;
    std::int32_t EditFirst = 0; // first row and extent of the last edit
    std::int32_t EditExtent = 0;
};

struct TPlayMasiv {
    TMasPLayList List;
    // "No undo yet" is its own state: an undo copy of an empty list still restores that empty list.
    std::optional<TMasPLayList> Undo;
};

// A numeric column as a number; text that is not a clean non-negative decimal integer counts as 0.
std::int64_t columnNumber(const TrackRow& row, std::size_t column);
bool isCdRow(const TrackRow& row);

// Sums of the duration column (ms) over all rows, and over the rows before `row`.
std::int64_t totalPlayTime(const TPlist& list);
std::int64_t playTimeBefore(const TPlist& list, std::int32_t row);
// Sum of the file-size column in bytes.
std::int64_t totalSize(const TPlist& list);

// Recomputes TotalTime, its text and TimeBefore from the rows and the current index.
void refreshTimes(TPlist& list);

} // namespace kavrel::playlist
