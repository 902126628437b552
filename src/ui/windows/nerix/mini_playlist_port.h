#pragma once
// What the mini playlist asks of the playlist logic. The composition root binds it to the playback control
// and the playlist editor (playlist_mini_port.h).
#include <cstdint>
#include <string>

namespace kavrel::ui {

class MiniPlaylistPort {
public:
    virtual ~MiniPlaylistPort() = default;
    // 1-based track number.
    virtual void playTrack(std::int32_t number) = 0;
    // Delete on the selected entry (0-based); the logic refuses the playing row and selects what follows.
    virtual void deleteSelected(std::int32_t selected) = 0;
    // The hint of 1-based `row`, as the main playlist shows it.
    virtual std::string rowHint(std::int32_t row) const = 0;
    // A press that may start a drag of 1-based `row` (-1 below the last row), then the drop on the entry
    // under the drop point (0-based, -1 for none).
    virtual void beginDrag(std::int32_t row) = 0;
    virtual void drop(std::int32_t itemAtPoint) = 0;
};

} // namespace kavrel::ui
