#pragma once
// Follows what the playlist views are asked to show, for those that mirror playback outside the windows
// (the desktop's media controls). Told after the views were; main thread.
namespace kavrel::playlist {

class PlaybackViewWatcher {
public:
    virtual ~PlaybackViewWatcher() = default;
    // The play button, the playing row, the volume, a track's length or the entries were shown anew.
    virtual void playbackShown() = 0;
    // The time slider was set to `seconds`.
    virtual void positionShown(int seconds) = 0;
};

} // namespace kavrel::playlist
