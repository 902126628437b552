// What each poll of the engine does on the main thread.
#include "playlist/playback_control.h"

#include "core/derived_settings.h"
#include "platform/text/numbers.h"

#include <algorithm>
#include <limits>

namespace kavrel::playlist {

void PlaybackControl::OnPositionUpdate() {
    // Read again here rather than taken from the poll: a row started between the poll's read and this call
    // must not be ticked with the old track's position.
    list().PlayState = engine_.GetState();
    list().Position = engine_.GetPosition();
    if (listener_)
        listener_->engineRead(static_cast<std::uint8_t>(list().PlayState), list().Position);
    Tick();
}

void PlaybackControl::OnTrackEnd() {
    // The poll read "stopped" on its own thread; if a row was started since, the engine plays again and
    // this end is stale.
    if (engine_.GetState() != engine::kStopped)
        return;
    TrackEnd();
}

void PlaybackControl::OnPollError(std::exception_ptr error) {
    if (onError_)
        onError_(error);
}

void PlaybackControl::quickPlayStep() {
    const core::QuickPlayTable table = core::quickPlayTable(state_.settings);
    const std::int32_t q = std::clamp(list().QuickFragment, 1, kQuickPlayFragments);
    const double duration = list().Duration;
    const double end = duration * table[static_cast<std::size_t>(q - 1)].startFraction +
                       table[static_cast<std::size_t>(q - 1)].lengthMs;
    const double nextStart = duration * table[static_cast<std::size_t>(q)].startFraction;
    if (list().Position < end || list().Position > nextStart)
        return;
    if (q >= kQuickPlayFragments) {
        ResetPosition();
        TrackEnd();
        list().QuickFragment = 1;
        return;
    }
    list().QuickFragment = q + 1;
    list().Position = static_cast<std::int32_t>(text::roundHalfEven(nextStart));
    state_.sliderDragging = false;
    setTimeSliders(static_cast<std::int32_t>(text::roundHalfEven(list().Position / 1000.0)));
    engine_.SetPosition(list().Position);
}

void PlaybackControl::Tick() {
    if (state_.session.quickPlayChecked)
        quickPlayStep();
    if (list().MarkB != 0 && list().MarkB <= list().Position) {
        list().Position = list().MarkA;
        setTimeSliders(static_cast<std::int32_t>(text::roundHalfEven(list().Position / 1000.0)));
        engine_.SetPosition(list().Position);
        return;
    }
    if (!state_.sliderDragging)
        setTimeSliders(static_cast<std::int32_t>(text::roundHalfEven(list().Position / 1000.0)));
}

void PlaybackControl::TimeDisplay() {
    const std::string trackTime =
        text::formatDuration(std::int64_t{list().Position}) + "/" + state_.durationText;
    if (list().HasCurrent())
        view().setWindowTitle(list().StatusText + " - " + trackTime);
    const std::string playlistTime =
        list().Empty()
            ? std::string("00:00/00:00")
            : text::formatDuration(list().TimeBefore + list().Position) + "/" + list().TotalTimeText;
    view().setTimeTexts(trackTime, playlistTime);
}

} // namespace kavrel::playlist
