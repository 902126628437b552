// The other program of the window-message tests: registers one window and answers as the test asks.
//   winmsg_peer FOLDER TITLE echo   answers sent messages, remembers posted ones, ends on WM_CLOSE
//   winmsg_peer FOLDER TITLE hang   never answers a sent message
#include "platform/winmsg/program_launcher.h"
#include "platform/winmsg/window_endpoint.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

using namespace kavrel::winmsg;

namespace {

// Commands of the echo mode, as WM_USER + 3 with the command in wParam.
constexpr std::uint64_t kLastPosted = 99;
constexpr std::uint64_t kStartedMinimized = 98;

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const bool hang = std::strcmp(argv[3], "hang") == 0;
    std::atomic<std::int64_t> lastPosted{-1};
    std::atomic<bool> closing{false};
    WindowEndpoint window(
        argv[2],
        [&](const Message& message) -> std::int64_t {
            if (hang)
                for (;;)
                    std::this_thread::sleep_for(std::chrono::seconds(1));
            if (message.msg == WM_CLOSE)
                closing = true;
            if (message.msg == WM_COPYDATA)
                return static_cast<std::int64_t>(message.copyData->dwData * 1000 +
                                                 message.copyData->bytes.size());
            if (message.msg == WM_USER + 3 && message.wParam == kLastPosted)
                return lastPosted;
            if (message.msg == WM_USER + 3 && message.wParam == kStartedMinimized)
                return std::getenv(kStartMinimizedVariable) != nullptr;
            if (message.msg == WM_USER + 3)
                return static_cast<std::int64_t>(message.wParam) * 1000 + message.lParam;
            lastPosted = static_cast<std::int64_t>(message.wParam);
            return 0;
        },
        argv[1]);
    while (!closing)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 0;
}
