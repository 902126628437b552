// The player: one copy per user, started in its program folder.
#include "core/application.h"
#include "engine/cd_drive.h"
#include "platform/shell/single_instance.h"
#include "placeholder_window.h"
#include "quit_signals.h"

#include <QApplication>
#include <QMessageBox>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <string>

namespace {

class MessageBoxReporter : public kavrel::core::ErrorReporter {
public:
    void reportError(std::string_view message) override {
        std::fprintf(stderr, "kavrel: %.*s\n", static_cast<int>(message.size()), message.data());
        QMessageBox::critical(nullptr, QStringLiteral("Kavrel"), QString::fromUtf8(message.data(),
                                                                                   static_cast<int>(message.size())));
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

    // Decided before any window exists: a second copy leaves without a trace; a lock that cannot be had is
    // an error, not another copy.
    const kavrel::shell::SingleInstanceGuard instance("TMinFrm");
    if (instance.heldByAnotherCopy())
        return 0;
    if (!instance.acquired()) {
        std::fprintf(stderr, "kavrel: %s\n", instance.failure().c_str());
        return 1;
    }

    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavrel"));

    MessageBoxReporter errors;
    kavrel::core::Application application(kavrel::fs::ProgramFolder::current(),
                                          kavrel::engine::cdDrivePath(kavrel::engine::findCdSource()), errors);
    PlaceholderWindow window(application);
    application.loadConfiguration();
    window.show();

    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, &QWidget::close);
    pthread_sigmask(SIG_UNBLOCK, &quitSignalSet, nullptr);
    return QApplication::exec();
}
