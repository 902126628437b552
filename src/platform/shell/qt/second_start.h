#pragma once
// A second start hands its files to the running copy over a local socket beside the single-instance lock
// (in the same 0700 folder): file and folder paths to add, or, with none, a request to raise the window.
// The lock decides who runs; the socket only carries the message, so two copies never run at once.
#include "platform/shell/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace kavrel::shell {

struct SecondStartHandlers {
    std::function<void(const std::vector<std::string>& paths)> pathsReceived;
    std::function<void()> raiseRequested;
};

// The running copy's side. Handlers run on the main thread.
class SecondStartListener {
public:
    // `guard` must hold the lock: only then may a socket a crashed copy left behind be replaced.
    SecondStartListener(const SingleInstanceGuard& guard, SecondStartHandlers handlers);
    SecondStartListener(const SecondStartListener&) = delete;
    SecondStartListener& operator=(const SecondStartListener&) = delete;

    bool listening() const { return server_.isListening(); }
    // Why the socket could not be opened; empty when listening.
    std::string failure() const;
    // A first start's own paths, delivered as if a second start had sent them, once the event loop runs.
    void deliverOwn(std::vector<std::string> paths);

private:
    void receive(QLocalSocket* peer);
    void dispatch(const QByteArray& message) const;
    void deliver(const std::vector<std::string>& paths) const;

    QLocalServer server_;
    SecondStartHandlers handlers_;
};

// The second start's side: sends `paths` (none: a raise request) to the copy holding `guard`'s lock,
// waiting up to `timeoutMs` for a copy that is still starting to listen and for the message to go. False
// when none took it. Needs no Qt application object.
bool passToRunningCopy(const SingleInstanceGuard& guard, const std::vector<std::string>& paths,
                       int timeoutMs = 5000);

// The paths among a start's arguments: file:// URIs as local paths, relative paths made absolute against
// the current folder (the running copy's differs); other addresses are dropped.
std::vector<std::string> startPaths(const QStringList& arguments);

} // namespace kavrel::shell
