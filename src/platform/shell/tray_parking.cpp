#include "platform/shell/tray_icon.h"

namespace kavrel::shell {

TrayParking::TrayParking(TrayIcon& tray, std::string tip) : tray_(tray), tip_(std::move(tip)) {}

void TrayParking::park(ParkedWindow& window) {
    if (!tray_.available()) {
        window.minimiseWindow();
        return;
    }
    window.hideWindow();
    hidden_ = &window;
    tray_.show(tip_);
}

void TrayParking::unpark() {
    hidden_ = nullptr;
    tray_.hide();
}

void TrayParking::trayLost() {
    ParkedWindow* window = hidden_;
    unpark();
    if (window)
        window->showMinimised();
}

} // namespace kavrel::shell
