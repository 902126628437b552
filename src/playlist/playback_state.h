#pragma once
// The active playlist and the process-wide playback values beside it: the settings the menus and the
// preferences hold, and what the sliders, the ticker and the marks show. Main thread only.
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

struct QuickPlayFragment {
    double startFraction = 0; // of the track's length
    std::int32_t lengthMs = 0;
};
inline constexpr std::int32_t kQuickPlayFragments = 3;
// Three fragments, closed by a fourth entry of start 1.0.
using QuickPlayTable = std::array<QuickPlayFragment, kQuickPlayFragments + 1>;

struct PlaybackSettings {
    DisplayOptions display;
    QuickPlayTable quickPlay{{{0.0, 0}, {0.0, 0}, {0.0, 0}, {1.0, 0}}};
    bool quickPlayChecked = false; // "Quick play" > "Enabled"
    bool repeatOneSong = true;
    bool repeatAllPlayList = false;
    int repeatButton = kButtonOff;
    int sleepButton = kButtonOff;
    bool sleepAfterEndPlaylist = true;
    std::int32_t startupMode = 0; // 0 resume and play, 1 load the list, 2 start empty
};

struct MarkLabels {
    bool loop = false;
    int left = 0; // placements of MarkL and MarkR
    int right = 0;
};

struct PlaybackState {
    TPlayMasiv active;
    PlaybackSettings settings;

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
