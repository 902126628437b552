#pragma once
// The mini player's port over the playback control.
#include "playlist/playback_control.h"
#include "ui/windows/mini/mini_player_port.h"

namespace kavrel::ui {

class PlaybackMiniPort final : public MiniPlayerPort {
public:
    explicit PlaybackMiniPort(playlist::PlaybackControl& control) : control_(control) {}

    int trackCount() const override { return control_.state().list().Count(); }
    void playPause() override { control_.PlayButtonClick(); }
    void pauseResume() override { control_.TogglePause(); }
    void stop() override { control_.Stop(true); }
    void next() override { control_.Next(); }
    void previous() override { control_.Previous(); }
    void timeSliderChanged() override { control_.TimeSliderChanged(); }
    void timeSliderReleased(std::int32_t seconds) override { control_.TimeSliderReleased(seconds); }
    void setVolume(std::int32_t volume) override { control_.VolumeChanged(volume); }

private:
    playlist::PlaybackControl& control_;
};

} // namespace kavrel::ui
