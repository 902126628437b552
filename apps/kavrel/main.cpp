// The player: one copy per user, started in its program folder.
#include "core/application.h"
#include "desktop_binding.h"
#include "platform/audio/cd_drive.h"
#include "platform/dispatch/qt/qt_dispatcher.h"
#include "platform/shell/qt/logind_power.h"
#include "platform/shell/qt/qt_desktop_shell.h"
#include "platform/shell/qt/qt_tray_icon.h"
#include "platform/shell/qt/x11_hotkeys.h"
#include "platform/shell/single_instance.h"
#include "quit_signals.h"
#include "startup_probe.h"
#include "ui/controls/application_icon.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/messages/player_messages.h"
#include "ui/windows/player/player_windows.h"
#include "ui/windows/preferences/preferences_binding.h"
#include "ui/windows/shell/shell_binding.h"
#include "ui/windows/welcome/welcome_binding.h"

#include <QApplication>
#include <QDBusConnection>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <pthread.h>

int main(int argc, char** argv) {
    if (printedHelp(argc, argv))
        return 0;
    // A quit signal that arrives before its handler is in place waits for it instead of killing the process.
    sigset_t quitSignalSet;
    sigemptyset(&quitSignalSet);
    sigaddset(&quitSignalSet, SIGTERM);
    sigaddset(&quitSignalSet, SIGINT);
    pthread_sigmask(SIG_BLOCK, &quitSignalSet, nullptr);

    // Decided before any window exists: a second copy hands its files (or, with none, a request to show
    // the window) to the running one and leaves; a lock that cannot be had is an error, not another copy.
    const kavrel::shell::SingleInstanceGuard instance("TMinFrm");
    if (instance.heldByAnotherCopy())
        return handToRunningCopy(instance, argc, argv);
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
    QApplication::setWindowIcon(kavrel::ui::applicationIcon());

    // Declared before the application, which refers to them, so they outlive it.
    kavrel::ui::PlayerMessages messages;
    kavrel::shell::QtDesktopShell desktop(QDBusConnection::sessionBus());
    kavrel::shell::LogindPower power;
    QObject mainThread;
    kavrel::dispatch::QtDispatcher dispatcher(mainThread);
    std::unique_ptr<kavrel::core::Application> application;

    // From here on a quit signal saves and quits, whatever start-up step runs: no step waits on the user
    // before the event loop (start-up messages are shown once it runs).
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &qtApplication, [&application, &messages] {
        messages.unattendedQuitBegins();
        if (application)
            application->quit();
        else
            QApplication::quit();
    });
    pthread_sigmask(SIG_UNBLOCK, &quitSignalSet, nullptr);

    try {
        application = std::make_unique<kavrel::core::Application>(
            kavrel::core::ApplicationOptions{
                kavrel::fs::ProgramFolder::current(), kavrel::audio::findCdSource(), {}},
            kavrel::core::ShellServices{messages, desktop, power}, dispatcher);
    } catch (const kavrel::engine::BassStartError& error) {
        // No window has been shown: the player ends quietly, saying why on standard error only.
        std::fprintf(stderr, "kavrel: %s\n", error.what());
        return 1;
    }

    // The windows in their order: the main window, then the equalizer, the mini player and the mini
    // playlist; the tag finder, the copier, the welcome and the preferences windows follow, in that order.
    kavrel::ui::TForm1 window(application->programFolder(), messages);
    kavrel::ui::MainWindowBinding binding(window, *application, desktop);
    kavrel::ui::PlayerWindows windows(window, binding.playlistView(), *application, messages);
    kavrel::shell::X11Hotkeys hotkeys;
    kavrel::shell::QtTrayIcon tray(
        QApplication::windowIcon(),
        {QStringLiteral("&Восстановить"), QStringLiteral("Выход"), QStringLiteral("Close Kavrel")});
    kavrel::ui::ShellBinding shellBinding(window, *application, hotkeys, tray);
    shellBinding.attachMini(windows);
    windows.setMiniToTray([&shellBinding] { shellBinding.miniToTray(); });
    windows.languageWindows().libraryBuild = &binding.libraryBuildWindow().window();
    kavrel::ui::preferences::QtPreferencesDialogs preferenceDialogs;
    kavrel::ui::preferences::PreferencesBinding preferences(window, *application, preferenceDialogs, messages,
                                                            messages);
    windows.languageWindows().preferences = &preferences.window();
    preferences.setLanguageApplier([&](int language) { windows.applyLanguage(language, messages); });
    binding.playlistPanel().setPreferencesOpener(
        [&preferences] { preferences.open(kavrel::ui::preferences::PreferencesPage::Shuffle); });
    kavrel::tools::GioLauncherTrust launcherTrust;
    kavrel::ui::TWelcome welcome(application->programFolder(), messages);
    kavrel::ui::WelcomeBinding firstRun(
        welcome,
        kavrel::ui::playerWelcomeActions(preferences.window(), desktop, application->programFolder(),
                                         binding.libraryBuildWindow()),
        {{QCoreApplication::applicationFilePath().toStdString(),
          application->programFolder().root().string()},
         kavrel::tools::XdgEnvironment::fromProcess(),
         launcherTrust},
        messages);
    binding.setFirstRunAction([&firstRun] { firstRun.run(); });
    application->setQuitAction([] { QApplication::quit(); });
    // Raise: out of the tray if parked there, else the visible one of the main window and the mini player.
    DesktopBinding desktopBinding(*application, instance, dispatcher, messages, [&] {
        if (shellBinding.tray().inTray())
            shellBinding.tray().restore();
        raiseWindow(windows.mini().isVisible() ? static_cast<QWidget&>(windows.mini()) : window);
    });
    application->startUp([&] {
        binding.applySettings();
        windows.applySettings(messages);
    });
    StartupProbe::installIfAsked(
        window, [&](const std::string& text) { application->browser().searchTextChanged(text); });
    windows.showAtStart();
    messages.startUpFinished();
    binding.startFirstRunCheck();
    desktopBinding.openOwn(QApplication::arguments().mid(1));
    return QApplication::exec();
}
