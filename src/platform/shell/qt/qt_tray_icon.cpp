#include "platform/shell/qt/qt_tray_icon.h"

namespace kavrel::shell {

QtTrayIcon::QtTrayIcon(const QIcon& icon, const TrayMenuTexts& texts) : icon_(icon) {
    QObject::connect(menu_.addAction(texts.restore), &QAction::triggered, &menu_,
                     [this] { call(handlers_.restore); });
    menu_.addSeparator();
    QAction* exit = menu_.addAction(texts.exit);
    exit->setToolTip(texts.exitHint);
    QObject::connect(exit, &QAction::triggered, &menu_, [this] { call(handlers_.exit); });
    icon_.setContextMenu(&menu_);
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &menu_,
                     [this](QSystemTrayIcon::ActivationReason why) {
                         // A notification area of the D-Bus kind (most desktops now) sends one plain
                         // activation for a click and never a double-click, so a click restores too.
                         if (why == QSystemTrayIcon::DoubleClick || why == QSystemTrayIcon::Trigger)
                             call(handlers_.restore);
                     });
    watch_.setInterval(1000);
    QObject::connect(&watch_, &QTimer::timeout, &menu_, [this] {
        if (available())
            return;
        hide();
        call(handlers_.lost);
    });
}

bool QtTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::show(const std::string& tip) {
    setTip(tip);
    icon_.show();
    watch_.start();
}

void QtTrayIcon::setTip(const std::string& tip) {
    icon_.setToolTip(QString::fromStdString(tip));
}

void QtTrayIcon::hide() {
    watch_.stop();
    icon_.hide();
}

} // namespace kavrel::shell
