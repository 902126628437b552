#include "playlist/media_player_adapter.h"

#include "library/song_line.h"

#include <utility>

namespace kavrel::playlist {

namespace {

constexpr std::int64_t kUsPerMs = 1000;
constexpr std::int64_t kUsPerSecond = 1'000'000;

} // namespace

MediaPlayerAdapter::MediaPlayerAdapter(PlaybackControl& control, dispatch::MainThreadDispatcher& dispatcher,
                                       Actions actions)
    : control_(control), dispatcher_(dispatcher), actions_(std::move(actions)) {}

shell::PlaybackStatus MediaPlayerAdapter::status() const {
    if (!list().HasCurrent())
        return shell::PlaybackStatus::Stopped;
    switch (list().PlayState) {
    case kPlaying:
        return shell::PlaybackStatus::Playing;
    case kPaused:
        return shell::PlaybackStatus::Paused;
    default:
        return shell::PlaybackStatus::Stopped;
    }
}

std::optional<shell::MediaTrack> MediaPlayerAdapter::currentTrack() const {
    if (!list().HasCurrent())
        return std::nullopt;
    using namespace library;
    const TrackRow& row = list().row(list().CurrentIndex);
    // A CD track's path names no file a desktop could open.
    return shell::MediaTrack{list().CurrentIndex,
                             row[kTitleColumn],
                             row[kArtistColumn],
                             row[kAlbumColumn],
                             isCdRow(row) ? std::string() : row[kPathColumn],
                             columnNumber(row, kDurationColumn) * kUsPerMs};
}

int MediaPlayerAdapter::trackCount() const {
    return list().Count();
}

std::int64_t MediaPlayerAdapter::positionUs() const {
    if (status() == shell::PlaybackStatus::Stopped)
        return 0;
    return std::int64_t{control_.engine().GetPosition()} * kUsPerMs;
}

int MediaPlayerAdapter::volume() const {
    return control_.state().settings.VolumePosition;
}

void MediaPlayerAdapter::play() {
    switch (status()) {
    case shell::PlaybackStatus::Paused:
        control_.TogglePause();
        break;
    case shell::PlaybackStatus::Stopped:
        control_.Start();
        break;
    case shell::PlaybackStatus::Playing:
        break;
    }
}

void MediaPlayerAdapter::pause() {
    if (status() == shell::PlaybackStatus::Playing)
        control_.TogglePause();
}

void MediaPlayerAdapter::playPause() {
    if (status() == shell::PlaybackStatus::Playing)
        control_.TogglePause();
    else
        play();
}

void MediaPlayerAdapter::stop() {
    if (status() != shell::PlaybackStatus::Stopped)
        control_.Stop(true);
}

void MediaPlayerAdapter::setPositionUs(std::int64_t position) {
    if (status() == shell::PlaybackStatus::Stopped)
        return;
    const auto seconds = static_cast<int>((position + kUsPerSecond / 2) / kUsPerSecond);
    control_.TimeSliderReleased(seconds);
    // The one asking announces this jump itself; the slider reaching the new place is none.
    shownRow_ = playingRow();
    shownSeconds_ = seconds;
}

void MediaPlayerAdapter::raise() {
    if (actions_.raise)
        actions_.raise();
}

void MediaPlayerAdapter::quit() {
    if (actions_.quit)
        actions_.quit();
}

std::int32_t MediaPlayerAdapter::playingRow() const {
    return list().HasCurrent() ? list().CurrentIndex : 0;
}

void MediaPlayerAdapter::playbackShown() {
    changed_ = true;
    announceSoon();
}

// Playing on moves the slider by at most a second a poll; any other move of the same row is a jump (a
// slider dragged and let go, the A-B loop, a quick-play fragment, a restart).
void MediaPlayerAdapter::positionShown(int seconds) {
    const std::int32_t row = playingRow();
    if (row != 0 && row == shownRow_ && (seconds < shownSeconds_ || seconds > shownSeconds_ + 1)) {
        jumped_ = true;
        announceSoon();
    }
    shownRow_ = row;
    shownSeconds_ = seconds;
}

void MediaPlayerAdapter::announceSoon() {
    if (announcing_)
        return;
    announcing_ = true;
    dispatcher_.post([self = std::weak_ptr<MediaPlayerAdapter*>(self_)] {
        if (const auto adapter = self.lock())
            (*adapter)->announce();
    });
}

void MediaPlayerAdapter::announce() {
    announcing_ = false;
    const bool changed = std::exchange(changed_, false);
    const bool jumped = std::exchange(jumped_, false);
    if (!events_)
        return;
    if (changed)
        events_->playerChanged();
    if (jumped && status() != shell::PlaybackStatus::Stopped)
        events_->positionJumped(positionUs());
}

} // namespace kavrel::playlist
