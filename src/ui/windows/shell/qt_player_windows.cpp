#include "ui/windows/shell/qt_player_windows.h"

#include "ui/windows/main/t_form1.h"
#include "ui/windows/player/player_windows.h"

namespace kavrel::ui {

bool QtPlayerWindows::mainVisible() const {
    return main_.isVisible();
}

bool QtPlayerWindows::miniVisible() const {
    return windows_ && windows_->mini().isVisible();
}

void QtPlayerWindows::showMain() {
    if (windows_) {
        windows_->showMainWindow();
        return;
    }
    main_.showNormal();
    main_.raise();
    main_.activateWindow();
}

void QtPlayerWindows::hideMain() {
    main_.hide();
}

void QtPlayerWindows::minimiseMain() {
    main_.showMinimized();
}

void QtPlayerWindows::switchToMini() {
    if (windows_)
        windows_->switchToMini();
}

void QtPlayerWindows::showMini() {
    if (windows_)
        windows_->mini().show();
}

void QtPlayerWindows::hideMini() {
    if (!windows_)
        return;
    windows_->mini().hidePlaylist();
    windows_->mini().hide();
}

} // namespace kavrel::ui
