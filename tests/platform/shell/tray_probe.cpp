// The player's tray icon alone, on the display and session bus it is given: prints "available" or "none",
// then shows the icon and prints what its handlers are asked for ("restore", "exit", "lost").
#include "platform/shell/qt/qt_tray_icon.h"

#include <QApplication>
#include <QPixmap>

#include <iostream>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    kavrel::shell::QtTrayIcon tray(QIcon(picture), {QStringLiteral("&Восстановить"), QStringLiteral("Выход"),
                                                    QStringLiteral("Close Kavrel")});
    const auto say = [](const char* word) { return [word] { std::cout << word << std::endl; }; };
    tray.setHandlers({say("restore"), say("exit"), say("lost")});
    std::cout << (tray.available() ? "available" : "none") << std::endl;
    tray.show("Kavrel");
    return application.exec();
}
