#pragma once
// What a program without a window follows of playback (kavrel-play prints it). Main thread; called
// after the event it names, never while the playback control is half-way through a change.
#include <cstdint>
#include <string>

namespace kavrel::playlist {

class PlaybackListener {
public:
    virtual ~PlaybackListener() = default;
    // The engine was asked to play `row`'s file from `startMs`; it may have refused (its state is then
    // stopped).
    virtual void rowStarted(std::int32_t row, std::int32_t startMs, const std::string& file) = 0;
    // A poll read the engine: its state and position.
    virtual void engineRead(std::uint8_t state, std::int32_t positionMs) = 0;
    // The track of `row` ended (or quick play finished it): `next` is the row playing now, `row` itself
    // when it was repeated, 0 when playback stopped.
    virtual void trackEnded(std::int32_t row, std::int32_t next) = 0;
};

} // namespace kavrel::playlist
