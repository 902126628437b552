#pragma once
// The tray icon over Qt's system tray: the program's icon, its title as tip, a click or double-click that
// restores, a right-button menu with restore and exit. Qt tells nothing when the notification area goes
// away, so while the icon is shown its availability is checked every second.
#include "platform/shell/tray_icon.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace kavrel::shell {

struct TrayMenuTexts {
    QString restore; // "&Восстановить"
    QString exit;    // "Выход"
    QString exitHint;
};

class QtTrayIcon final : public TrayIcon {
public:
    // Main thread, with a QApplication.
    QtTrayIcon(const QIcon& icon, const TrayMenuTexts& texts);

    void setHandlers(TrayHandlers handlers) override { handlers_ = std::move(handlers); }
    bool available() const override;
    void show(const std::string& tip) override;
    void setTip(const std::string& tip) override;
    void hide() override;
    bool shown() const override { return icon_.isVisible(); }

private:
    void call(const std::function<void()>& handler) const {
        if (handler)
            handler();
    }

    QMenu menu_;
    QSystemTrayIcon icon_;
    QTimer watch_;
    TrayHandlers handlers_;
};

} // namespace kavrel::shell
