#pragma once
// The desktop of window endpoints (window_endpoint.h) in one user's window folder.
#include "platform/winmsg/desktop.h"

#include <chrono>
#include <string>

namespace kavrel::winmsg {

class SocketDesktop final : public Desktop {
public:
    // folder empty: defaultWindowFolder(). `answerLimit` bounds each sent message from connecting to the
    // reply. A folder that is not safe (see checkWindowFolder) holds no windows.
    explicit SocketDesktop(std::string folder = {},
                           std::chrono::milliseconds answerLimit = std::chrono::milliseconds(1500));

    bool FindWindow(std::string_view title) override;
    std::optional<std::int64_t> SendMessage(std::string_view title, const Message& message) override;
    bool PostMessage(std::string_view title, const Message& message) override;
    using Desktop::PostMessage;
    using Desktop::SendMessage;

private:
    // A connection to the window, or -1; removes the socket of a window whose process died.
    int connectWindow(std::string_view title);

    std::string folder_;
    std::chrono::milliseconds answerLimit_;
};

} // namespace kavrel::winmsg
