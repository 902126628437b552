#pragma once
// A window of this process that other programs of the same user can find by its title and send
// messages to. Messages are handled one at a time, in the order they arrive, on the endpoint's own
// thread; a sent message's reply is the handler's result, a posted message's result is dropped.
#include "platform/winmsg/messages.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace kavrel::winmsg {

class WindowEndpoint {
public:
    // Runs on the endpoint's thread. A sender waits for it (up to its own time limit), so it answers
    // quickly and hands window work to the thread that owns the window.
    using Handler = std::function<std::int64_t(const Message&)>;

    // Registers `title` in `folder` (defaultWindowFolder() when empty). Throws std::runtime_error with a
    // readable reason when the folder is unsafe, the title is too long, or a living window has it.
    // Blocking: at most a fraction of a second when a dying window still holds the title.
    WindowEndpoint(std::string title, Handler handler, std::string folder = {});
    // Unregisters the title and waits for the handler in progress. Call on the thread that created it.
    ~WindowEndpoint();
    WindowEndpoint(const WindowEndpoint&) = delete;
    WindowEndpoint& operator=(const WindowEndpoint&) = delete;

    const std::string& title() const { return title_; }

private:
    void run();
    void serve(int connection);

    std::string title_;
    Handler handler_;
    std::string socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    int wakeFd_ = -1;
    std::thread thread_;
};

} // namespace kavrel::winmsg
