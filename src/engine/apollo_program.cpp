#include "engine/apollo_program.h"

#include "engine/apollo_engine.h"

#include <thread>

namespace kavrel::engine {

namespace {

// The letter e as a posted key-down carries it.
constexpr std::uint64_t kLetterE = 101;

} // namespace

bool waitForWindow(winmsg::Desktop& desktop, std::string_view title, bool present,
                   std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (desktop.FindWindow(title) == present)
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::optional<std::string> startPlayerHidden(winmsg::Desktop& desktop, winmsg::ProgramLauncher& launcher,
                                             const std::string& path, std::chrono::milliseconds windowWait) {
    if (!desktop.FindWindow(kApolloMainWindow)) {
        const winmsg::StartResult started = launcher.start(path, true);
        if (const auto* failed = std::get_if<winmsg::StartFailed>(&started))
            return "The outside player cannot be started. " + failed->message;
        if (!waitForWindow(desktop, kApolloMainWindow, true, windowWait))
            return "The outside player \"" + path + "\" started, but no window titled \"" +
                   std::string(kApolloMainWindow) + "\" appeared.";
    }
    desktop.ShowWindow(kApolloMainWindow, winmsg::SW_HIDE);
    return std::nullopt;
}

void showPlayerEqualizer(winmsg::Desktop& desktop) {
    desktop.PostKeyDown(kApolloEqualizerWindow, winmsg::VK_ESCAPE);
    desktop.PostKeyDown(kApolloMainWindow, kLetterE);
    desktop.ShowWindow(kApolloEqualizerWindow, winmsg::SW_SHOW);
    desktop.SetTopmost(kApolloEqualizerWindow);
}

} // namespace kavrel::engine
