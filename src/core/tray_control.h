#pragma once
// The player going to the notification area and coming back: from the main window or from the mini player
// (which is then the window that comes back), through TrayParking, so a desktop without a notification
// area gets a minimised main window instead. Main thread.
#include "core/player_windows.h"
#include "platform/shell/tray_icon.h"

#include <functional>
#include <string>

namespace kavrel::core {

class TrayControl final : private shell::ParkedWindow {
public:
    // Takes the tray's handlers: a double-click and the restore item restore, the exit item runs `exit`
    // (save-state and quit). The tray and the windows outlive the control.
    TrayControl(shell::TrayIcon& tray, PlayerWindows& windows, std::string tip, std::function<void()> exit);
    ~TrayControl() override;
    TrayControl(const TrayControl&) = delete;
    TrayControl& operator=(const TrayControl&) = delete;

    // ImgTray, the main window minimised, Win+Page Down from the main window. Nothing while in the tray.
    void hideFromMain();
    // The mini player's tray button, Win+Page Down while the mini player shows.
    void hideFromMini();
    // The icon's double-click and RestoreItem: the window that went to the tray comes back, the icon goes.
    void restore();
    // Win+Home: out of the tray if there, the mini windows hidden, the main window in front.
    void restoreMain();
    bool inTray() const { return parking_.hidden(); }

private:
    void hideWindow() override { windows_.hideMain(); }
    void minimiseWindow() override { windows_.minimiseMain(); }
    // The notification area went away while the player hid behind it.
    void showMinimised() override;

    shell::TrayIcon& tray_;
    PlayerWindows& windows_;
    shell::TrayParking parking_;
    bool hiddenFromMini_ = false;
};

} // namespace kavrel::core
