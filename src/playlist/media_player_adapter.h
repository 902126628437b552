#pragma once
// The player as the desktop's media controls see it: every request goes through the playback control as
// the buttons' do, and what the views are shown is announced to the desktop once the change is complete
// (a change passes through half-way states the desktop must not see). Main thread.
#include "platform/dispatch/dispatcher.h"
#include "platform/shell/media_player.h"
#include "playlist/playback_control.h"
#include "playlist/playback_view_watcher.h"

#include <functional>
#include <memory>

namespace kavrel::playlist {

class MediaPlayerAdapter final : public shell::MediaPlayer, public PlaybackViewWatcher {
public:
    struct Actions {
        std::function<void()> raise; // shows the window in use
        std::function<void()> quit;  // save-state and quit
    };

    // Announcements run through `dispatcher`; the control and the dispatcher outlive the adapter.
    MediaPlayerAdapter(PlaybackControl& control, dispatch::MainThreadDispatcher& dispatcher, Actions actions);
    // Null for none; outlives the adapter's use.
    void setEvents(shell::MediaPlayerEvents* events) { events_ = events; }

    shell::PlaybackStatus status() const override;
    std::optional<shell::MediaTrack> currentTrack() const override;
    int trackCount() const override;
    std::int64_t positionUs() const override;
    int volume() const override;

    void play() override;
    void pause() override;
    void playPause() override;
    void stop() override;
    void next() override { control_.Next(); }
    void previous() override { control_.Previous(); }
    void setPositionUs(std::int64_t position) override;
    void setVolume(int volume) override { control_.VolumeChanged(volume); }
    void raise() override;
    void quit() override;

    // PlaybackViewWatcher
    void playbackShown() override;
    void positionShown(int seconds) override;

private:
    const TMasPLayList& list() const { return control_.state().list(); }
    std::int32_t playingRow() const;
    void announceSoon();
    void announce();

    PlaybackControl& control_;
    dispatch::MainThreadDispatcher& dispatcher_;
    Actions actions_;
    shell::MediaPlayerEvents* events_ = nullptr;
    bool changed_ = false;
    bool jumped_ = false;
    bool announcing_ = false;
    // Where the time slider was last shown, and for which row: a move other than playing on is a jump.
    std::int32_t shownRow_ = 0;
    int shownSeconds_ = 0;
    // Posted announcements check it, so none runs after the adapter is gone.
    std::shared_ptr<MediaPlayerAdapter*> self_ = std::make_shared<MediaPlayerAdapter*>(this);
};

} // namespace kavrel::playlist
