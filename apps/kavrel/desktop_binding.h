#pragma once
// The player's ways in from the desktop: the media-player interface on the session bus (media keys,
// sound menus, playerctl) and the files it is asked to open, by its own command line or by a second
// start. Built before start-up, so a second start during it waits in the socket's queue rather than
// being turned away. Main thread.
#include "core/application.h"
#include "core/error_reporter.h"
#include "platform/shell/qt/mpris_service.h"
#include "platform/shell/qt/second_start.h"
#include "playlist/media_player_adapter.h"
#include "playlist/opened_files.h"

#include <functional>

class QWidget;

class DesktopBinding {
public:
    // `raise` shows the window in use. Everything passed in outlives the binding.
    DesktopBinding(kavrel::core::Application& application, const kavrel::shell::SingleInstanceGuard& instance,
                   kavrel::dispatch::MainThreadDispatcher& dispatcher, kavrel::core::ErrorReporter& errors,
                   std::function<void()> raise);
    ~DesktopBinding();
    DesktopBinding(const DesktopBinding&) = delete;
    DesktopBinding& operator=(const DesktopBinding&) = delete;

    // This start's own files (its arguments), added once the event loop runs.
    void openOwn(const QStringList& arguments);

private:
    kavrel::core::Application& application_;
    kavrel::playlist::MediaPlayerAdapter player_;
    kavrel::shell::MprisService mpris_;
    kavrel::playlist::OpenedFiles opened_;
    kavrel::shell::SecondStartListener secondStarts_;
};

// `kavrel --help` (or -h): prints what the command line takes and returns true. Asked before anything
// else, so it never reaches a running copy as a file name.
bool printedHelp(int argc, char** argv);

// A second start: hands its files, or with none a request to show the window, to the copy holding
// `instance`'s lock. The exit code: 0, or 1 when files were given and no copy took them.
int handToRunningCopy(const kavrel::shell::SingleInstanceGuard& instance, int argc, char** argv);

// Brings `window` to the front: shown, not minimised, active.
void raiseWindow(QWidget& window);
