#pragma once
// The player's main-thread dispatcher: each task is a queued call on the Qt event loop of the thread
// that owns `context` (the main thread). Tasks still queued when the context is destroyed are dropped.
#include "platform/dispatch/dispatcher.h"

class QObject;

namespace kavrel::dispatch {

class QtDispatcher final : public MainThreadDispatcher {
public:
    // Main thread; `context` outlives every post.
    explicit QtDispatcher(QObject& context) : context_(context) {}

    void post(std::function<void()> task) override;
    // The timer is started on the main thread, whose event loop runs it, whatever thread asks.
    void postDelayed(std::chrono::milliseconds delay, std::function<void()> task) override;

private:
    QObject& context_;
};

} // namespace kavrel::dispatch
