#include "window_bridge.h"

#include <QEvent>

namespace kavrel::apollo {

WindowBridge::WindowBridge(QWidget* window, const std::string& title, Handlers handlers)
    : window_(window), handlers_(std::move(handlers)) {
    window_->setWindowTitle(QString::fromStdString(title));
    window_->installEventFilter(this);
    endpoint_ = std::make_unique<winmsg::WindowEndpoint>(title, [this](const winmsg::Message& message) {
        if (handlers_.answer)
            if (const auto answer = handlers_.answer(message))
                return *answer;
        if (message.msg == winmsg::kWindowStateMessage)
            return flags_.load();
        QMetaObject::invokeMethod(
            this, [this, message] { apply(message); }, Qt::QueuedConnection);
        return std::int64_t{0};
    });
}

WindowBridge::~WindowBridge() {
    endpoint_.reset();
    window_->removeEventFilter(this);
}

void WindowBridge::apply(const winmsg::Message& message) {
    switch (message.msg) {
    case winmsg::kShowWindowMessage:
        if (message.wParam == winmsg::SW_HIDE)
            window_->hide();
        else if (message.wParam == winmsg::SW_SHOWMINIMIZED)
            window_->showMinimized();
        else
            window_->show();
        break;
    case winmsg::kSetTopmostMessage:
        // Changing the flag takes the window off the screen; it comes back where it was, above the rest.
        window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window_->show();
        window_->raise();
        break;
    case winmsg::WM_KEYDOWN:
        if (handlers_.keyDown)
            handlers_.keyDown(message.wParam);
        break;
    case winmsg::WM_CLOSE:
        if (handlers_.close)
            handlers_.close();
        break;
    default:
        break;
    }
    updateFlags();
}

bool WindowBridge::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                               event->type() == QEvent::WindowStateChange))
        updateFlags();
    return QObject::eventFilter(watched, event);
}

void WindowBridge::updateFlags() {
    std::int64_t flags = 0;
    if (window_->isVisible())
        flags |= winmsg::kWindowVisible;
    if (window_->isMinimized())
        flags |= winmsg::kWindowMinimized;
    if (window_->windowFlags() & Qt::WindowStaysOnTopHint)
        flags |= winmsg::kWindowTopmost;
    flags_ = flags;
}

} // namespace kavrel::apollo
