#pragma once
// What the desktop's media controls (media keys, sound menus, playerctl) see of the player and ask of it.
// The player implements MediaPlayer over its playback control, so every request acts as the buttons do;
// the Linux service publishes it on the session bus (platform/shell/qt/mpris_service.h).
//
// Main thread, both ways: the service calls the player from the event loop, and the player tells the
// service what changed.
#include <cstdint>
#include <optional>
#include <string>

namespace kavrel::shell {

enum class PlaybackStatus { Stopped, Playing, Paused };

struct MediaTrack {
    int row = 0; // the row's number in the active playlist, 1-based; names the track to the desktop
    std::string title;
    std::string artist;
    std::string album;
    std::string path;          // the file; empty for none
    std::int64_t lengthUs = 0; // microseconds
};

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    virtual PlaybackStatus status() const = 0;
    // The current row of the active playlist; nothing when the list has no current row.
    virtual std::optional<MediaTrack> currentTrack() const = 0;
    virtual int trackCount() const = 0;
    virtual std::int64_t positionUs() const = 0;
    virtual int volume() const = 0; // 0..1000

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void playPause() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    // Within the current track, 0..its length.
    virtual void setPositionUs(std::int64_t position) = 0;
    virtual void setVolume(int volume) = 0; // 0..1000
    // Shows the main window, or the mini player when that is the one in use.
    virtual void raise() = 0;
    // Runs save-state and quits, as the close button does.
    virtual void quit() = 0;
};

// How the player tells the desktop's view about changes it made itself (a poll, a button, a track end).
class MediaPlayerEvents {
public:
    virtual ~MediaPlayerEvents() = default;
    // Anything but the position may have changed: status, track, volume, what can be done.
    virtual void playerChanged() = 0;
    // The position jumped (a seek, not the steady advance of playing).
    virtual void positionJumped(std::int64_t positionUs) = 0;
};

} // namespace kavrel::shell
