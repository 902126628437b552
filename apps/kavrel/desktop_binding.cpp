#include "desktop_binding.h"

#include "library/browser/library_browser.h"

#include <QDBusConnection>
#include <QWidget>

#include <cstdio>
#include <cstring>

using namespace kavrel;

DesktopBinding::DesktopBinding(core::Application& application, const shell::SingleInstanceGuard& instance,
                               dispatch::MainThreadDispatcher& dispatcher, core::ErrorReporter& errors,
                               std::function<void()> raise)
    : application_(application),
      player_(application.playback(), dispatcher, {raise, [&application] { application.quit(); }}),
      mpris_(player_, QDBusConnection::sessionBus()),
      opened_(dispatcher, application.editor(),
              {[&application] { return library::browser::addModeOf(application.settings().Song); },
               [&errors](const std::string& message) { errors.reportError(message); }}),
      secondStarts_(instance, {[this, raise](const std::vector<std::string>& paths) {
                                   opened_.open(paths);
                                   raise();
                               },
                               raise}) {
    // Without a session bus (or with the name taken) the player runs on without the interface.
    if (mpris_.start())
        player_.setEvents(&mpris_);
    application_.watchPlayback(&player_);
    if (!secondStarts_.listening())
        std::fprintf(stderr, "kavrel: a second start cannot reach this copy: %s\n",
                     secondStarts_.failure().c_str());
}

DesktopBinding::~DesktopBinding() {
    application_.watchPlayback(nullptr);
}

void DesktopBinding::openOwn(const QStringList& arguments) {
    secondStarts_.deliverOwn(shell::startPaths(arguments));
}

bool printedHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(
                "usage: kavrel [FILE|FOLDER|file:// URI]...\n"
                "Starts the player in your program folder, or, while it runs, brings its window to the\n"
                "front. Songs (MP3, Ogg Vorbis, WMA), folders of songs and .ppl playlists given are added\n"
                "to the active playlist by the song list's add mode, in the running player if one runs.\n",
                stdout);
            return true;
        }
    }
    return false;
}

int handToRunningCopy(const shell::SingleInstanceGuard& instance, int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::vector<std::string> paths = shell::startPaths(arguments);
    // Showing the window is a courtesy: a second start without files leaves with 0 whatever happens.
    if (shell::passToRunningCopy(instance, paths) || paths.empty())
        return 0;
    std::fprintf(stderr, "kavrel: the running copy did not take the files\n");
    return 1;
}

void raiseWindow(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}
