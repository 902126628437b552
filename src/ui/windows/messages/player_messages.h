#pragma once
// The player's one way of showing a failure: a message box, after a line on standard error. Until the
// main window is up, messages are collected and shown together once the event loop runs, so that no
// box waits on the user before the quit signals and the window can be served.
#include "core/error_reporter.h"
#include "ui/lang/language_loader.h"
#include "ui/skin/skin_error_reporter.h"

#include <QString>
#include <QStringList>

namespace kavrel::ui {

class PlayerMessages final : public core::ErrorReporter,
                             public skin::SkinErrorReporter,
                             public lang::LanguageErrorReporter {
public:
    void reportError(std::string_view message) override;
    void reportSkinError(const QString& message) override { show(message); }
    void reportLanguageError(const QString& message) override { show(message); }

    // Main thread, once the main window is shown: what start-up collected appears in one box as soon as
    // the event loop runs; later messages appear at once.
    void startUpFinished();
    // What start-up has collected and not yet shown.
    const QStringList& pending() const { return pending_; }
    // A quit nobody waits at (a quit signal, a desktop logout) has begun: from now on failures, such as a
    // save that fails, go to standard error only, so that no box holds the quit up.
    void unattendedQuitBegins() { unattended_ = true; }

private:
    void show(const QString& message);

    bool collecting_ = true;
    bool unattended_ = false;
    QStringList pending_;
};

} // namespace kavrel::ui
