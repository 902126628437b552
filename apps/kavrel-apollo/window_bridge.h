#pragma once
// Registers a Qt window under its title so other programs find it and send it messages. Window work
// (show, hide, topmost, close, keys) is handed to the window's thread; the window's state is answered at
// once from the message thread, so a busy window thread never makes a caller wait.
#include "platform/winmsg/window_endpoint.h"

#include <QObject>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace kavrel::apollo {

class WindowBridge final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // Message thread: the answer to a message of the window's own, or nothing.
        std::function<std::optional<std::int64_t>(const winmsg::Message&)> answer;
        // Window thread: a posted key-down.
        std::function<void(std::uint64_t key)> keyDown;
        // Window thread: WM_CLOSE.
        std::function<void()> close;
    };

    // Throws std::runtime_error when the title cannot be registered (see WindowEndpoint).
    WindowBridge(QWidget* window, const std::string& title, Handlers handlers);
    ~WindowBridge() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(const winmsg::Message& message);
    void updateFlags();

    QWidget* window_;
    Handlers handlers_;
    std::atomic<std::int64_t> flags_{0};
    std::unique_ptr<winmsg::WindowEndpoint> endpoint_; // last: stops delivering before the rest goes
};

} // namespace kavrel::apollo
