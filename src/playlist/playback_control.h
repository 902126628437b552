#pragma once
// Plays the active playlist: starting a row, pause, stop, next and previous, the track-end decision, and
// what each poll does (quick-play fragments, the A-B jump, the sliders and the time texts).
//
// Main thread only. The poller calls the PollHandlers through its dispatcher, so they run here too.
#include "engine/engine_sync.h"
#include "playlist/playback_engine.h"
#include "playlist/playback_listener.h"
#include "playlist/playback_state.h"
#include "playlist/playlist_display.h"

#include <exception>
#include <functional>

namespace kavrel::playlist {

class PlaybackControl final : public engine::PollHandlers {
public:
    PlaybackControl(PlaybackState& state, PlaybackEngine& engine, PlaylistDisplay& display,
                    engine::SharedPlayback& shared);

    // Wakes the poller when something starts playing.
    void setPollResumer(std::function<void()> resume) { resumePoller_ = std::move(resume); }
    // Runs when the last row has ended with the sleep button on and "After end playlist" checked: saves
    // the state and switches the computer off. May throw; the poller reports it once.
    void setSleepAction(std::function<void()> action) { sleepAction_ = std::move(action); }
    void setErrorHandler(std::function<void(std::exception_ptr)> handler) { onError_ = std::move(handler); }
    // Null for none; outlives the control.
    void setListener(PlaybackListener* listener) { listener_ = listener; }

    void PlayCurrent(bool paused);
    void Stop(bool takeUndoCopy);
    void ResetPosition();
    // The play button: Start while the position is 0, else toggle pause.
    void PlayButtonClick();
    void Start();
    void TogglePause();
    void PlayRow(std::int32_t row);
    void Next();
    void Previous();
    void TrackEnd();
    void Tick();
    void TimeDisplay();
    void MarkPlayingRow(std::string_view word) { display_.markPlayingRow(state_.list(), word); }
    // Marks the playing row by the play state, as after an edit moved it.
    void RemarkPlayingRow();
    // The play state restored by undo or a tab switch: 1 plays the current row, 2 loads it paused, 0 stops.
    void ActOnRestoredPlayState(bool takeUndoCopyOnStop);

    void QuickPlayEnabledClick();
    void SetQuickPlayChecked(bool checked);
    void SetRepeatOneSong(bool checked);
    void ClearMarks();

    void TimeSliderChanged() { state_.sliderDragging = true; }
    void TimeSliderReleased(std::int32_t seconds);
    void VolumeChanged(std::int32_t volume);

    // Copies the active list into its undo copy.
    void SaveUndoCopy() { state_.active.Undo = state_.active.List; }
    // The current index the poller sees; call after changing it outside the operations above.
    void PublishCurrentRow();

    // engine::PollHandlers
    void OnPositionUpdate() override;
    void OnTrackEnd() override;
    void OnTimeDisplay() override { TimeDisplay(); }
    void OnPollError(std::exception_ptr error) override;

    PlaybackState& state() { return state_; }
    PlaylistDisplay& display() { return display_; }
    PlaybackEngine& engine() { return engine_; }

private:
    TMasPLayList& list() { return state_.list(); }
    PlaylistView& view() { return display_.view(); }
    void setTimeSliders(std::int32_t seconds);
    void setTicker(std::string text);
    void replayFrom(std::int32_t row);
    // The track-end decision for `current`: repeat, wrap, advance or stop.
    void advanceAfter(std::int32_t current);
    void keepUndoCurrentInStep();
    void quickPlayStep();

    PlaybackState& state_;
    PlaybackEngine& engine_;
    PlaylistDisplay& display_;
    engine::SharedPlayback& shared_;
    std::function<void()> resumePoller_;
    std::function<void()> sleepAction_;
    std::function<void(std::exception_ptr)> onError_;
    PlaybackListener* listener_ = nullptr;
};

// "Artist - Album - Title - [Year - ]Bitrate kbps - m:ss - Channels", or "CD - Title" for a CD track.
std::string tickerTitleOf(const TrackRow& row, const std::string& durationText);
// "Artist - Title", or "CD - Track 0n" for a CD track.
std::string statusTextOf(const TrackRow& row);

} // namespace kavrel::playlist
