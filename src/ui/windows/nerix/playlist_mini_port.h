#pragma once
// The mini playlist's port over the playback control and the playlist editor.
#include "playlist/playback_control.h"
#include "playlist/playlist_editor.h"
#include "playlist/row_hint.h"
#include "ui/windows/nerix/mini_playlist_port.h"

namespace kavrel::ui {

class PlaylistMiniPort final : public MiniPlaylistPort {
public:
    PlaylistMiniPort(playlist::PlaybackControl& control, playlist::PlaylistEditor& editor)
        : control_(control), editor_(editor) {}

    void playTrack(std::int32_t number) override { control_.PlayRow(number); }
    void deleteSelected(std::int32_t selected) override { editor_.DeleteSelected(selected); }
    std::string rowHint(std::int32_t row) const override {
        const playlist::TMasPLayList& list = control_.state().list();
        return row >= 1 && row <= list.Count() ? playlist::rowHintText(list.row(row)) : std::string();
    }
    // Rows dragged inside the mini playlist move, as inside the main playlist.
    void beginDrag(std::int32_t row) override { editor_.BeginDrag(playlist::DragSource::Playlist, row); }
    void drop(std::int32_t itemAtPoint) override { editor_.Drop(itemAtPoint); }

private:
    playlist::PlaybackControl& control_;
    playlist::PlaylistEditor& editor_;
};

} // namespace kavrel::ui
