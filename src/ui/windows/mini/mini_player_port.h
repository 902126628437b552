#pragma once
// What the mini player asks of the playback logic. The composition root binds it to the playback control
// (playback_mini_port.h).
#include <cstdint>

namespace kavrel::ui {

class MiniPlayerPort {
public:
    virtual ~MiniPlayerPort() = default;
    virtual int trackCount() const = 0;
    // Play while the position is 0 (nothing played yet, or stopped), else pause or resume.
    virtual void playPause() = 0;
    virtual void pauseResume() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    // The user moves the time bar (the shared seeking flag) and lets it go at `seconds`.
    virtual void timeSliderChanged() = 0;
    virtual void timeSliderReleased(std::int32_t seconds) = 0;
    // The engine volume and both volume bars.
    virtual void setVolume(std::int32_t volume) = 0;
};

} // namespace kavrel::ui
