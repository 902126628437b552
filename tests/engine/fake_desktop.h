#pragma once
// A desktop that records what is sent and posted to the outside player's windows and answers for them,
// and a launcher that records starts and opens the player's windows. Thread-safe: TApollo's worker and
// the test both use them.
#include "engine/apollo_engine.h"
#include "platform/winmsg/desktop.h"
#include "platform/winmsg/program_launcher.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace kavrel::test {

struct Delivered {
    std::string title;
    winmsg::Message message;
    bool posted;
    std::chrono::steady_clock::time_point when;
};

class FakeDesktop final : public winmsg::Desktop {
public:
    using Desktop::PostMessage;
    using Desktop::SendMessage;

    bool FindWindow(std::string_view title) override {
        std::lock_guard lock(mutex_);
        return windows_.contains(std::string(title));
    }
    std::optional<std::int64_t> SendMessage(std::string_view title, const winmsg::Message& message) override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !holding_; });
        if (!windows_.contains(std::string(title)))
            return std::nullopt;
        log_.push_back({std::string(title), message, false, std::chrono::steady_clock::now()});
        return answer ? answer(message) : 0;
    }
    bool PostMessage(std::string_view title, const winmsg::Message& message) override {
        std::lock_guard lock(mutex_);
        if (!windows_.contains(std::string(title)))
            return false;
        log_.push_back({std::string(title), message, true, std::chrono::steady_clock::now()});
        if (message.msg == winmsg::WM_CLOSE && closeRemovesWindow)
            windows_.erase(std::string(title));
        return true;
    }

    void open(const std::string& title) {
        std::lock_guard lock(mutex_);
        windows_.insert(title);
    }
    void close(const std::string& title) {
        std::lock_guard lock(mutex_);
        windows_.erase(title);
    }
    // While held, every sent message waits.
    void hold(bool holding) {
        {
            std::lock_guard lock(mutex_);
            holding_ = holding;
        }
        changed_.notify_all();
    }
    std::vector<Delivered> log() {
        std::lock_guard lock(mutex_);
        return log_;
    }
    void clearLog() {
        std::lock_guard lock(mutex_);
        log_.clear();
    }

    // Set before use; called under the desktop's lock.
    std::function<std::int64_t(const winmsg::Message&)> answer;
    bool closeRemovesWindow = true;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<std::string> windows_;
    std::vector<Delivered> log_;
    bool holding_ = false;
};

class FakeLauncher final : public winmsg::ProgramLauncher {
public:
    explicit FakeLauncher(FakeDesktop& desktop) : desktop_(desktop) {}

    winmsg::StartResult start(const std::string& path, bool minimized) override {
        std::lock_guard lock(mutex_);
        starts_.push_back({path, minimized});
        if (!failure.empty())
            return winmsg::StartFailed{failure};
        if (opensWindows) {
            desktop_.open(engine::kApolloMainWindow);
            desktop_.open(engine::kApolloEqualizerWindow);
        }
        return winmsg::Started{4242};
    }
    std::vector<std::pair<std::string, bool>> starts() {
        std::lock_guard lock(mutex_);
        return starts_;
    }

    std::string failure;
    bool opensWindows = true;

private:
    FakeDesktop& desktop_;
    std::mutex mutex_;
    std::vector<std::pair<std::string, bool>> starts_;
};

// What the player's windows were told, in order: a command as "20:0", a handed file as "file /a.mp3",
// and posts to the main ("main ...") or equalizer window ("eq ...") as "close", "key 27", "show 0",
// "topmost".
inline std::vector<std::string> playerCommands(const std::vector<Delivered>& log) {
    std::vector<std::string> out;
    for (const Delivered& entry : log) {
        const winmsg::Message& m = entry.message;
        if (m.msg == engine::kApolloCommandMessage && !entry.posted) {
            out.push_back(std::to_string(m.wParam) + ":" + std::to_string(m.lParam));
        } else if (m.msg == winmsg::WM_COPYDATA) {
            const auto& bytes = m.copyData->bytes;
            const bool record = m.wParam == 0 && m.copyData->dwData == engine::kApolloFileNameKind &&
                                !bytes.empty() && bytes.back() == 0;
            out.push_back(record ? "file " + std::string(bytes.begin(), bytes.end() - 1) : "bad copy");
        } else {
            std::string text = entry.title == engine::kApolloMainWindow ? "main " : "eq ";
            if (m.msg == winmsg::WM_CLOSE)
                text += "close";
            else if (m.msg == winmsg::WM_KEYDOWN)
                text += "key " + std::to_string(m.wParam);
            else if (m.msg == winmsg::kShowWindowMessage)
                text += "show " + std::to_string(m.wParam);
            else if (m.msg == winmsg::kSetTopmostMessage)
                text += "topmost";
            else
                text += "message " + std::to_string(m.msg);
            out.push_back(text);
        }
    }
    return out;
}

} // namespace kavrel::test
