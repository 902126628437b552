#include "core/hotkey_actions.h"

#include <algorithm>

namespace kavrel::core {

namespace {

constexpr std::int32_t kMaximumVolume = 1000;
constexpr std::int32_t kKeyStep = 10;
constexpr std::int32_t kWheelStep = 50;

} // namespace

std::int32_t volumeKeyUp(std::int32_t volume) {
    return std::min(volume + kKeyStep, kMaximumVolume);
}

std::int32_t volumeKeyDown(std::int32_t volume) {
    return volume < kKeyStep ? volume : volume - kKeyStep;
}

std::int32_t wheelVolume(std::int32_t volume, bool down) {
    return std::clamp(volume + (down ? -kWheelStep : kWheelStep), 0, kMaximumVolume);
}

HotkeyActions::HotkeyActions(playlist::PlaybackControl& playback, PlayerWindows& windows, TrayControl& tray)
    : playback_(playback), windows_(windows), tray_(tray) {}

void HotkeyActions::press(shell::Hotkey key) {
    using shell::Hotkey;
    const std::int32_t volume = playback_.state().settings.VolumePosition;
    switch (key) {
    case Hotkey::VolumeUp:
        playback_.VolumeChanged(volumeKeyUp(volume));
        break;
    case Hotkey::VolumeDown:
        playback_.VolumeChanged(volumeKeyDown(volume));
        break;
    case Hotkey::Next:
        playback_.Next();
        break;
    case Hotkey::Previous:
        playback_.Previous();
        break;
    case Hotkey::PlayPause:
        // Stopped, the key starts the list, as its button does; otherwise it pauses and resumes.
        if (playback_.state().list().HasCurrent())
            playback_.TogglePause();
        else
            playback_.Start();
        break;
    case Hotkey::MiniPlayer:
        miniPlayer();
        break;
    case Hotkey::ToTray:
        toTray();
        break;
    case Hotkey::Restore:
        tray_.restoreMain();
        break;
    }
}

void HotkeyActions::miniPlayer() {
    if (windows_.miniVisible())
        return;
    if (windows_.mainVisible())
        windows_.switchToMini();
    else
        tray_.restore();
}

void HotkeyActions::toTray() {
    if (windows_.miniVisible())
        tray_.hideFromMini();
    else
        tray_.hideFromMain();
}

} // namespace kavrel::core
