#pragma once
// Reads standard input on its own thread and hands each line to the event loop; ends at end of input.
#include "platform/dispatch/dispatcher.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace kavrel::play {

class InputLines {
public:
    // `onLine` runs on the loop's thread.
    InputLines(dispatch::MainThreadDispatcher& loop, std::function<void(const std::string&)> onLine);
    // Stops reading (within 100 ms) and joins.
    ~InputLines();
    InputLines(const InputLines&) = delete;
    InputLines& operator=(const InputLines&) = delete;

private:
    void read();

    dispatch::MainThreadDispatcher& loop_;
    std::function<void(const std::string&)> onLine_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace kavrel::play
