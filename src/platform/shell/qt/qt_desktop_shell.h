#pragma once
// The desktop shell of the player: addresses and documents open through Qt's desktop services (the
// desktop's default browser and applications), programs start without a shell, and "show file location"
// asks the file manager over the session bus (org.freedesktop.FileManager1), opening the file's folder
// when no file manager answers.
#include "platform/shell/desktop_shell.h"

#include <QDBusConnection>
#include <QObject>

namespace kavrel::shell {

class QtDesktopShell final : public DesktopShell {
public:
    // Main thread, with a Qt application object. `bus` is the session bus in the player.
    explicit QtDesktopShell(QDBusConnection bus);

    bool openUrl(const std::string& url) override;
    bool startProgram(const std::string& commandLine) override;
    bool openDocument(const std::string& path) override;
    // True once the request is on its way: the file manager's answer arrives later, and a failure then
    // opens the folder instead.
    bool showFileLocation(const std::string& path) override;

private:
    QDBusConnection bus_;
    QObject pendingCalls_; // parent of the watchers of calls still waiting for an answer
};

} // namespace kavrel::shell
