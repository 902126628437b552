#pragma once
// Binds the desktop's side of the player to the main window: the eight system-wide keys, the tray icon
// (ImgTray, minimising, the mini player's tray button, the icon's restore and exit), the sleep button
// with its options menu, and the wheel outside the lists.
// Main thread only.
#include "core/application.h"
#include "core/hotkey_actions.h"
#include "core/tray_control.h"
#include "platform/shell/global_hotkeys.h"
#include "platform/shell/tray_icon.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/shell/qt_player_windows.h"

#include <QMenu>
#include <QObject>

namespace kavrel::ui {

inline constexpr const char* kTrayTip = "Kavrel";

class ShellBinding final : public QObject {
public:
    // Everything passed in outlives the binding.
    ShellBinding(TForm1& window, core::Application& application, shell::GlobalHotkeys& hotkeys,
                 shell::TrayIcon& tray);
    ~ShellBinding() override;
    ShellBinding(const ShellBinding&) = delete;
    ShellBinding& operator=(const ShellBinding&) = delete;

    // The mini player and its playlist, once made: the hotkeys reach them.
    void attachMini(PlayerWindows& windows);
    // The mini player's tray button and Alt+Down: behind the icon, with the mini player as the window
    // that comes back.
    void miniToTray();

    core::TrayControl& tray() { return tray_; }

    // ImgOptSleep's menu: "After end playlist" (checked) and the timer item, which is never enabled.
    QMenu SleepOptions;
    QAction* const Afterendplaylist1;
    QAction* const AfterendTimer1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clicked(layout::Control control, QPoint globalPosition);
    void sleepButtonClick();
    // Outside the lists and their scrollers.
    bool wheelOverTheWindow(QWidget& receiver, const QWheelEvent& wheel);

    TForm1& window_;
    core::Application& application_;
    shell::GlobalHotkeys& hotkeys_;
    QtPlayerWindows windows_;
    core::TrayControl tray_;
    core::HotkeyActions actions_;
    // The wheel's turn not yet a whole step (a touchpad sends small ones).
    int wheelRest_ = 0;
};

} // namespace kavrel::ui
