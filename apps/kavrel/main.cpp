// The player: one copy per user, started in its program folder.
#include "core/application.h"
#include "engine/cd_drive.h"
#include "platform/dispatch/qt/qt_dispatcher.h"
#include "platform/shell/no_desktop.h"
#include "platform/shell/qt/qt_desktop_shell.h"
#include "platform/shell/single_instance.h"
#include "quit_signals.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/messages/player_messages.h"
#include "ui/windows/preferences/preferences_binding.h"
#include "ui/windows/welcome/welcome_binding.h"

#include <QApplication>
#include <QDBusConnection>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <pthread.h>

int main(int argc, char** argv) {
    // A quit signal that arrives before its handler is in place waits for it instead of killing the process.
    sigset_t quitSignalSet;
    sigemptyset(&quitSignalSet);
    sigaddset(&quitSignalSet, SIGTERM);
    sigaddset(&quitSignalSet, SIGINT);
    pthread_sigmask(SIG_BLOCK, &quitSignalSet, nullptr);

    // Decided before any window exists: a second copy leaves without a trace; a lock that cannot be had is
    // an error, not another copy.
    const kavrel::shell::SingleInstanceGuard instance("TMinFrm");
    if (instance.heldByAnotherCopy())
        return 0;
    if (!instance.acquired()) {
        std::fprintf(stderr, "kavrel: %s\n", instance.failure().c_str());
        return 1;
    }

    // Shaped windows at global places need X11; on a Wayland session that is XWayland.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavrel"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kavrel.Kavrel"));

    // Declared before the application, which refers to them, so they outlive it.
    kavrel::ui::PlayerMessages messages;
    kavrel::shell::QtDesktopShell desktop(QDBusConnection::sessionBus());
    kavrel::shell::NoDesktop power; // until the desktop's power service is in
    QObject mainThread;
    kavrel::dispatch::QtDispatcher dispatcher(mainThread);
    std::unique_ptr<kavrel::core::Application> application;

    // From here on a quit signal saves and quits, whatever start-up step runs: no step waits on the user
    // before the event loop (start-up messages are shown once it runs).
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &qtApplication, [&application] {
        if (application)
            application->quit();
        else
            QApplication::quit();
    });
    pthread_sigmask(SIG_UNBLOCK, &quitSignalSet, nullptr);

    try {
        application = std::make_unique<kavrel::core::Application>(
            kavrel::core::ApplicationOptions{
                kavrel::fs::ProgramFolder::current(), kavrel::engine::findCdSource(), {}},
            kavrel::core::ShellServices{messages, desktop, power}, dispatcher);
    } catch (const kavrel::engine::BassStartError& error) {
        // No window has been shown: the player ends quietly, saying why on standard error only.
        std::fprintf(stderr, "kavrel: %s\n", error.what());
        return 1;
    }

    kavrel::ui::TForm1 window(application->programFolder(), messages);
    kavrel::ui::MainWindowBinding binding(window, *application, desktop);
    kavrel::ui::preferences::QtPreferencesDialogs preferenceDialogs;
    kavrel::ui::preferences::PreferencesBinding preferences(window, *application, preferenceDialogs, messages,
                                                            messages);
    binding.setLanguageApplier([&preferences](int language) { preferences.applyLanguage(language); });
    kavrel::tools::GioLauncherTrust launcherTrust;
    kavrel::ui::TWelcome welcome(application->programFolder(), messages);
    kavrel::ui::WelcomeBinding firstRun(
        welcome, kavrel::ui::playerWelcomeActions(preferences.window(), desktop, application->programFolder(), window),
        {{QCoreApplication::applicationFilePath().toStdString(), application->programFolder().root().string()},
         kavrel::tools::XdgEnvironment::fromProcess(),
         launcherTrust},
        messages);
    binding.setFirstRunAction([&firstRun] { firstRun.run(); });
    application->setQuitAction([] { QApplication::quit(); });
    application->startUp([&] { binding.applySettings(messages); });
    window.show();
    messages.startUpFinished();
    binding.startFirstRunCheck();
    return QApplication::exec();
}
