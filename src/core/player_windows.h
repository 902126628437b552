#pragma once
// The player's windows as the hotkeys and the tray move them: the main window and the mini player with
// its drop-down playlist. The windows implement it; what decides (TrayControl, HotkeyActions) sees only
// this. Main thread.
namespace kavrel::core {

class PlayerWindows {
public:
    virtual ~PlayerWindows() = default;
    virtual bool mainVisible() const = 0;
    virtual bool miniVisible() const = 0;
    // In its normal state, brought to the front.
    virtual void showMain() = 0;
    virtual void hideMain() = 0;
    // Onto the task bar, minimised.
    virtual void minimiseMain() = 0;
    // The mini playlist from its top with the playlist's range, the mini player shown, the main window
    // hidden.
    virtual void switchToMini() = 0;
    virtual void showMini() = 0;
    // The mini playlist and the mini player.
    virtual void hideMini() = 0;
};

} // namespace kavrel::core
