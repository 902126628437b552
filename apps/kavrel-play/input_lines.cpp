#include "input_lines.h"

#include <poll.h>
#include <unistd.h>

namespace kavrel::play {

InputLines::InputLines(dispatch::MainThreadDispatcher& loop, std::function<void(const std::string&)> onLine)
    : loop_(loop), onLine_(std::move(onLine)), thread_([this] { read(); }) {}

InputLines::~InputLines() {
    stopping_ = true;
    thread_.join();
}

void InputLines::read() {
    std::string line;
    while (!stopping_) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        // A timeout, so the destructor never waits for a line that does not come.
        const int ready = ::poll(&input, 1, 100);
        if (ready < 0 || (ready > 0 && (input.revents & (POLLERR | POLLNVAL)) != 0))
            return;
        if (ready == 0)
            continue;
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i) {
            if (buffer[i] != '\n') {
                line.push_back(buffer[i]);
                continue;
            }
            loop_.post([this, text = line] { onLine_(text); });
            line.clear();
        }
    }
}

} // namespace kavrel::play
