#pragma once
// The active playlist and the process-wide playback values beside it: the settings model the menus and
// the preferences write, the buttons' state of this run, and what the sliders, the ticker and the marks
// show. Main thread only.
#include "core/conf_record.h"
#include "playlist/playlist_display.h"
#include "playlist/playlist_record.h"

#include <array>
#include <cstdint>
#include <string>

namespace kavrel::playlist {

inline constexpr const char* kIdleTickerTitle = "Kavrel 1.0 TP 1";
inline constexpr const char* kIdleWindowTitle = "Kavrel";
inline constexpr const char* kPlayWord = "Play";
inline constexpr const char* kPauseWord = "Pause";

inline constexpr int kButtonOff = 1;
inline constexpr int kButtonOn = 2;

inline constexpr std::int32_t kQuickPlayFragments = 3;

// What the buttons and unsaved menu checks hold for this run only.
struct PlaybackSession {
    bool quickPlayChecked = false; // "Quick play" > "Enabled"
    int repeatButton = kButtonOff;
    int sleepButton = kButtonOff;
    bool sleepAfterEndPlaylist = true;
};

struct MarkLabels {
    bool loop = false;
    int left = 0; // placements of MarkL and MarkR
    int right = 0;
};

struct PlaybackState {
    // `settings` is the one settings model: the repeat checks, the quick-play texts, the list display
    // and the start-up mode are read from it and written back into it.
    explicit PlaybackState(core::TConfRecord& settings) : settings(settings) {}

    TPlayMasiv active;
    core::TConfRecord& settings;
    PlaybackSession session;

    std::string durationText; // of the current track
    std::string tickerTitle = kIdleTickerTitle;
    bool sliderDragging = false;
    std::int32_t sliderMaximum = 0; // seconds
    std::int32_t sliderPosition = 0;
    MarkLabels marks;

    TMasPLayList& list() { return active.List; }
    const TMasPLayList& list() const { return active.List; }
};

} // namespace kavrel::playlist
