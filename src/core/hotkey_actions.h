#pragma once
// What the eight system-wide keys do, and the volume steps of the keys and of the mouse wheel. Main thread.
#include "core/player_windows.h"
#include "core/tray_control.h"
#include "platform/shell/global_hotkeys.h"
#include "playlist/playback_control.h"

#include <cstdint>

namespace kavrel::core {

// Win+Up: ten up, held at the maximum.
std::int32_t volumeKeyUp(std::int32_t volume);
// Win+Down: ten down; below ten it stays.
std::int32_t volumeKeyDown(std::int32_t volume);
// One wheel step over the main window outside its lists: fifty, within 0..1000.
std::int32_t wheelVolume(std::int32_t volume, bool down);

class HotkeyActions {
public:
    // Everything passed in outlives the actions.
    HotkeyActions(playlist::PlaybackControl& playback, PlayerWindows& windows, TrayControl& tray);
    void press(shell::Hotkey key);

private:
    void miniPlayer();
    void toTray();

    playlist::PlaybackControl& playback_;
    PlayerWindows& windows_;
    TrayControl& tray_;
};

} // namespace kavrel::core
