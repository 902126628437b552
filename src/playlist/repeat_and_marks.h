#pragma once
// The repeat button with its menu pair, and the A-B mark that loops a stretch of the current track.
// Main thread.
#include "playlist/playback_control.h"

namespace kavrel::playlist {

class RepeatControl {
public:
    explicit RepeatControl(PlaybackControl& control) : control_(control) {}

    void RepeatButtonClick();
    // "One song" and "All PlayList": checking one unchecks the other; clicking a checked one unchecks it.
    void RepeatMenuClick(Check item);

private:
    PlaybackControl& control_;
};

class MarkControl {
public:
    explicit MarkControl(PlaybackControl& control) : control_(control) {}

    // First click sets A, the second sets B (the two swapped when B would come first), a third clears.
    void MarkClick();

private:
    // The left edge that puts a label of `width` with its right edge at the time slider's thumb.
    int labelLeftAtThumb(int width) const;

    PlaybackControl& control_;
};

} // namespace kavrel::playlist
