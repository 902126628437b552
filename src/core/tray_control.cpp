#include "core/tray_control.h"

namespace kavrel::core {

TrayControl::TrayControl(shell::TrayIcon& tray, PlayerWindows& windows, std::string tip,
                         std::function<void()> exit)
    : tray_(tray), windows_(windows), parking_(tray, std::move(tip)) {
    tray_.setHandlers({[this] { restore(); }, std::move(exit), [this] { parking_.trayLost(); }});
}

TrayControl::~TrayControl() {
    tray_.setHandlers({});
    // The icon never outlives the player.
    parking_.unpark();
}

void TrayControl::hideFromMain() {
    if (inTray())
        return;
    hiddenFromMini_ = false;
    parking_.park(*this);
}

void TrayControl::hideFromMini() {
    if (inTray())
        return;
    windows_.hideMini();
    hiddenFromMini_ = true;
    parking_.park(*this);
}

void TrayControl::restore() {
    if (!inTray())
        return;
    parking_.unpark();
    if (hiddenFromMini_)
        windows_.showMini();
    else
        windows_.showMain();
}

void TrayControl::restoreMain() {
    if (inTray())
        parking_.unpark();
    hiddenFromMini_ = false;
    windows_.hideMini();
    windows_.showMain();
}

void TrayControl::showMinimised() {
    if (hiddenFromMini_)
        windows_.showMini();
    else
        windows_.minimiseMain();
}

} // namespace kavrel::core
