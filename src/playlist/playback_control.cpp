#include "playlist/playback_control.h"

#include "platform/text/numbers.h"

#include <algorithm>
#include <limits>

namespace kavrel::playlist {

namespace {

constexpr int kPlayPicture = 1;
constexpr int kPausePicture = 4;
constexpr int kButtonStopped = 0;
constexpr int kButtonPaused = 1;
constexpr int kButtonPlaying = 3;

std::int32_t secondsOf(double ms) {
    return static_cast<std::int32_t>(text::roundHalfEven(ms / 1000.0));
}

} // namespace

std::string tickerTitleOf(const TrackRow& row, const std::string& durationText) {
    using namespace library;
    if (isCdRow(row))
        return "CD - " + row[kTitleColumn];
    std::string title = row[kArtistColumn] + " - " + row[kAlbumColumn] + " - " + row[kTitleColumn] + " - ";
    if (row[kYearColumn] != "0000")
        title += row[kYearColumn] + " - ";
    return title + row[kBitRateColumn] + " kbps - " + durationText + " - " + row[kChannelModeColumn];
}

std::string statusTextOf(const TrackRow& row) {
    using namespace library;
    if (!isCdRow(row))
        return row[kArtistColumn] + " - " + row[kTitleColumn];
    return std::string(columnNumber(row, kTrackColumn) < 10 ? "CD - Track 0" : "CD - Track ") +
           row[kTrackColumn];
}

PlaybackControl::PlaybackControl(PlaybackState& state, PlaybackEngine& engine, PlaylistDisplay& display,
                                 engine::SharedPlayback& shared)
    : state_(state), engine_(engine), display_(display), shared_(shared) {}

void PlaybackControl::setTimeSliders(std::int32_t seconds) {
    state_.sliderPosition = seconds;
    view().setTimeSlider(seconds);
}

void PlaybackControl::setTicker(std::string text) {
    state_.tickerTitle = std::move(text);
    view().setTickerText(state_.tickerTitle);
}

void PlaybackControl::PublishCurrentRow() {
    shared_.CurrentTrack = list().HasCurrent() ? list().CurrentIndex : 0;
}

void PlaybackControl::PlayCurrent(bool paused) {
    ClearMarks();
    if (!list().HasCurrent())
        return;
    const TrackRow& row = list().row(list().CurrentIndex);
    list().GenreMarker = row[library::kGenreColumn];
    list().StatusText = statusTextOf(row);
    state_.durationText = text::formatDuration(std::string_view(row[library::kDurationColumn]));
    state_.sliderDragging = false;
    setTicker(tickerTitleOf(row, state_.durationText));

    const std::int64_t durationMs = columnNumber(row, library::kDurationColumn);
    setTimeSliders(0);
    state_.sliderMaximum = secondsOf(static_cast<double>(durationMs));
    view().setTimeSliderMaximum(state_.sliderMaximum);
    view().setPlayButton(kPausePicture, kButtonPlaying);

    engine_.Play(row[library::kPathColumn], list().Position, paused);
    if (listener_)
        listener_->rowStarted(list().CurrentIndex, list().Position, row[library::kPathColumn]);
    list().PlayState = paused ? kPaused : kPlaying;
    PublishCurrentRow();
    if (resumePoller_)
        resumePoller_();
    MarkPlayingRow(paused ? kPauseWord : kPlayWord);
    refreshTimes(list());
    list().Duration = static_cast<double>(durationMs);
    setTimeSliders(secondsOf(list().Position));
    keepUndoCurrentInStep();
}

// An edit's undo copy follows the row that plays, so undoing the edit keeps playing the same track.
void PlaybackControl::keepUndoCurrentInStep() {
    auto& undo = state_.active.Undo;
    if (!undo || undo->UndoKindValue != kUndoEdit)
        return;
    const std::int32_t current = list().CurrentIndex;
    if (undo->Count() == list().Count())
        undo->CurrentIndex = current <= undo->CurrentIndex ? current - 1 : current;
    else
        undo->CurrentIndex += 1;
    undo->CurrentIndex = std::clamp(undo->CurrentIndex, 0, undo->Count());
}

void PlaybackControl::Stop(bool takeUndoCopy) {
    view().setPlayButton(kPlayPicture, kButtonStopped);
    if (takeUndoCopy)
        SaveUndoCopy();
    ResetPosition();
    view().setWindowTitle(kIdleWindowTitle);
    engine_.Stop();
    setTimeSliders(0);
    display_.unmarkPlayingRow(list(), list().CurrentIndex);
    list().CurrentIndex = 0;
    PublishCurrentRow();
    setTicker(kIdleTickerTitle);
    if (list().TotalTimeText.empty())
        list().TotalTimeText = kEmptyTimeText;
    view().setTimeTexts("00:00/00:00", "00:00/" + list().TotalTimeText);
    list().PlayState = kStopped;
}

void PlaybackControl::ResetPosition() {
    if (state_.session.repeatButton == kButtonOn) {
        state_.session.repeatButton = kButtonOff;
        view().setRepeatButton(kButtonOff);
    }
    list().Position = 0;
    list().Duration = 0;
}

void PlaybackControl::PlayButtonClick() {
    if (list().Position == 0)
        Start();
    else
        TogglePause();
}

void PlaybackControl::Start() {
    if (list().Empty())
        return;
    list().UndoKindValue = kUndoPlayback;
    list().EditFirst = 0;
    list().EditExtent = list().Count() + 1;
    SaveUndoCopy();
    ResetPosition();
    list().QuickFragment = 1;
    if (!list().HasCurrent())
        list().CurrentIndex = 1;
    list().PreviousIndex = list().CurrentIndex;
    PlayCurrent(false);
}

void PlaybackControl::TogglePause() {
    if (!list().HasCurrent())
        return;
    list().PreviousIndex = list().CurrentIndex;
    if (list().PlayState == kPlaying) {
        engine_.Pause();
        view().setPlayButton(kPlayPicture, kButtonPaused);
        MarkPlayingRow(kPauseWord);
        list().PlayState = kPaused;
        return;
    }
    if (list().PlayState == kPaused)
        engine_.Resume();
    view().setPlayButton(kPausePicture, kButtonPlaying);
    MarkPlayingRow(kPlayWord);
    list().PlayState = kPlaying;
}

void PlaybackControl::PlayRow(std::int32_t row) {
    if (row < 1 || row > list().Count())
        return;
    list().UndoKindValue = kUndoPlayback;
    SaveUndoCopy();
    ResetPosition();
    list().QuickFragment = 1;
    list().PreviousIndex = list().CurrentIndex;
    list().CurrentIndex = row;
    PlayCurrent(false);
}

void PlaybackControl::Next() {
    if (list().Empty() || !list().HasCurrent())
        return;
    const std::int32_t current = list().CurrentIndex;
    replayFrom(current >= list().Count() ? 1 : current + 1);
}

void PlaybackControl::Previous() {
    if (list().Empty() || !list().HasCurrent())
        return;
    const std::int32_t current = list().CurrentIndex;
    replayFrom(current < 2 ? list().Count() : current - 1);
}

void PlaybackControl::replayFrom(std::int32_t row) {
    list().UndoKindValue = kUndoPlayback;
    list().EditFirst = 0;
    list().EditExtent = list().Count() + 1;
    SaveUndoCopy();
    list().QuickFragment = 1;
    ResetPosition();
    list().PreviousIndex = list().CurrentIndex;
    list().CurrentIndex = row;
    PlayCurrent(false);
    SetRepeatOneSong(false);
}

void PlaybackControl::TrackEnd() {
    // A stop on the main thread may land between the poll's read and this call: never restart then.
    if (!list().HasCurrent())
        return;
    const std::int32_t current = list().CurrentIndex;
    advanceAfter(current);
    if (listener_)
        listener_->trackEnded(current, list().HasCurrent() ? list().CurrentIndex : 0);
}

void PlaybackControl::advanceAfter(std::int32_t current) {
    const core::TConfRecord& settings = state_.settings;
    const PlaybackSession& session = state_.session;
    const bool repeatOn = session.repeatButton == kButtonOn;
    list().Position = 0;
    if (settings.mRepeatAllPlayList && repeatOn && current == list().Count()) {
        list().PreviousIndex = current;
        list().CurrentIndex = 1;
        PlayCurrent(false);
    } else if (settings.mRepeatOneSong && repeatOn) {
        list().PreviousIndex = current;
        PlayCurrent(false);
    } else if (current >= list().Count()) {
        Stop(true);
        setTimeSliders(0);
        setTicker(kIdleTickerTitle);
        if (session.sleepButton == kButtonOn && session.sleepAfterEndPlaylist && sleepAction_)
            sleepAction_();
    } else {
        list().PreviousIndex = current;
        list().CurrentIndex = current + 1;
        PlayCurrent(false);
    }
}

void PlaybackControl::RemarkPlayingRow() {
    if (list().HasCurrent())
        MarkPlayingRow(list().PlayState == kPaused ? kPauseWord : kPlayWord);
}

void PlaybackControl::ActOnRestoredPlayState(bool takeUndoCopyOnStop) {
    switch (list().PlayState) {
    case kPlaying:
        PlayCurrent(false);
        break;
    case kPaused:
        PlayCurrent(true);
        break;
    default:
        Stop(takeUndoCopyOnStop);
        break;
    }
}

void PlaybackControl::SetQuickPlayChecked(bool checked) {
    state_.session.quickPlayChecked = checked;
    list().QuickPlayEnabled = checked;
    view().setCheck(Check::QuickPlayEnabled, checked);
}

void PlaybackControl::SetRepeatOneSong(bool checked) {
    state_.settings.mRepeatOneSong = checked;
    view().setCheck(Check::RepeatOneSong, checked);
}

void PlaybackControl::QuickPlayEnabledClick() {
    if (state_.session.quickPlayChecked) {
        SetQuickPlayChecked(false);
        return;
    }
    if (list().Empty())
        return;
    list().QuickFragment = 1;
    ResetPosition();
    SetQuickPlayChecked(true);
    list().PreviousIndex = list().CurrentIndex;
    list().CurrentIndex = 1;
    PlayCurrent(false);
}

void PlaybackControl::ClearMarks() {
    list().MarkA = 0;
    list().MarkB = 0;
    state_.marks.loop = false;
    view().hideMarkLabels();
}

void PlaybackControl::TimeSliderReleased(std::int32_t seconds) {
    engine_.SetPosition(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{seconds} * 1000, 0, std::numeric_limits<std::int32_t>::max())));
    state_.sliderPosition = seconds;
    state_.sliderDragging = false;
}

void PlaybackControl::VolumeChanged(std::int32_t volume) {
    volume = std::clamp(volume, 0, 1000);
    state_.settings.VolumePosition = volume;
    engine_.SetVolume(volume);
    view().setVolumeSliders(volume);
}

} // namespace kavrel::playlist
