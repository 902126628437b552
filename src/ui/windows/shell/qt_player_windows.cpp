#include "ui/windows/shell/qt_player_windows.h"

#include "ui/windows/main/t_form1.h"
#include "ui/windows/mini/player_windows_view.h"
#include "ui/windows/mini/t_min_frm.h"
#include "ui/windows/nerix/t_nerix.h"

namespace kavrel::ui {

bool QtPlayerWindows::mainVisible() const {
    return main_.isVisible();
}

bool QtPlayerWindows::miniVisible() const {
    return mini_ && mini_->isVisible();
}

void QtPlayerWindows::showMain() {
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
    if (mini_)
        ui::switchToMini(main_, *mini_, *nerix_, main_.QelScrollerVr5->Max());
}

void QtPlayerWindows::showMini() {
    if (mini_)
        mini_->show();
}

void QtPlayerWindows::hideMini() {
    if (!mini_)
        return;
    nerix_->hide();
    mini_->hide();
}

} // namespace kavrel::ui
