// The player: one copy per user, started in its program folder.
#include "core/application.h"
#include "engine/cd_drive.h"
#include "placeholder_window.h"
#include "platform/dispatch/qt/qt_dispatcher.h"
#include "platform/shell/no_desktop.h"
#include "platform/shell/single_instance.h"
#include "quit_signals.h"

#include <QApplication>
#include <QMessageBox>

#include <csignal>
#include <cstdio>
#include <memory>
#include <pthread.h>
#include <string>

namespace {

class MessageBoxReporter : public kavrel::core::ErrorReporter {
public:
    void reportError(std::string_view message) override {
        std::fprintf(stderr, "kavrel: %.*s\n", static_cast<int>(message.size()), message.data());
        QMessageBox::critical(nullptr, QStringLiteral("Kavrel"),
                              QString::fromUtf8(message.data(), static_cast<int>(message.size())));
    }
};

} // namespace

int main(int argc, char** argv) {
    // A quit signal during start-up waits until it can run the save-state instead of killing the process.
    sigset_t quitSignalSet;
    sigemptyset(&quitSignalSet);
    sigaddset(&quitSignalSet, SIGTERM);
    sigaddset(&quitSignalSet, SIGINT);
    pthread_sigmask(SIG_BLOCK, &quitSignalSet, nullptr);

    // Decided before any window exists: a second copy leaves without a trace.
    const kavrel::shell::SingleInstanceGuard instance("TMinFrm");
    if (!instance.acquired())
        return 0;

    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavrel"));

    MessageBoxReporter errors;
    kavrel::shell::NoDesktop desktop; // until the desktop's own services are bound
    QObject mainThread;
    kavrel::dispatch::QtDispatcher dispatcher(mainThread);
    std::unique_ptr<kavrel::core::Application> application;
    try {
        application = std::make_unique<kavrel::core::Application>(
            kavrel::core::ApplicationOptions{
                kavrel::fs::ProgramFolder::current(), kavrel::engine::findCdSource(), {}},
            kavrel::core::ShellServices{errors, desktop, desktop}, dispatcher);
    } catch (const kavrel::engine::BassStartError& error) {
        // No window has been shown: the player ends quietly, saying why on standard error only.
        std::fprintf(stderr, "kavrel: %s\n", error.what());
        return 1;
    }
    PlaceholderWindow window(*application);
    application->setQuitAction([] { QApplication::quit(); });
    application->startUp();
    window.show();

    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, [&] { application->quit(); });
    pthread_sigmask(SIG_UNBLOCK, &quitSignalSet, nullptr);
    return QApplication::exec();
}
